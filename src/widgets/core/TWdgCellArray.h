#pragma once
// A sorted set of cell addresses (row, then column), without duplicates; the table collects in
// it the cells to repaint while painting is held back. The all-cells mark means every cell,
// whatever the entries say. Room grows in steps of 128 entries.
#include <cstdint>
#include <vector>

class TWdgCellArray {
public:
  struct Cell {
    int32_t Row = 0;
    int32_t Col = 0;
    auto operator<=>(const Cell&) const = default;
  };

  static constexpr int32_t kGrowth = 128;

  // An address already present is left alone.
  void AddCell(int32_t row, int32_t col);
  // True when the address was present.
  bool DeleteCell(int32_t row, int32_t col);
  // The entry at the position in sort order; (0, 0) outside 0..Count()-1.
  Cell CellAt(int32_t position) const;

  void MarkAll() { allCells_ = true; }
  bool AllCells() const { return allCells_; }
  // Drops the entries and the all-cells mark; the room stays.
  void Clear();
  // True only with no entries and no all-cells mark.
  bool IsEmpty() const { return cells_.empty() && !allCells_; }
  // Adds the other's entries; the other and both all-cells marks are left as they are.
  void Merge(const TWdgCellArray& other);

  int32_t Count() const { return int32_t(cells_.size()); }
  int32_t Capacity() const { return capacity_; }

private:
  std::vector<Cell> cells_;
  int32_t capacity_ = 0;
  bool allCells_ = false;
};
