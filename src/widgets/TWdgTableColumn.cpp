#include "widgets/TWdgTableColumn.h"

void TWdgTableColumn::Notify() const {
  if (onChange_) onChange_(number_, -1, taOneChanged);
}

void TWdgTableColumn::SetWidth(int32_t width) {
  if (width == width_) return;
  width_ = width;
  Notify();
}

void TWdgTableColumn::SetHidden(bool hidden) {
  if (hidden == hidden_) return;
  hidden_ = hidden;
  Notify();
}

void TWdgTableColumn::SetDefaultCell(TWdgBaseTableCell* cell) {
  if (cell == cell_) return;
  cell_ = cell;
  Notify();
}

void TWdgTableColumn::Assign(const TWdgTableColumn& source) {
  width_ = source.width_;
  hidden_ = source.hidden_;
  SetDefaultCell(source.cell_);
}
