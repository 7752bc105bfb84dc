#include "widgets/WdgCaretPainter.h"

#include "widgets/TWdgSingleCaret.h"

#include <QPainter>

void PaintCaret(QPainter& painter, const TWdgSingleCaret& caret) {
  const QRect rect = caret.Rect();
  if (rect.isEmpty()) return;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  const TWdgCaret& look = *caret.Caret();
  if (look.Shape() == csBitmap && !look.Bitmap().isNull())
    painter.drawImage(rect.topLeft(), look.Bitmap().convertToFormat(QImage::Format_RGB32));
  else
    painter.fillRect(rect, look.IsGray() ? QColor(128, 128, 128) : QColor(255, 255, 255));
  painter.restore();
}
