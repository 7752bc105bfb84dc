#include "comm/session/forms/CommLogPrinting.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
// The share of the page's width each of the nine columns takes.
constexpr double kColumnShares[] = {0.07, 0.11, 0.13, 0.07, 0.09, 0.11, 0.17, 0.17, 0.08};

} // namespace

void CommLogPrinting::PaintListingPage(QPainter& painter, const CommLogListing::Page& page, const QRectF& area) {
  QFont title(QStringLiteral("Sans Serif"), 20);
  painter.setFont(title);
  const double titleHeight = QFontMetricsF(title, painter.device()).height();
  painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignHCenter, page.title);
  QFont small(QStringLiteral("Sans Serif"), 8);
  painter.setFont(small);
  const double line = QFontMetricsF(small, painter.device()).height() * 1.15;
  double y = area.top() + titleHeight + line / 2;
  painter.drawText(QRectF(area.left(), y, area.width(), line), Qt::AlignLeft, page.printedAt);
  painter.drawText(QRectF(area.left(), y, area.width(), line), Qt::AlignRight,
                   QStringLiteral("Page %1").arg(page.number));
  y += line * 1.5;
  auto drawRow = [&](const QStringList& cells, bool bold) {
    QFont font = small;
    font.setBold(bold);
    painter.setFont(font);
    double x = area.left();
    for (int i = 0; i < cells.size() && i < int(std::size(kColumnShares)); ++i) {
      const double width = area.width() * kColumnShares[i];
      painter.drawText(QRectF(x, y, width - 2, line), Qt::AlignLeft | Qt::AlignVCenter, cells[i]);
      x += width;
    }
    y += line;
  };
  drawRow(page.headings, true);
  for (const QStringList& row : page.rows) drawRow(row, false);
}

bool CommLogPrinting::PrintLines(QPagedPaintDevice& device, const QStringList& lines, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  painter.setFont(font);
  const QRectF area(QPointF(0, 0), QSizeF(device.width(), device.height()));
  const double line = QFontMetricsF(font, &device).lineSpacing();
  double y = area.top();
  for (const QString& text : lines) {
    if (y + line > area.bottom()) {
      device.newPage();
      y = area.top();
    }
    painter.drawText(QPointF(area.left(), y + QFontMetricsF(font, &device).ascent()), text);
    y += line;
  }
  return painter.end();
}

bool CommLogPrinting::PrintListing(QPagedPaintDevice& device, const QList<CommLogListing::Page>& pages) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QRectF area(QPointF(0, 0), QSizeF(device.width(), device.height()));
  for (qsizetype i = 0; i < pages.size(); ++i) {
    if (i > 0) device.newPage();
    PaintListingPage(painter, pages[i], area);
  }
  return painter.end();
}
