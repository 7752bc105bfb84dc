#include "comm/jobs/forms/HistoryCellDelegate.h"

#include <QApplication>
#include <QPainter>

void HistoryCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  painter->save();
  if (index.column() == 0) {
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->fillRect(option.rect, selected ? QColor(Qt::black) : QApplication::palette().color(QPalette::Button));
    painter->restore();
    return;
  }
  bool isNumber = false;
  const QRgb rgb = index.sibling(index.row(), colourColumn_).data().toString().toUInt(&isNumber);
  const QColor fill = isNumber ? QColor::fromRgb(rgb) : QColor(Qt::white);
  painter->fillRect(option.rect, fill);
  painter->setPen(fill == QColor(Qt::white) ? Qt::black : Qt::white);
  painter->setFont(option.font);
  const QRect text = option.rect.adjusted(2, 2, 0, 0);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
  painter->restore();
}
