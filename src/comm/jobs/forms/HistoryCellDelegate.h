#pragma once
// Draws a queue window's data cells: the marker column black when selected and in the
// button face otherwise; the other cells filled with the row's colour (kept as a number
// in the hidden last column; white when it is not one), the text white on a colour and
// black on white, 2 pixels in from the left and top.
#include <QStyledItemDelegate>

class HistoryCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  HistoryCellDelegate(int colourColumn, QObject* parent) : QStyledItemDelegate(parent), colourColumn_(colourColumn) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
  int colourColumn_;
};
