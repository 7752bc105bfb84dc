#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTCRowHead.h"
#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTableCells.h"
#include "widgets/TWdgTableColumns.h"
#include "widgets/TWdgTable.h"

#include <QImage>
#include <QPainter>
#include <functional>
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

namespace {
// Paints one string cell on white and gives the box of the pixels that are not white.
QRect InkOf(const TWdgTCBaseString& cell, const QSize& size, const TWdgCellAttributes& attrs,
            const QString& text) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    cell.Paint(p, image.rect(), 1, 1, attrs, &text);
  }
  QRect ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != QColor(Qt::white).rgb()) ink |= QRect(x, y, 1, 1);
  return ink;
}

TWdgCellAttributes Plain(TWdgTblAdjust adjust, TWdgTblAccess access = otxNormal) {
  TWdgCellAttributes a;
  a.caAccess = access;
  a.caAdjust = adjust;
  a.caColor = Qt::white;
  a.caFontColor = Qt::black;
  a.caFontHiColor = Qt::red;
  return a;
}
} // namespace

TEST(WdgTableCells, StringCellsPlaceTheirTextByAlignmentAndWrap) {
  struct Case {
    const char* name;
    bool wrap;
    TWdgTblAdjust adjust;
    QString text;
    std::function<bool(const QRect&)> holds;
  };
  const QSize size(120, 40);
  const std::vector<Case> cases{
      {"short, right", false, otaCenterRight, "W", [](const QRect& i) { return i.left() > 90; }},
      {"short, centred", false, otaCenter, "W", [](const QRect& i) { return i.left() > 40 && i.right() < 80; }},
      {"bottom", false, otaBottomLeft, "W", [](const QRect& i) { return i.bottom() >= 30; }},
      {"wrapped: from the top", true, otaCenterLeft, "Word word word word word word",
       [](const QRect& i) { return i.top() <= 6 && i.bottom() > 20; }},
      {"empty: nothing", false, otaCenterLeft, "", [](const QRect& i) { return i.isNull(); }},
  };
  for (const auto& c : cases) {
    TWdgTCBaseString cell;
    cell.SetUseWordWrap(c.wrap);
    const QRect ink = InkOf(cell, size, Plain(c.adjust), c.text);
    EXPECT_TRUE(c.holds(ink)) << c.name << " ink " << ink.x() << "," << ink.y() << " "
                              << ink.width() << "x" << ink.height();
  }
}

TEST(WdgTableCells, ASingleLineTextWiderThanItsCellStartsAtTheLeft) {
  const QString text("Wide text that does not fit the cell");
  for (auto adjust : {otaCenterRight, otaCenter}) {
    auto shot = [&](TWdgTblAdjust a) {
      QImage image(120, 40, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter p(&image);
      TWdgTCBaseString().Paint(p, image.rect(), 1, 1, Plain(a), &text);
      p.end();
      return image;
    };
    EXPECT_EQ(shot(adjust), shot(otaCenterLeft)) << int(adjust);
  }
}

TEST(WdgTableCells, AnInvisibleCellShowsNoTextAndARaisedOneHasItsLightCopy) {
  TWdgTCBaseString cell;
  EXPECT_TRUE(InkOf(cell, {120, 40}, Plain(otaCenterLeft, otxInvisible), "Text").isNull());
  TWdgCellAttributes raised = Plain(otaCenterLeft);
  raised.caTextStyle = tsRaised;
  QImage image(120, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    const QString text("Text");
    cell.Paint(p, image.rect(), 1, 1, raised, &text);
  }
  int red = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) red += image.pixelColor(x, y) == QColor(Qt::red);
  EXPECT_GT(red, 0);
}
