#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCRowHead.h"
#include "widgets/TWdgTCString.h"
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
