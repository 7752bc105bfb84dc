#include "reports/engine/RptTextRenderer.h"

#include <QMap>

#include <algorithm>
#include <cmath>

namespace {
// Tops closer than this share a line (rounding of pixel positions).
constexpr double kSameLineMm = 0.05;

int Cells(double mm, double cellWidthMm) { return int(std::lround(mm / cellWidthMm)); }

void Put(QString& line, int column, const QString& text) {
  column = std::max(column, 0);
  if (line.size() < column + text.size()) line = line.leftJustified(column + int(text.size()), u' ');
  line.replace(column, text.size(), text);
}

int StartColumn(const RptItem& item, double left, double cellWidthMm) {
  const int start = Cells(item.rectMm.left() - left, cellWidthMm);
  const int width = Cells(item.rectMm.width(), cellWidthMm);
  const int length = int(item.text.size());
  switch (item.align) {
  case RptAlign::Left:
    return start;
  case RptAlign::Right:
    return start + width - length;
  case RptAlign::Center:
    return start + (width - length) / 2;
  }
  return start;
}
} // namespace

QStringList RptTextRenderer::PageLines(const RptPage& page, const RptPageSetup& setup,
                                       double cellWidthMm) {
  QList<const RptItem*> texts;
  for (const RptItem& item : page.items)
    if (!item.text.isEmpty()) texts << &item;
  // Stable: items with one top keep their drawing order, so the later one wins an overlap.
  std::stable_sort(texts.begin(), texts.end(), [](const RptItem* a, const RptItem* b) {
    return a->rectMm.top() < b->rectMm.top();
  });
  QStringList lines;
  double lineTop = 0;
  for (const RptItem* item : texts) {
    if (lines.isEmpty() || item->rectMm.top() > lineTop + kSameLineMm) {
      lines << QString();
      lineTop = item->rectMm.top();
    }
    const int column = StartColumn(*item, setup.marginsMm.left(), cellWidthMm);
    // A text pushed left of the margin keeps its tail.
    const QString text = column < 0 ? item->text.mid(-column) : item->text;
    Put(lines.last(), column, text);
  }
  for (QString& line : lines) {
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1) == u' ') --end;
    line.truncate(end);
  }
  return lines;
}

QString RptTextRenderer::Render(const RptPageModel& model, double cellWidthMm) {
  QString text;
  for (const RptPage& page : model.pages) {
    for (const QString& line : PageLines(page, model.setup, cellWidthMm)) text += line + u'\n';
    text += QStringLiteral("\f\n");
  }
  return text;
}
