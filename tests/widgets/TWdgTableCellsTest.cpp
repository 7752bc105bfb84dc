#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCRowHead.h"
#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTableCells.h"
#include "widgets/TWdgTableColumns.h"
#include "widgets/TWdgTable.h"

#include <gtest/gtest.h>

TEST(WdgTableCells, HeadingsFollowInsertedDeletedAndExchangedColumns) {
  TWdgTCColHead head;
  head.SetHeadings({"A", "B"});
  head.ColumnsChanged(2, -1, taAdded); // at the end: appended
  EXPECT_EQ(head.Headings(), QStringList({"A", "B", ""}));
  head.ColumnsChanged(0, -1, taAdded);
  EXPECT_EQ(head.Headings(), QStringList({"", "A", "B", ""}));
  head.ColumnsChanged(9, -1, taAdded); // beyond the end: nothing
  head.ColumnsChanged(0, -1, taDeleted);
  EXPECT_EQ(head.Headings(), QStringList({"A", "B", ""}));
  head.ColumnsChanged(0, 5, taExchanged); // padded first
  EXPECT_EQ(head.Headings(), QStringList({"", "B", "", "", "", "A"}));
}

TEST(WdgTableCells, AHeadingShowsLettersThenDataThenItsHeading) {
  TWdgTCColHead head;
  head.SetHeadings({"Name", "Id"});
  const QString data("From the form");
  EXPECT_EQ(head.HeadingText(27, nullptr), "AB"); // letters are on at first; no table: 0 locked
  head.SetShowLetters(false);
  EXPECT_EQ(head.HeadingText(1, &data), data);
  EXPECT_EQ(head.HeadingText(1, nullptr), "Id");
  EXPECT_EQ(head.HeadingText(2, nullptr), "");
  EXPECT_EQ(head.Access(), otxReadOnly);
}

TEST(WdgTableCells, ARowHeadingCountsFromTheFirstRow) {
  TWdgTCRowHead head;
  EXPECT_EQ(head.RowText(0), "1");
  head.SetShowNumbers(false);
  EXPECT_EQ(head.RowText(4), "");
}

TEST(WdgTableCells, ColumnsRenumberOnDeleteAndExchange) {
  TWdgTableColumns columns(4);
  columns.Column(3)->SetWidth(99);
  columns.Exchange(0, 3);
  EXPECT_EQ(columns.Column(0)->Width(), 99);
  EXPECT_EQ(columns.Column(0)->Number(), 0);
  columns.Delete(1);
  EXPECT_EQ(columns.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(columns.Column(i)->Number(), i);
  EXPECT_EQ(columns.Column(3), nullptr);
}

TEST(WdgTableCells, AMarginBelowZeroIsIgnored) {
  TWdgTCColHead head;
  head.SetMargin(-1);
  EXPECT_EQ(head.Margin(), 4);
}

TEST(WdgTableCells, ACellShowsTheTablesColourUntilItGetsOneOfItsOwn) {
  TWdgTable table;
  TWdgTCColHead head;
  table.SetLockedRowsCell(&head);
  table.SetColor(Qt::cyan);
  EXPECT_EQ(head.Color(), QColor(Qt::cyan));
  head.SetColor(Qt::red);
  EXPECT_FALSE(head.TableColor());
  EXPECT_EQ(head.Color(), QColor(Qt::red));
  head.SetTableColor(true);
  EXPECT_EQ(head.Color(), QColor(Qt::cyan));
}

TEST(WdgTableCells, AttributesLeftAtTheDefaultBecomeCentreLeftAndNormal) {
  TWdgTable table;
  TWdgTCString cell;
  TWdgCellAttributes attrs;
  cell.CompleteAttributes(1, 1, attrs); // no table: the cell's own defaults
  EXPECT_EQ(attrs.caAdjust, otaCenterLeft);
  EXPECT_EQ(attrs.caAccess, otxNormal);
  table.SetColumnCell(1, &cell);
  table.SetAdjust(otaTopRight);
  cell.CompleteAttributes(1, 1, attrs);
  EXPECT_EQ(attrs.caAdjust, otaTopRight);
}

TEST(WdgTableCells, AnEmptyOverrideStoreGivesTheDefaultsAndReportsNothing) {
  TWdgTableCells cells;
  int reports = 0;
  cells.OnChange = [&] { ++reports; };
  const TWdgCellOverride none = cells.GetAttributes(3, 2);
  EXPECT_TRUE(none.IsDefault());
  cells.InsertRow(0);
  cells.DeleteCol(1);
  cells.ExchangeRows(1, 2);
  EXPECT_EQ(reports, 0);
}

TEST(WdgTableCells, OverridesMoveWithTheirRowsAndColumns) {
  struct Step {
    const char* name;
    std::function<void(TWdgTableCells&)> act;
    std::pair<int, int> at; // where the record of (2, 3) is afterwards; (-1, -1): gone
  };
  const std::vector<Step> steps{
      {"insert row above", [](TWdgTableCells& c) { c.InsertRow(1); }, {3, 3}},
      {"insert row below", [](TWdgTableCells& c) { c.InsertRow(3); }, {2, 3}},
      {"insert column at it", [](TWdgTableCells& c) { c.InsertCol(3); }, {2, 4}},
      {"delete row above", [](TWdgTableCells& c) { c.DeleteRow(0); }, {1, 3}},
      {"delete its column", [](TWdgTableCells& c) { c.DeleteCol(3); }, {-1, -1}},
      {"exchange rows", [](TWdgTableCells& c) { c.ExchangeRows(2, 7); }, {7, 3}},
      {"exchange columns", [](TWdgTableCells& c) { c.ExchangeCols(0, 3); }, {2, 0}},
  };
  for (const auto& s : steps) {
    TWdgTableCells cells;
    TWdgCellOverride red;
    red.Color = Qt::red;
    cells.SetAttributes(2, 3, red);
    s.act(cells);
    if (s.at.first < 0) {
      EXPECT_EQ(cells.RecordCount(), 0) << s.name;
    } else {
      EXPECT_EQ(cells.GetAttributes(s.at.first, s.at.second).Color, QColor(Qt::red)) << s.name;
      EXPECT_EQ(cells.RecordCount(), 1) << s.name;
    }
  }
}

TEST(WdgTableCells, ForgettingACellComponentDropsRecordsLeftWithNothing) {
  TWdgTableCells cells;
  TWdgTCString a;
  TWdgCellOverride only;
  only.Cell = &a;
  TWdgCellOverride more = only;
  more.Access = otxReadOnly;
  cells.SetAttributes(1, 1, only);
  cells.SetAttributes(1, 2, more);
  cells.ForgetCell(&a);
  EXPECT_EQ(cells.RecordCount(), 1);
  EXPECT_EQ(cells.GetCellComponent(1, 2), nullptr);
  EXPECT_EQ(cells.GetAttributes(1, 2).Access, otxReadOnly);
}
