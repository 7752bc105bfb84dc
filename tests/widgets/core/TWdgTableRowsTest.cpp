#include "widgets/core/TWdgTableRows.h"
#include "widgets/core/WdgTableErrors.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

namespace {
using Change = std::tuple<int32_t, int32_t, TWdgTblActions>;

struct Recorded : TWdgTableRows {
  std::vector<Change> changes;
  Recorded() {
    SetChangeHandler([this](int32_t a, int32_t b, TWdgTblActions act) { changes.emplace_back(a, b, act); });
  }
};
} // namespace

TEST(WdgTableRows, StartsWithHeight30AndTenRows) {
  TWdgTableRows rows;
  EXPECT_EQ(rows.DefaultHeight(), 30);
  EXPECT_EQ(rows.RowLimit(), 10);
  EXPECT_EQ(rows.GetRow(9), (TWdgTableRows::Row{30, false}));
}

TEST(WdgTableRows, RowsOutsideTheLimitRaiseAndChangeNothing) {
  Recorded rows;
  EXPECT_THROW(rows.GetRow(10), EWdgTable);
  EXPECT_THROW(rows.SetRow(-1, 20, false), EWdgTable);
  EXPECT_THROW(rows.ExchangeRows(0, 10), EWdgTable);
  try {
    rows.SetRowHeight(10, 5);
  } catch (const EWdgTable& e) {
    EXPECT_EQ(e.Message(), "Unknown");
  }
  EXPECT_TRUE(rows.changes.empty());
  EXPECT_EQ(rows.RecordCount(), 0);
}

TEST(WdgTableRows, TheDefaultHeightOrLessIsNoHeightOfItsOwn) {
  struct Case {
    int32_t height;
    bool hidden;
    bool special;
    TWdgTableRows::Row read;
  };
  const Case cases[] = {
      {30, false, false, {30, false}}, {0, false, false, {30, false}},
      {-4, false, false, {30, false}}, {30, true, true, {30, true}},
      {45, false, true, {45, false}},
  };
  for (const auto& c : cases) {
    TWdgTableRows rows;
    rows.SetRow(3, c.height, c.hidden);
    EXPECT_EQ(rows.RowIsSpecial(3), c.special) << c.height;
    EXPECT_EQ(rows.GetRow(3), c.read) << c.height;
  }
}

TEST(WdgTableRows, ASizedRowFollowsTheDefaultAgainOnceReset) {
  Recorded rows;
  rows.SetRowHeight(2, 50);
  rows.SetRowHeight(2, 50); // unchanged: no report
  rows.SetDefaultHeight(40);
  EXPECT_EQ(rows.GetRow(2).Height, 50);
  EXPECT_EQ(rows.GetRow(1).Height, 40);
  rows.SetRowHeight(2, 0);
  EXPECT_FALSE(rows.RowIsSpecial(2));
  EXPECT_EQ(rows.GetRow(2).Height, 40);
  const std::vector<Change> expected{{2, 0, taOneChanged}, {0, 0, taAllChanged}, {2, 0, taOneChanged}};
  EXPECT_EQ(rows.changes, expected);
}

TEST(WdgTableRows, AHiddenRowKeepsItsRecordWhenItsHeightGoesBackToTheDefault) {
  TWdgTableRows rows;
  rows.SetRow(4, 50, true);
  rows.SetRowHeight(4, 30);
  EXPECT_TRUE(rows.RowIsSpecial(4));
  EXPECT_EQ(rows.GetRow(4), (TWdgTableRows::Row{30, true}));
}

TEST(WdgTableRows, DefaultHeightsOfZeroOrLessAreIgnored) {
  Recorded rows;
  rows.SetDefaultHeight(0);
  rows.SetDefaultHeight(-4);
  rows.SetDefaultHeight(30);
  EXPECT_EQ(rows.DefaultHeight(), 30);
  EXPECT_TRUE(rows.changes.empty());
}

TEST(WdgTableRows, TheRowLimitMayBeZeroAndKeepsRecordsBeyondIt) {
  Recorded rows;
  rows.SetRowHeight(5, 50);
  rows.SetRowLimit(1); // a heading row and no programs
  EXPECT_EQ(rows.RowLimit(), 1);
  rows.SetRowLimit(-3);
  EXPECT_EQ(rows.RowLimit(), 0);
  rows.SetRowLimit(10);
  EXPECT_EQ(rows.GetRow(5).Height, 50);
  EXPECT_EQ(std::get<0>(rows.changes.back()), -2);
  EXPECT_EQ(std::get<2>(rows.changes.back()), taLimitChanged);
}

TEST(WdgTableRows, ExchangingMovesTheRecordsAndReportsBothRows) {
  Recorded rows;
  rows.SetRowHeight(1, 50);
  rows.ExchangeRows(1, 7);
  EXPECT_EQ(rows.GetRow(7).Height, 50);
  EXPECT_FALSE(rows.RowIsSpecial(1));
  EXPECT_EQ(rows.changes.back(), (Change{1, 7, taExchanged}));
  const size_t n = rows.changes.size();
  rows.ExchangeRows(3, 3);
  EXPECT_EQ(rows.changes.size(), n);
}

TEST(WdgTableRows, ClearDropsEveryRecord) {
  Recorded rows;
  rows.SetRow(1, 50, true);
  rows.SetRow(2, 60, false);
  rows.Clear();
  EXPECT_EQ(rows.RecordCount(), 0);
  EXPECT_EQ(rows.changes.back(), (Change{0, 0, taAllChanged}));
  rows.ResetRow(1); // nothing to drop: no report
  EXPECT_EQ(rows.changes.back(), (Change{0, 0, taAllChanged}));
}
