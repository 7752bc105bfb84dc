#include "widgets/TWdgTCRowHead.h"

#include "widgets/TWdgTable.h"

#include <QPainter>
#include <QPolygon>

TWdgTCRowHead::TWdgTCRowHead(QObject* owner) : TWdgTCBaseString(owner) { SetAccess(otxReadOnly); }

void TWdgTCRowHead::SetShowNumbers(bool show) {
  if (show == showNumbers_) return;
  showNumbers_ = show;
  DoChanged();
}

void TWdgTCRowHead::SetShowActiveRow(bool show) {
  if (show == showActiveRow_) return;
  showActiveRow_ = show;
  DoChanged();
}

QString TWdgTCRowHead::RowText(int row) const {
  if (!showNumbers_) return QString();
  return QString::number(row - (Table() ? Table()->LockedRows() : 0) + 1);
}

void TWdgTCRowHead::PaintCell(QPainter& painter, const QRect& rect, int row, int,
                              const TWdgCellAttributes& attrs, const QString*) const {
  const int activeRow = Table() ? Table()->ActiveRow() : -1;
  if (!showActiveRow_ || row != activeRow) {
    PaintText(painter, rect, attrs, RowText(row));
    return;
  }
  PaintText(painter, rect, attrs, QString());
  const int d = std::min(rect.width() - 8, rect.height() / 3);
  const int x = rect.left() + (rect.width() - d) / 2;
  const int y = rect.top() + (rect.height() - d) / 2;
  painter.save();
  painter.setPen(attrs.caFontColor);
  painter.setBrush(attrs.caFontColor);
  painter.drawPolygon(QPolygon({QPoint(x + d, y + d / 2), QPoint(x, y), QPoint(x, y + d)}));
  painter.restore();
}
