#include "widgets/TWdgTableCells.h"

#include "widgets/TWdgBaseTableCell.h"

TWdgCellOverride TWdgTableCells::GetAttributes(int row, int col) const {
  const auto it = records_.find({row, col});
  return it == records_.end() ? TWdgCellOverride() : it->second;
}

TWdgBaseTableCell* TWdgTableCells::GetCellComponent(int row, int col) const {
  const auto it = records_.find({row, col});
  return it == records_.end() ? nullptr : it->second.Cell.data();
}

void TWdgTableCells::SetAttributes(int row, int col, const TWdgCellOverride& record) {
  if (record.IsDefault()) records_.erase({row, col});
  else records_[{row, col}] = record;
  if (OnChange) OnChange();
}

void TWdgTableCells::Remap(const std::function<std::optional<Key>(Key)>& map) {
  if (records_.empty()) return;
  std::map<Key, TWdgCellOverride> moved;
  for (auto& [key, record] : records_)
    if (const auto to = map(key)) moved[*to] = std::move(record);
  records_.swap(moved);
  if (OnChange) OnChange();
}

void TWdgTableCells::InsertRow(int row) {
  Remap([row](Key k) { return std::optional<Key>({k.first >= row ? k.first + 1 : k.first, k.second}); });
}

void TWdgTableCells::InsertCol(int col) {
  Remap([col](Key k) { return std::optional<Key>({k.first, k.second >= col ? k.second + 1 : k.second}); });
}

void TWdgTableCells::DeleteRow(int row) {
  Remap([row](Key k) -> std::optional<Key> {
    if (k.first == row) return std::nullopt;
    return Key{k.first > row ? k.first - 1 : k.first, k.second};
  });
}

void TWdgTableCells::DeleteCol(int col) {
  Remap([col](Key k) -> std::optional<Key> {
    if (k.second == col) return std::nullopt;
    return Key{k.first, k.second > col ? k.second - 1 : k.second};
  });
}

void TWdgTableCells::ExchangeRows(int row1, int row2) {
  Remap([row1, row2](Key k) {
    const int r = k.first == row1 ? row2 : k.first == row2 ? row1 : k.first;
    return std::optional<Key>({r, k.second});
  });
}

void TWdgTableCells::ExchangeCols(int col1, int col2) {
  Remap([col1, col2](Key k) {
    const int c = k.second == col1 ? col2 : k.second == col2 ? col1 : k.second;
    return std::optional<Key>({k.first, c});
  });
}

void TWdgTableCells::ForgetCell(const TWdgBaseTableCell* cell) {
  for (auto it = records_.begin(); it != records_.end();) {
    if (it->second.Cell == cell) it->second.Cell = nullptr;
    it = it->second.IsDefault() ? records_.erase(it) : std::next(it);
  }
}
