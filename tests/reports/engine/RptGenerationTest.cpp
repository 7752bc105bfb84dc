#include "RptTestReports.h"

#include "platform/sys/Clock.h"

#include <gtest/gtest.h>

using namespace RptTest;

TEST(RptGenerationTest, TwoGenerationsGiveEqualPageModels) {
  FakeClock clock;
  ScopedClock scoped(clock);
  RptReport report("Twice");
  RptMemoryRows rows = Rows({{"A", 1}, {"A", 2}, {"B", 3}});
  report.SetMaster(&rows);
  report.SetTitle("Twice");
  RptBand& title = Named(report.AddBand(RptBandKind::Title, "Title", 20));
  title.AddSystemData("Printed", QRectF(200, 0, 200, 16), RptSystemData::DateTimePrinted);
  RptBand& group = report.AddGroup("Group", 16, report.MasterField("Key"));
  report.AddGroupFooter(group, "Footer", 16)
      .AddComputed("GroupSum", QRectF(0, 0, 100, 16), [&] { return report.Sum("S"); });
  report.AddFieldSum("S", "Amount", &group);
  RowDetail(report, 300);  // three pages
  RptBand& summary = report.AddBand(RptBandKind::Summary, "Summary", 16);
  summary.AddLabel("Average", QRectF(0, 0, 200, 16), "design");
  // Per-run state lives in the form and is reset by the report's BeforePrint.
  int runs = 0;
  int rowsThisRun = 0;
  report.OnBeforePrint([&](RptReport&, bool&) {
    ++runs;
    rowsThisRun = 0;
  });
  report.Band("Detail").OnAfterPrint([&](RptBand&, bool printed) { rowsThisRun += printed; });
  summary.OnBeforePrint([&](RptBand&, bool&) {
    report.Element("Average").SetCaption(QString("rows %1").arg(rowsThisRun));
  });
  const auto first = report.Generate();
  clock.Advance(1);  // same second
  const auto second = report.Generate();
  ASSERT_TRUE(first && second);
  EXPECT_EQ(runs, 2);
  EXPECT_GT(first->PageCount(), 1);
  EXPECT_EQ(*first, *second);
  EXPECT_EQ(Lines(*second).last(), "rows 3");
}
