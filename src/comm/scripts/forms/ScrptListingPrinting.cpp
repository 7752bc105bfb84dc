#include "comm/scripts/forms/ScrptListingPrinting.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {
// Letter in portrait: 816 by 1056 report units.
constexpr double kReportWidth = 816;
constexpr double kIdColumn = 48;
constexpr double kActionsColumn = 260;
} // namespace

void ScrptListingPrinting::PaintPage(QPainter& painter, const ScrptListing::Page& page, const QRectF& area) {
  using namespace ScrptListing;
  painter.save();
  const double scale = area.height() / kReportHeight;
  painter.translate(area.topLeft());
  painter.scale(scale, scale);
  QFont title(QStringLiteral("Sans Serif"));
  title.setPixelSize(18);
  title.setBold(true);
  painter.setFont(title);
  painter.drawText(QRectF(0, 0, kReportWidth, 24), Qt::AlignHCenter | Qt::AlignVCenter, page.title);
  QFont text(QStringLiteral("Sans Serif"));
  text.setPixelSize(11);
  painter.setFont(text);
  painter.drawText(QRectF(kIdColumn, 0, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, page.printedAt);
  painter.drawText(QRectF(kReportWidth - 348, 0, 300, 24), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Page %1").arg(page.number));
  QFont bold = text;
  bold.setBold(true);
  painter.setFont(bold);
  painter.drawText(QRectF(kIdColumn, 30, 200, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, page.headings.value(0));
  painter.drawText(QRectF(kActionsColumn, 30, 500, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   page.headings.value(1));
  painter.drawLine(QPointF(kIdColumn, kHeaderHeight - 5), QPointF(kReportWidth - kIdColumn, kHeaderHeight - 5));
  painter.setFont(text);
  double y = kHeaderHeight;
  for (const Record& record : page.records) {
    painter.drawText(QRectF(kIdColumn, y + 4, 200, kLineHeight), Qt::AlignLeft | Qt::AlignVCenter, record.scriptId);
    for (int i = 0; i < record.lines.size(); ++i)
      painter.drawText(QRectF(kActionsColumn, y + 4 + i * kLineHeight, 500, kLineHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, record.lines[i]);
    y += record.height;
  }
  painter.restore();
}

bool ScrptListingPrinting::PrintListing(QPagedPaintDevice& device, const QList<ScrptListing::Page>& pages) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF area(QPointF(0, 0), QSizeF(device.width(), device.height()));
  for (qsizetype i = 0; i < pages.size(); ++i) {
    if (i > 0) device.newPage();
    PaintPage(painter, pages[i], area);
  }
  return painter.end();
}
