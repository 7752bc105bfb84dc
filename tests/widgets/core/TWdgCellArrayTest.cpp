#include "widgets/core/TWdgCellArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
using Cell = TWdgCellArray::Cell;

std::vector<Cell> CellsOf(const TWdgCellArray& array) {
  std::vector<Cell> cells;
  for (int32_t position = 0; position < array.Count(); ++position)
    cells.push_back(array.CellAt(position));
  return cells;
}

TWdgCellArray Of(const std::vector<Cell>& cells) {
  TWdgCellArray array;
  for (const Cell& cell : cells)
    array.AddCell(cell.Row, cell.Col);
  return array;
}

TEST(TWdgCellArray, KeepsAddressesSortedWithoutDuplicates) {
  TWdgCellArray array = Of({{2, 1}, {1, 5}, {1, 3}, {2, 1}, {-1, 9}});
  EXPECT_EQ(CellsOf(array), (std::vector<Cell>{{-1, 9}, {1, 3}, {1, 5}, {2, 1}}));
  EXPECT_TRUE(array.DeleteCell(1, 5));
  EXPECT_FALSE(array.DeleteCell(1, 5));
  EXPECT_FALSE(array.DeleteCell(5, 1));
  EXPECT_EQ(CellsOf(array), (std::vector<Cell>{{-1, 9}, {1, 3}, {2, 1}}));
}

TEST(TWdgCellArray, PositionsOutsideTheEntriesGiveTheOrigin) {
  const TWdgCellArray array = Of({{4, 4}});
  for (int32_t position : {-1, 1, 1000})
    EXPECT_EQ(array.CellAt(position), (Cell{0, 0}));
}

TEST(TWdgCellArray, RoomGrowsInSteps) {
  TWdgCellArray array;
  EXPECT_EQ(array.Capacity(), 0);
  for (int32_t row = 0; row < 128; ++row)
    array.AddCell(row, 0);
  EXPECT_EQ(array.Capacity(), 128);
  array.AddCell(0, 0); // present already: no growth
  EXPECT_EQ(array.Capacity(), 128);
  array.AddCell(128, 0);
  EXPECT_EQ(array.Count(), 129);
  EXPECT_EQ(array.Capacity(), 256);
  array.MarkAll();
  array.Clear();
  EXPECT_TRUE(array.IsEmpty());
  EXPECT_EQ(array.Capacity(), 256);
}

TEST(TWdgCellArray, MergeTakesTheUnionAndLeavesTheMarks) {
  TWdgCellArray array = Of({{1, 1}, {1, 3}});
  TWdgCellArray other = Of({{1, 1}, {2, 5}});
  other.MarkAll();
  array.Merge(other);
  EXPECT_EQ(CellsOf(array), (std::vector<Cell>{{1, 1}, {1, 3}, {2, 5}}));
  EXPECT_EQ(array.Capacity(), 128);
  EXPECT_FALSE(array.AllCells());
  EXPECT_EQ(CellsOf(other), (std::vector<Cell>{{1, 1}, {2, 5}}));
  EXPECT_TRUE(other.AllCells());

  TWdgCellArray empty;
  empty.Merge(TWdgCellArray());
  EXPECT_EQ(empty.Capacity(), 0);
  empty.Merge(array);
  EXPECT_EQ(CellsOf(empty), CellsOf(array));
}

TEST(TWdgCellArray, EmptyOnlyWithoutEntriesAndMark) {
  TWdgCellArray array;
  EXPECT_TRUE(array.IsEmpty());
  array.MarkAll();
  EXPECT_FALSE(array.IsEmpty());
  EXPECT_TRUE(array.AllCells());
  array.Clear();
  array.AddCell(3, 3);
  EXPECT_FALSE(array.IsEmpty());
}
} // namespace
