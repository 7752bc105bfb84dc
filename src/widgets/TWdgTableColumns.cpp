#include "widgets/TWdgTableColumns.h"

#include "widgets/core/WdgTableErrors.h"

#include <utility>

TWdgTableColumns::TWdgTableColumns(int32_t count) {
  for (int32_t i = 0; i < count; ++i) Add();
}

TWdgTableColumn* TWdgTableColumns::Column(int32_t index) const {
  return index >= 0 && index < Count() ? columns_[size_t(index)].get() : nullptr;
}

TWdgBaseTableCell* TWdgTableColumns::DefaultCellOf(int32_t index) const {
  const auto* column = Column(index);
  return column ? column->DefaultCell() : nullptr;
}

void TWdgTableColumns::Notify(int32_t c1, int32_t c2, TWdgTblActions action) const {
  if (onChange_) onChange_(c1, c2, action);
}

void TWdgTableColumns::Renumber() {
  for (int32_t i = 0; i < Count(); ++i) columns_[size_t(i)]->number_ = i;
}

TWdgTableColumn& TWdgTableColumns::Add() {
  if (Count() >= kMaxCount) throw EWdgTable();
  auto column = std::make_unique<TWdgTableColumn>();
  column->number_ = Count();
  column->onChange_ = onChange_;
  columns_.push_back(std::move(column));
  Notify(Count() - 1, -1, taAdded);
  return *columns_.back();
}

void TWdgTableColumns::Delete(int32_t index) {
  if (!Column(index)) return;
  columns_.erase(columns_.begin() + index);
  Renumber();
  Notify(index, -1, taDeleted);
}

void TWdgTableColumns::Exchange(int32_t index1, int32_t index2) {
  if (index1 == index2 || !Column(index1) || !Column(index2)) return;
  std::swap(columns_[size_t(index1)], columns_[size_t(index2)]);
  Renumber();
  Notify(index1, index2, taExchanged);
}

void TWdgTableColumns::Clear() {
  columns_.clear();
  Notify(0, 0, taAllChanged);
}

void TWdgTableColumns::SetCount(int32_t count) {
  if (count <= 0 || count == Count()) return;
  while (Count() > count) Delete(Count() - 1);
  while (Count() < count) Add();
}

void TWdgTableColumns::ForgetCell(const TWdgBaseTableCell* cell) {
  for (auto& column : columns_)
    if (column->DefaultCell() == cell) column->SetDefaultCell(nullptr);
}

void TWdgTableColumns::SetChangeHandler(TWdgTableColumn::ChangeHandler handler) {
  onChange_ = std::move(handler);
  for (auto& column : columns_) column->onChange_ = onChange_;
}
