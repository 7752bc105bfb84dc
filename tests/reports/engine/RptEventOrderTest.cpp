#include "RptTestReports.h"

#include <gtest/gtest.h>

using namespace RptTest;

namespace {
// Page header, title, column header, detail with two children, summary.
struct ChainReport {
  RptReport report{"Chain"};
  RptMemoryRows rows = NumberedRows(2);
  EventLog log;
  ChainReport() {
    Named(report.AddBand(RptBandKind::PageHeader, "PageHeader", 16));
    Named(report.AddBand(RptBandKind::Title, "Title", 16));
    Named(report.AddBand(RptBandKind::ColumnHeader, "Columns", 16));
    RptBand& detail = RowDetail(report);
    Named(report.AddChild(detail, "Child1", 16));
    Named(report.AddChild(detail, "Child2", 16));
    Named(report.AddBand(RptBandKind::Summary, "Summary", 16));
    report.SetMaster(&rows);
    log.Attach(report);
  }
};

QStringList Trace(const RptPageModel& model) {
  QStringList trace;
  for (const RptTraceEntry& entry : model.trace)
    trace << QStringLiteral("%1%2").arg(entry.printed ? "" : "-", entry.band);
  return trace;
}
} // namespace

TEST(RptEventOrderTest, ReportAndBandEventsComeInChainOrder) {
  ChainReport f;
  ASSERT_TRUE(f.report.Generate());
  QStringList expected{"report before"};
  for (const char* band : {"PageHeader", "Title", "Columns"})
    expected << QString("before %1").arg(band) << QString("after %1 printed").arg(band);
  for (int row = 0; row < 2; ++row)
    for (const char* band : {"Detail", "Child1", "Child2"})
      expected << QString("before %1").arg(band) << QString("after %1 printed").arg(band);
  expected << "before Summary" << "after Summary printed" << "report after";
  EXPECT_EQ(f.log.events, expected);
}

TEST(RptEventOrderTest, VetoedAndDisabledBandsInAChain) {
  struct Case {
    const char* name;
    QStringList veto;
    QStringList disabled;
    QStringList trace;   // one row; "-" marks a vetoed band
    QStringList lines;   // below title and column header
    QStringList events;  // of the detail chain
  };
  const Case cases[] = {
      {"all print", {}, {}, {"Detail", "Child1", "Child2"}, {"row  1", "Child1", "Child2"},
       {"before Detail", "after Detail printed", "before Child1", "after Child1 printed",
        "before Child2", "after Child2 printed"}},
      {"vetoed parent: children still offered, parent takes no space", {"Detail"}, {},
       {"-Detail", "Child1", "Child2"}, {"Child1", "Child2"},
       {"before Detail", "after Detail vetoed", "before Child1", "after Child1 printed",
        "before Child2", "after Child2 printed"}},
      {"disabled parent: no handler, no trace, chain goes on", {}, {"Detail"},
       {"Child1", "Child2"}, {"Child1", "Child2"},
       {"before Child1", "after Child1 printed", "before Child2", "after Child2 printed"}},
      {"vetoed middle link", {"Child1"}, {}, {"Detail", "-Child1", "Child2"}, {"row  1", "Child2"},
       {"before Detail", "after Detail printed", "before Child1", "after Child1 vetoed",
        "before Child2", "after Child2 printed"}},
      {"disabled middle, vetoed last", {"Child2"}, {"Child1"}, {"Detail", "-Child2"}, {"row  1"},
       {"before Detail", "after Detail printed", "before Child2", "after Child2 vetoed"}},
      {"all vetoed", {"Detail", "Child1", "Child2"}, {}, {"-Detail", "-Child1", "-Child2"}, {},
       {"before Detail", "after Detail vetoed", "before Child1", "after Child1 vetoed",
        "before Child2", "after Child2 vetoed"}},
  };
  for (const Case& c : cases) {
    ChainReport f;
    RptMemoryRows one = NumberedRows(1);
    f.report.SetMaster(&one);
    f.report.Band("Summary").SetEnabled(false);
    f.report.Band("PageHeader").SetEnabled(false);
    f.log.veto = QSet<QString>(c.veto.begin(), c.veto.end());
    for (const QString& name : c.disabled) f.report.Band(name).SetEnabled(false);
    const auto model = f.report.Generate();
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(Trace(*model), QStringList({"Title", "Columns"}) + c.trace) << c.name;
    EXPECT_EQ(Lines(*model), QStringList({"Title", "Columns"}) + c.lines) << c.name;
    const QStringList chainEvents = f.log.events.mid(5, f.log.events.size() - 6);
    EXPECT_EQ(chainEvents, c.events) << c.name;
  }
}

TEST(RptEventOrderTest, HandlersSeeTheirBandAndMayEnableLaterBands) {
  ChainReport f;
  f.report.Band("Child2").SetEnabled(false).SetTag(2);
  f.report.Band("Child1").SetTag(1);
  QList<int> tags;
  // One handler for several bands, telling them apart by Tag; row 2 turns Child2 on.
  auto shared = [&](RptBand& band, bool&) {
    tags << band.Tag();
    if (band.Tag() == 1 && f.report.Master()->Field("Line").ToInteger() == 2)
      f.report.Band("Child2").SetEnabled(true);
  };
  f.report.Band("Child1").OnBeforePrint(shared);
  f.report.Band("Child2").OnBeforePrint(shared);
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(tags, (QList<int>{1, 1, 2}));
  EXPECT_EQ(model->PrintedBands(),
            (QStringList{"PageHeader", "Title", "Columns", "Detail", "Child1", "Detail", "Child1",
                         "Child2", "Summary"}));
}

TEST(RptEventOrderTest, ReportBeforePrintMayCancelAndThenNoBandIsOffered) {
  ChainReport f;
  f.report.OnBeforePrint([](RptReport&, bool& print) { print = false; });
  int afterCalls = 0;
  f.report.OnAfterPrint([&](RptReport&) { ++afterCalls; });
  EXPECT_FALSE(f.report.Generate());
  EXPECT_TRUE(f.log.events.isEmpty());
  EXPECT_EQ(afterCalls, 0);
}

TEST(RptEventOrderTest, EmptyMasterPrintsHeadersAndSummaryUnlessTold) {
  ChainReport f;
  RptMemoryRows none = NumberedRows(0);
  f.report.SetMaster(&none);
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->PrintedBands(), (QStringList{"PageHeader", "Title", "Columns", "Summary"}));

  f.log.events.clear();
  f.report.SetPrintIfEmpty(false);
  EXPECT_FALSE(f.report.Generate());
  EXPECT_EQ(f.log.events, (QStringList{"report before", "report after"}));
}

TEST(RptEventOrderTest, MasterIsRewoundAfterReportBeforePrintWalksIt) {
  ChainReport f;
  int preCount = 0;
  f.report.OnBeforePrint([&](RptReport& report, bool&) {
    for (RptRowSource* rows = report.Master(); !rows->AtEnd(); rows->Next()) ++preCount;
  });
  f.rows.Next();  // left off the first row by someone else
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(preCount, 1);  // it walked from where the rows stood
  EXPECT_EQ(model->PrintedBands().count("Detail"), 2);
}

TEST(RptEventOrderTest, WithoutAMasterTheDetailChainIsOfferedOnce) {
  ChainReport f;
  f.report.SetMaster(nullptr);
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->PrintedBands(),
            (QStringList{"PageHeader", "Title", "Columns", "Detail", "Child1", "Child2", "Summary"}));
}
