#include "widgets/core/TWdgSelectionList.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

namespace {
// (first row, column, last row) of every range, in the order the list reports
// them.
using Ranges = std::vector<std::tuple<int32_t, int32_t, int32_t>>;

Ranges RangesOf(TWdgSelectionList& list) {
  Ranges ranges;
  list.IterateSelections([&](int32_t row1, int32_t col1, int32_t row2, int32_t col2) {
    EXPECT_EQ(col1, col2);
    ranges.emplace_back(row1, col1, row2);
    return true;
  });
  return ranges;
}

struct RangeCase {
  const char* name;
  std::function<void(TWdgSelectionList&)> steps;
  Ranges expected;
};

TEST(TWdgSelectionList, RangesJoinAndSplit) {
  using L = TWdgSelectionList;
  const RangeCase cases[] = {
      {"adjacent ranges join",
       [](L& l) {
         l.SelectRect(5, 0, 7, 0);
         l.SelectRect(8, 0, 9, 0);
       },
       {{5, 0, 9}}},
      {"removing a middle row splits",
       [](L& l) {
         l.SelectRect(5, 0, 7, 0);
         l.SelectRect(8, 0, 9, 0);
         l.DeselectRect(6, 0, 6, 0);
       },
       {{5, 0, 5}, {7, 0, 9}}},
      {"a gap of one row stays apart",
       [](L& l) {
         l.SelectRect(5, 0, 6, 0);
         l.SelectRect(8, 0, 9, 0);
       },
       {{5, 0, 6}, {8, 0, 9}}},
      {"a range below the first is put before it",
       [](L& l) {
         l.SelectRect(8, 1, 9, 1);
         l.SelectRect(2, 1, 3, 1);
       },
       {{2, 1, 3}, {8, 1, 9}}},
      {"a range bridging two joins all three",
       [](L& l) {
         l.SelectRect(1, 0, 2, 0);
         l.SelectRect(6, 0, 7, 0);
         l.SelectRect(3, 0, 5, 0);
       },
       {{1, 0, 7}}},
      {"a wide range swallows those inside",
       [](L& l) {
         l.SelectRect(2, 0, 2, 0);
         l.SelectRect(4, 0, 4, 0);
         l.SelectRect(8, 0, 8, 0);
         l.SelectRect(1, 0, 6, 0);
       },
       {{1, 0, 6}, {8, 0, 8}}},
      {"an overlap at the end extends the last",
       [](L& l) {
         l.SelectRect(2, 0, 5, 0);
         l.SelectRect(4, 0, 8, 0);
       },
       {{2, 0, 8}}},
      {"removal over several ranges cuts both ends",
       [](L& l) {
         l.SelectRect(1, 0, 3, 0);
         l.SelectRect(5, 0, 6, 0);
         l.SelectRect(8, 0, 9, 0);
         l.DeselectRect(2, 0, 8, 0);
       },
       {{1, 0, 1}, {9, 0, 9}}},
      {"removal of everything frees the column",
       [](L& l) {
         l.SelectRect(2, 0, 4, 0);
         l.DeselectRect(0, 0, 9, 0);
       },
       {}},
      {"corners in any order", [](L& l) { l.SelectRect(4, 2, 3, 1); }, {{3, 1, 4}, {3, 2, 4}}},
      {"a corner out of bounds does nothing",
       [](L& l) {
         l.SelectRect(0, 0, 10, 0);
         l.SelectRect(0, 0, 2, 10);
         l.SelectRect(-1, 0, 2, 0);
       },
       {}},
      {"select all gives one range per column",
       [](L& l) {
         l.SetColCount(2);
         l.SelectRect(3, 0, 4, 0);
         l.SelectAll();
       },
       {{0, 0, 9}, {0, 1, 9}}},
  };
  for (const auto& c : cases) {
    TWdgSelectionList list(10, 10);
    c.steps(list);
    EXPECT_EQ(RangesOf(list), c.expected) << c.name;
    EXPECT_EQ(list.HaveSelection(), !c.expected.empty()) << c.name;
  }
}

TEST(TWdgSelectionList, ExtendingToTheAnchorSelectsNothing) {
  TWdgSelectionList list(10, 10);
  list.SetAnchor(2, 3, false);
  list.ExtendTo(2, 3, true);
  EXPECT_FALSE(list.HaveSelection());
  list.ExtendTo(4, 3, true);
  EXPECT_TRUE(list.HaveSelection());
  list.ExtendTo(2, 3, true); // back to the anchor drops the rectangle without writing it
  EXPECT_FALSE(list.HaveSelection());
  EXPECT_EQ(RangesOf(list), Ranges{});
}

TEST(TWdgSelectionList, PendingRectangleIsWrittenOnKeepOrWalk) {
  TWdgSelectionList list(10, 10);
  list.SetAnchor(1, 1, false);
  list.ExtendTo(3, 2, true);
  EXPECT_TRUE(list.IsCellSelected(2, 2));
  EXPECT_EQ(list.ColumnsInUse(), 0); // nothing written yet
  list.SetAnchor(7, 0, true);
  EXPECT_EQ(list.ColumnsInUse(), 2);
  list.ExtendTo(8, 0, true);
  EXPECT_EQ(RangesOf(list), (Ranges{{7, 0, 8}, {1, 1, 3}, {1, 2, 3}}));
  list.SetAnchor(0, 0, false); // a new anchor without keep drops everything
  EXPECT_FALSE(list.HaveSelection());
}

TEST(TWdgSelectionList, PendingDeselectHidesCellsUntilWritten) {
  TWdgSelectionList list(10, 10);
  list.SelectRect(0, 0, 9, 0);
  list.SetAnchor(3, 0, true);
  list.ExtendTo(5, 0, false);
  EXPECT_FALSE(list.IsCellSelected(4, 0));
  EXPECT_TRUE(list.IsCellSelected(6, 0));
  EXPECT_EQ(RangesOf(list), (Ranges{{0, 0, 2}, {6, 0, 9}}));
  EXPECT_FALSE(list.IsCellSelected(4, 0));
}

TEST(TWdgSelectionList, BoundsFollowTheCounts) {
  TWdgSelectionList list(10, 10);
  list.SelectRect(2, 8, 9, 9);
  EXPECT_FALSE(list.IsCellSelected(-1, 8));
  EXPECT_FALSE(list.IsCellSelected(2, 10));
  list.SetRowCount(5);
  EXPECT_TRUE(list.IsCellSelected(4, 8));
  EXPECT_FALSE(list.IsCellSelected(6, 8)); // kept, but outside the rows
  list.SetRowCount(-3);
  EXPECT_EQ(list.RowCount(), 5);
  list.SetColCount(8);
  EXPECT_FALSE(list.HaveSelection());
  list.SetColCount(10);
  EXPECT_FALSE(list.IsCellSelected(3, 9)); // the columns come back empty
  list.SetColCount(-1);
  EXPECT_EQ(list.ColCount(), 10);
}

TEST(TWdgSelectionList, WalkStopsWhereTheVisitorSaysSo) {
  TWdgSelectionList list(10, 10);
  list.SelectRect(0, 0, 1, 2);
  int visits = 0;
  list.IterateSelections([&](int32_t, int32_t col, int32_t, int32_t) {
    ++visits;
    return col < 1;
  });
  EXPECT_EQ(visits, 2);
}
} // namespace
