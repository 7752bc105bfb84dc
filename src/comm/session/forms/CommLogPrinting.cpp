#include "comm/session/forms/CommLogPrinting.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

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
