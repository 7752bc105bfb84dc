#include "widgets/TWdgTCBaseString.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
Qt::Alignment Horizontal(TWdgTblAdjust adjust) {
  switch (adjust) {
  case otaTopLeft: case otaCenterLeft: case otaBottomLeft: return Qt::AlignLeft;
  case otaTopRight: case otaCenterRight: case otaBottomRight: return Qt::AlignRight;
  default: return Qt::AlignHCenter;
  }
}

Qt::Alignment Vertical(TWdgTblAdjust adjust) {
  if (adjust >= otaTopLeft && adjust <= otaTopRight) return Qt::AlignTop;
  if (adjust >= otaBottomLeft && adjust <= otaBottomRight) return Qt::AlignBottom;
  return Qt::AlignVCenter;
}
} // namespace

TWdgTCBaseString::TWdgTCBaseString(QObject* owner) : TWdgBaseTableCell(owner) {}

void TWdgTCBaseString::SetUseWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  DoChanged();
}

void TWdgTCBaseString::PaintCell(QPainter& painter, const QRect& rect, int, int,
                                 const TWdgCellAttributes& attrs, const QString* data) const {
  PaintText(painter, rect, attrs, data ? *data : QString());
}

void TWdgTCBaseString::PaintText(QPainter& painter, const QRect& rect,
                                 const TWdgCellAttributes& attrs, const QString& text) const {
  painter.fillRect(rect, attrs.caColor);
  if (attrs.caAccess == otxInvisible || text.isEmpty()) return;
  const int m = Margin() / 2;
  const QRect box = rect.adjusted(m, m, -m, -m);
  int flags = Qt::TextSingleLine;
  if (wordWrap_) {
    flags = Qt::TextWordWrap | Horizontal(attrs.caAdjust) | Qt::AlignTop;
  } else {
    Qt::Alignment h = Horizontal(attrs.caAdjust);
    // A text wider than the cell starts at the left, so its beginning shows.
    if (QFontMetrics(attrs.caFont).horizontalAdvance(text) > box.width()) h = Qt::AlignLeft;
    flags |= h | Vertical(attrs.caAdjust);
  }
  painter.save();
  painter.setClipRect(rect);
  painter.setFont(attrs.caFont);
  if (attrs.caTextStyle != tsFlat) {
    const int d = attrs.caTextStyle == tsRaised ? -1 : 1;
    painter.setPen(attrs.caFontHiColor);
    painter.drawText(box.translated(d, d), flags, text);
  }
  painter.setPen(attrs.caFontColor);
  painter.drawText(box, flags, text);
  painter.restore();
}
