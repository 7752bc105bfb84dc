#include "widgets/core/TWdgCellArray.h"

#include <algorithm>
#include <iterator>
#include <utility>

void TWdgCellArray::AddCell(int32_t row, int32_t col) {
  const Cell cell{row, col};
  const auto at = std::lower_bound(cells_.begin(), cells_.end(), cell);
  if (at != cells_.end() && *at == cell)
    return;
  const auto position = at - cells_.begin();
  if (Count() == capacity_) {
    capacity_ += kGrowth;
    cells_.reserve(size_t(capacity_));
  }
  cells_.insert(cells_.begin() + position, cell);
}

bool TWdgCellArray::DeleteCell(int32_t row, int32_t col) {
  const Cell cell{row, col};
  const auto at = std::lower_bound(cells_.begin(), cells_.end(), cell);
  if (at == cells_.end() || *at != cell)
    return false;
  cells_.erase(at);
  return true;
}

TWdgCellArray::Cell TWdgCellArray::CellAt(int32_t position) const {
  if (position < 0 || position >= Count())
    return {};
  return cells_[size_t(position)];
}

void TWdgCellArray::Clear() {
  cells_.clear();
  allCells_ = false;
}

void TWdgCellArray::Merge(const TWdgCellArray& other) {
  if (cells_.empty() && other.cells_.empty())
    return;
  const int32_t total = Count() + other.Count();
  capacity_ = (total + kGrowth - 1) / kGrowth * kGrowth;
  std::vector<Cell> merged;
  merged.reserve(size_t(capacity_));
  std::set_union(cells_.begin(), cells_.end(), other.cells_.begin(), other.cells_.end(),
                 std::back_inserter(merged));
  cells_ = std::move(merged);
}
