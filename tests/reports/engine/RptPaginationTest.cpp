#include "RptTestReports.h"

#include <gtest/gtest.h>

using namespace RptTest;

namespace {
// Letter portrait, 10 mm margins: 259.4 mm = 980.4 px of bands a page.
struct JournalReport {
  RptReport report{"Journal"};
  RptMemoryRows rows;
  explicit JournalReport(int count, double rowPx = 16) : rows(NumberedRows(count)) {
    report.PageSetup() = RptPageSetup::LetterPortrait().WithMargins(10, 10, 10, 10);
    Named(report.AddBand(RptBandKind::Title, "Title", 40));
    RptBand& columns = Named(report.AddBand(RptBandKind::ColumnHeader, "Columns", 20));
    columns.AddSystemData("PageNo", QRectF(400, 0, 100, 16), RptSystemData::PageNumber, "Page ");
    RowDetail(report, rowPx);
    report.SetMaster(&rows);
  }
};

QList<int> RowsPerPage(const RptPageModel& model) {
  QList<int> counts(model.PageCount(), 0);
  for (const RptTraceEntry& entry : model.trace)
    if (entry.band == "Detail" && entry.printed) ++counts[entry.page - 1];
  return counts;
}
} // namespace

TEST(RptPaginationTest, SixtyJournalRowsTitleOnceColumnHeaderOnEveryPage) {
  JournalReport f(60, 16);
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  // Page 1: 980.4 - 60 = 920.4 px -> 57 rows; page 2: 960.4 px -> the other 3.
  EXPECT_EQ(RowsPerPage(*model), (QList<int>{57, 3}));
  const QStringList lines = Lines(*model);
  EXPECT_EQ(lines.count("Title"), 1);
  EXPECT_EQ(lines.first(), "Title");
  EXPECT_EQ(lines.mid(1, 2), (QStringList{"Columns                                   Page 1", "row  1"}));
  const qsizetype second = lines.indexOf("|");
  EXPECT_EQ(lines.mid(second + 1), (QStringList{"Columns                                   Page 2",
                                                "row  58", "row  59", "row  60"}));
  // Every row once, in order.
  QStringList rows;
  for (const QString& line : lines)
    if (line.startsWith("row")) rows << line;
  ASSERT_EQ(rows.size(), 60);
  EXPECT_EQ(rows[56], "row  57");
}

TEST(RptPaginationTest, ABandNeverSplits) {
  struct Case {
    const char* name;
    double rowPx;
    int rows;
    QList<int> perPage;
  };
  // Below the 60 px of title and column header, 920.4 px on page 1 and 960.4 px after.
  const Case cases[] = {
      {"exactly full", 920.4 / 2, 2, {2}},
      {"a hair over", 920.4 / 2 + 0.01, 2, {1, 1}},
      {"taller than a page runs over alone", 2000, 2, {1, 1}},
      {"zero height never breaks", 0, 500, {500}},
  };
  for (const Case& c : cases) {
    JournalReport f(c.rows, c.rowPx);
    const auto model = f.report.Generate();
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(RowsPerPage(*model), c.perPage) << c.name;
  }
}

TEST(RptPaginationTest, PageHeaderOnEveryPageBeforeTitleAndColumns) {
  JournalReport f(70, 16);
  Named(f.report.AddBand(RptBandKind::PageHeader, "PageHead", 20));
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  ASSERT_EQ(model->PageCount(), 2);
  QStringList tops;
  for (const RptTraceEntry& entry : model->trace)
    if (entry.band != "Detail") tops << QString("%1 %2").arg(entry.page).arg(entry.band);
  EXPECT_EQ(tops, (QStringList{"1 PageHead", "1 Title", "1 Columns", "2 PageHead", "2 Columns"}));
  // The column header's page number reads the page it lands on.
  EXPECT_EQ(Lines(*model).filter("Page ").size(), 2);
}

TEST(RptPaginationTest, GroupHeaderIsKeptWithItsFirstDetail) {
  // Page 1 has 920.4 px below its headers: 56 rows leave 24.4 px, 57 rows leave 8.4 px. An
  // 8 px group header fits in both, but with its 16 px row only in the first.
  struct Case {
    int firstLineOfGroup;
    int groupPage;
  };
  for (const Case c : {Case{57, 1}, Case{58, 2}}) {
    JournalReport f(60, 16);
    RptBand& header = f.report.AddGroup("Group", 8, [&f, c] {
      return RptValue::Boolean(f.report.Source("").Field("Line").ToInteger() >= c.firstLineOfGroup);
    });
    header.AddLabel("GroupLabel", QRectF(0, 0, 100, 8), "group");
    // The first group's header is vetoed and takes no room.
    header.OnBeforePrint([&f](RptBand&, bool& print) {
      print = f.report.Source("").Field("Line").ToInteger() > 1;
    });
    const auto model = f.report.Generate();
    ASSERT_TRUE(model);
    const RptTraceEntry& second = *std::find_if(model->trace.rbegin(), model->trace.rend(),
                                                [](const RptTraceEntry& e) { return e.band == "Group"; });
    EXPECT_EQ(second.page, c.groupPage) << c.firstLineOfGroup;
    EXPECT_EQ(RowsPerPage(*model)[0], 57) << c.firstLineOfGroup;
  }
}

TEST(RptPaginationTest, RollPageHoldsAllLinesOnOnePage) {
  // 157 lines of 15 px and a column header on a 97.9 x 6350 mm roll: one page, header once.
  RptReport report;
  report.PageSetup() = RptPageSetup::Custom(97.9, 6350).WithMargins(3.81, 10, 10, 10);
  Named(report.AddBand(RptBandKind::ColumnHeader, "Columns", 20));
  RptBand& first = report.AddBand(RptBandKind::Detail, "Line1", 15);
  for (int i = 2; i <= 157; ++i) report.AddChild(first, QString("Line%1").arg(i), 15);
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->PageCount(), 1);
  EXPECT_EQ(model->PrintedBands().size(), 158);
  EXPECT_EQ(model->setup.sizeMm, QSizeF(97.9, 6350));
}

TEST(RptPaginationTest, PageSizesAndMarginsSetHowManyRowsAPageHolds) {
  struct Case {
    const char* name;
    RptPageSetup setup;
    int rows;
    QList<int> perPage;
  };
  // 16 px rows below 60 px of title and column header on page 1, 20 px after.
  const Case cases[] = {
      // 195.9 mm = 740.4 px: 680.4 -> 42 rows, then 720.4 -> 45.
      {"Letter landscape", RptPageSetup::LetterLandscape().WithMargins(10, 10, 10, 10), 100, {42, 45, 13}},
      // 1549.4 - 10 - 9.906 mm = 5780.76 px: 5720.76 -> 357 rows, then 5760.76 -> 360.
      {"101.6 x 1549.4 roll", RptPageSetup::Custom(101.6, 1549.4).WithMargins(10, 10, 10, 9.906), 400,
       {357, 43}},
      // Larger margins leave less: 259.4 - 20 mm = 904.8 px: 844.8 -> 52 rows, then 884.8 -> 55.
      {"Letter, 20 mm top and bottom", RptPageSetup::LetterPortrait().WithMargins(10, 20, 10, 20), 60,
       {52, 8}},
  };
  for (const Case& c : cases) {
    JournalReport f(c.rows, 16);
    f.report.PageSetup() = c.setup;
    const auto model = f.report.Generate();
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(RowsPerPage(*model), c.perPage) << c.name;
    EXPECT_EQ(model->setup, c.setup) << c.name;
  }
}
