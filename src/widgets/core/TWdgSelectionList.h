#pragma once
// Which cells of a table are selected: per column a sorted list of disjoint row
// ranges that never touch, plus the rectangle between the anchor and the
// current cell that is still being dragged out. The rectangle is written into
// the ranges only when the next anchor keeps the selection or when the
// selection is walked. Cells outside the row and column counts are ignored by
// every operation.
#include <cstdint>
#include <functional>
#include <vector>

class TWdgSelectionList {
public:
  struct RowRange {
    int32_t First = 0;
    int32_t Last = 0;
    bool operator==(const RowRange&) const = default;
  };
  // (first row, column, last row, column) -> true to go on.
  using Visitor = std::function<bool(int32_t, int32_t, int32_t, int32_t)>;

  TWdgSelectionList(int32_t rowCount, int32_t colCount);

  // Negative counts are ignored. Fewer columns drop the ranges of the columns
  // cut off; fewer rows keep the ranges, but rows outside the count never read
  // as selected.
  void SetRowCount(int32_t count);
  void SetColCount(int32_t count);
  int32_t RowCount() const { return rowCount_; }
  int32_t ColCount() const { return int32_t(columns_.size()); }

  void Clear();
  // Starts a new rectangle at the cell. Without keepExisting the selection is
  // dropped first; with it, a pending rectangle is written into the ranges
  // first.
  void SetAnchor(int32_t row, int32_t col, bool keepExisting);
  // Spans the pending rectangle from the anchor to the cell; select false makes
  // it deselect.
  void ExtendTo(int32_t row, int32_t col, bool select);

  bool HaveSelection() const;
  bool IsCellSelected(int32_t row, int32_t col) const;
  // How many columns hold at least one range.
  int32_t ColumnsInUse() const;

  void SelectAll();
  // The corners may be given in any order; nothing happens when one lies
  // outside the counts.
  void SelectRect(int32_t row1, int32_t col1, int32_t row2, int32_t col2);
  void DeselectRect(int32_t row1, int32_t col1, int32_t row2, int32_t col2);

  // Writes a pending rectangle into the ranges, then visits every range,
  // columns in ascending order and ranges in ascending order within a column.
  void IterateSelections(const Visitor& visitor);

private:
  struct Rect {
    int32_t RowMin = 0, RowMax = 0, ColMin = 0, ColMax = 0;
  };

  bool InBounds(int32_t row, int32_t col) const;
  void ApplyRect(int32_t row1, int32_t col1, int32_t row2, int32_t col2, bool select);
  void MergePending();
  void AddRowRange(int32_t first, int32_t last, int32_t col);
  void RemoveRowRange(int32_t first, int32_t last, int32_t col);

  std::vector<std::vector<RowRange>> columns_;
  int32_t rowCount_ = 0;
  int32_t anchorRow_ = 0, anchorCol_ = 0;
  int32_t currentRow_ = 0, currentCol_ = 0;
  Rect pendingRect_;
  bool pendingSelect_ = true;
  bool nothingPending_ = true;
};
