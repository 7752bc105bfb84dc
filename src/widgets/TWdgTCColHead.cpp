#include "widgets/TWdgTCColHead.h"

#include "widgets/TWdgTable.h"
#include "widgets/core/WdgColumnLetters.h"

#include <QPainter>
#include <QPolygon>

TWdgTCColHead::TWdgTCColHead(QObject* owner) : TWdgTCBaseString(owner) { SetAccess(otxReadOnly); }

void TWdgTCColHead::SetHeadings(const QStringList& headings) {
  headings_ = headings;
  DoChanged();
}

void TWdgTCColHead::SetShowLetters(bool show) {
  if (show == showLetters_) return;
  showLetters_ = show;
  DoChanged();
}

void TWdgTCColHead::SetShowActiveCol(bool show) {
  if (show == showActiveCol_) return;
  showActiveCol_ = show;
  DoChanged();
}

void TWdgTCColHead::ColumnsChanged(int col1, int col2, TWdgTblActions action) {
  const int count = int(headings_.size());
  switch (action) {
  case taAdded:
    if (col1 >= 0 && col1 <= count) headings_.insert(col1, QString());
    break;
  case taDeleted:
    if (col1 >= 0 && col1 < count) headings_.removeAt(col1);
    break;
  case taExchanged:
    if (headings_.isEmpty()) break;
    while (int(headings_.size()) <= std::max(col1, col2)) headings_.append(QString());
    if (col1 >= 0 && col2 >= 0) headings_.swapItemsAt(col1, col2);
    break;
  default:
    break;
  }
}

QString TWdgTCColHead::HeadingText(int col, const QString* data) const {
  if (showLetters_) return WdgColumnLetters(col - (Table() ? Table()->LockedCols() : 0) + 1);
  if (data) return *data;
  return col >= 0 && col < int(headings_.size()) ? headings_[col] : QString();
}

void TWdgTCColHead::PaintCell(QPainter& painter, const QRect& rect, int, int col,
                              const TWdgCellAttributes& attrs, const QString* data) const {
  const int activeCol = Table() ? Table()->ActiveCol() : -1;
  if (!showActiveCol_ || col != activeCol) {
    PaintText(painter, rect, attrs, HeadingText(col, data));
    return;
  }
  PaintText(painter, rect, attrs, QString());
  const int d = std::min(rect.width(), rect.height()) / 3;
  const int x = rect.left() + (rect.width() - d) / 2;
  const int y = rect.top() + (rect.height() - d) / 2;
  painter.save();
  painter.setPen(attrs.caFontColor);
  painter.setBrush(attrs.caFontColor);
  painter.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + d, y), QPoint(x + d / 2, y + d)}));
  painter.restore();
}
