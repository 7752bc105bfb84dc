#include "widgets/core/TWdgSelectionList.h"

#include <algorithm>
#include <utility>

TWdgSelectionList::TWdgSelectionList(int32_t rowCount, int32_t colCount) {
  SetRowCount(rowCount);
  SetColCount(colCount);
}

void TWdgSelectionList::SetRowCount(int32_t count) {
  if (count >= 0)
    rowCount_ = count;
}

void TWdgSelectionList::SetColCount(int32_t count) {
  if (count >= 0)
    columns_.resize(size_t(count));
}

void TWdgSelectionList::Clear() {
  for (auto& ranges : columns_)
    ranges.clear();
  nothingPending_ = true;
}

bool TWdgSelectionList::InBounds(int32_t row, int32_t col) const {
  return row >= 0 && row < rowCount_ && col >= 0 && col < ColCount();
}

void TWdgSelectionList::SetAnchor(int32_t row, int32_t col, bool keepExisting) {
  if (!InBounds(row, col))
    return;
  if (keepExisting)
    MergePending();
  else
    Clear();
  anchorRow_ = currentRow_ = row;
  anchorCol_ = currentCol_ = col;
  nothingPending_ = true;
}

void TWdgSelectionList::ExtendTo(int32_t row, int32_t col, bool select) {
  if (!InBounds(row, col))
    return;
  pendingSelect_ = select;
  currentRow_ = row;
  currentCol_ = col;
  nothingPending_ = row == anchorRow_ && col == anchorCol_;
  pendingRect_ = {std::min(row, anchorRow_), std::max(row, anchorRow_), std::min(col, anchorCol_),
                  std::max(col, anchorCol_)};
}

bool TWdgSelectionList::HaveSelection() const { return !nothingPending_ || ColumnsInUse() > 0; }

bool TWdgSelectionList::IsCellSelected(int32_t row, int32_t col) const {
  if (!InBounds(row, col))
    return false;
  const Rect& r = pendingRect_;
  if (!nothingPending_ && row >= r.RowMin && row <= r.RowMax && col >= r.ColMin && col <= r.ColMax)
    return pendingSelect_;
  const auto& ranges = columns_[size_t(col)];
  return std::any_of(ranges.begin(), ranges.end(), [row](const RowRange& range) {
    return row >= range.First && row <= range.Last;
  });
}

int32_t TWdgSelectionList::ColumnsInUse() const {
  return int32_t(std::count_if(columns_.begin(), columns_.end(),
                               [](const auto& ranges) { return !ranges.empty(); }));
}

void TWdgSelectionList::SelectAll() {
  for (auto& ranges : columns_) {
    ranges.clear();
    if (rowCount_ > 0)
      ranges.push_back({0, rowCount_ - 1});
  }
}

void TWdgSelectionList::SelectRect(int32_t row1, int32_t col1, int32_t row2, int32_t col2) {
  ApplyRect(row1, col1, row2, col2, true);
}

void TWdgSelectionList::DeselectRect(int32_t row1, int32_t col1, int32_t row2, int32_t col2) {
  ApplyRect(row1, col1, row2, col2, false);
}

void TWdgSelectionList::ApplyRect(int32_t row1, int32_t col1, int32_t row2, int32_t col2,
                                  bool select) {
  if (row1 > row2)
    std::swap(row1, row2);
  if (col1 > col2)
    std::swap(col1, col2);
  if (!InBounds(row1, col1) || !InBounds(row2, col2))
    return;
  for (int32_t col = col1; col <= col2; ++col) {
    if (select)
      AddRowRange(row1, row2, col);
    else
      RemoveRowRange(row1, row2, col);
  }
}

void TWdgSelectionList::MergePending() {
  if (nothingPending_)
    return;
  const Rect r = pendingRect_;
  ApplyRect(r.RowMin, r.ColMin, r.RowMax, r.ColMax, pendingSelect_);
  nothingPending_ = true;
}

void TWdgSelectionList::IterateSelections(const Visitor& visitor) {
  MergePending();
  for (int32_t col = 0; col < ColCount(); ++col)
    for (const RowRange& range : columns_[size_t(col)])
      if (!visitor(range.First, col, range.Last, col))
        return;
}

// Inserts the range in order, then joins every range that overlaps or touches
// its neighbour.
void TWdgSelectionList::AddRowRange(int32_t first, int32_t last, int32_t col) {
  auto& ranges = columns_[size_t(col)];
  const auto at = std::find_if(ranges.begin(), ranges.end(),
                               [first](const RowRange& range) { return range.First > first; });
  ranges.insert(at, {first, last});
  std::vector<RowRange> joined;
  for (const RowRange& range : ranges) {
    if (!joined.empty() && range.First <= joined.back().Last + 1)
      joined.back().Last = std::max(joined.back().Last, range.Last);
    else
      joined.push_back(range);
  }
  ranges = std::move(joined);
}

// Cuts the rows out of every range they meet; a range reaching past both ends
// is split.
void TWdgSelectionList::RemoveRowRange(int32_t first, int32_t last, int32_t col) {
  auto& ranges = columns_[size_t(col)];
  std::vector<RowRange> kept;
  for (const RowRange& range : ranges) {
    if (range.Last < first || range.First > last) {
      kept.push_back(range);
      continue;
    }
    if (range.First < first)
      kept.push_back({range.First, first - 1});
    if (range.Last > last)
      kept.push_back({last + 1, range.Last});
  }
  ranges = std::move(kept);
}
