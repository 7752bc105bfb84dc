#include "RptTestReports.h"

#include <gtest/gtest.h>

using namespace RptTest;

namespace {
// Group on "Key": the header shows the key, the footer the key and line of the group's last
// row and the group's total.
struct GroupReport {
  RptReport report{"Groups"};
  RptMemoryRows rows;
  explicit GroupReport(const QList<Row>& data) : rows(Rows(data)) {
    RptBand& header = report.AddGroup("KeyHeader", 16, report.MasterField("Key"));
    header.AddDataText("HeaderKey", QRectF(0, 0, 96, 16), "", "Key");
    RptBand& footer = report.AddGroupFooter(header, "KeyFooter", 16);
    footer.AddLabel("FooterCaption", QRectF(0, 0, 40, 16), "end");
    footer.AddDataText("FooterKey", QRectF(48, 0, 40, 16), "", "Key");
    footer.AddDataText("FooterLine", QRectF(96, 0, 40, 16), "", "Line");
    footer.AddComputed("FooterTotal", QRectF(144, 0, 96, 16), [this] { return report.Sum("GroupTotal"); });
    report.AddFieldSum("GroupTotal", "Amount", &header);
    RowDetail(report);
    Named(report.AddBand(RptBandKind::Summary, "Summary", 16));
    report.SetMaster(&rows);
  }
};
} // namespace

TEST(RptGroupTest, HeaderAndFooterOnEveryKeyChangeIncludingTheLast) {
  struct Case {
    const char* name;
    QList<Row> rows;
    QStringList lines;
  };
  const Case cases[] = {
      {"three groups",
       {{"A", 1}, {"A", 2}, {"B", 4}, {"C", 8}, {"C", 16}},
       {"A", "row  1", "row  2", "end  A    2    3.00", "B", "row  3", "end  B    3    4.00", "C", "row  4",
        "row  5", "end  C    5    24.00", "Summary"}},
      {"one row", {{"A", 1}}, {"A", "row  1", "end  A    1    1.00", "Summary"}},
      {"a key that comes back starts a new group",
       {{"A", 1}, {"B", 2}, {"A", 4}},
       {"A", "row  1", "end  A    1    1.00", "B", "row  2", "end  B    2    2.00", "A", "row  3",
        "end  A    3    4.00", "Summary"}},
      {"no rows: no group", {}, {"Summary"}},
  };
  for (const Case& c : cases) {
    GroupReport f(c.rows);
    const auto model = f.report.Generate();
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(Lines(*model), c.lines) << c.name;
  }
}

TEST(RptGroupTest, NestedGroupsCloseInnermostFirst) {
  RptReport report;
  RptMemoryRows rows({"Outer", "Inner"}, {{RptValue::Text("1"), RptValue::Text("a")},
                                         {RptValue::Text("1"), RptValue::Text("b")},
                                         {RptValue::Text("2"), RptValue::Text("b")}});
  report.SetMaster(&rows);
  RptBand& outer = report.AddGroup("Outer", 0, report.MasterField("Outer"));
  RptBand& inner = report.AddGroup("Inner", 0, report.MasterField("Inner"));
  report.AddGroupFooter(outer, "OuterEnd", 0);
  report.AddGroupFooter(inner, "InnerEnd", 0);
  report.AddBand(RptBandKind::Detail, "Detail", 0);
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->PrintedBands(),
            (QStringList{"Outer", "Inner", "Detail", "InnerEnd", "Inner", "Detail", "InnerEnd",
                         "OuterEnd", "Outer", "Inner", "Detail", "InnerEnd", "OuterEnd"}));
}

TEST(RptGroupTest, GroupBandsFollowTheEventRules) {
  GroupReport f({{"A", 1}, {"B", 2}});
  EventLog log;
  log.veto = {"KeyHeader"};
  log.Attach(f.report);
  f.report.Band("KeyFooter").SetEnabled(false);
  const auto model = f.report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(Lines(*model), (QStringList{"row  1", "row  2", "Summary"}));
  EXPECT_EQ(log.events.count("after KeyHeader vetoed"), 2);
  EXPECT_FALSE(log.events.contains("before KeyFooter"));
}

TEST(RptGroupTest, DefinitionErrors) {
  RptReport report;
  RptBand& detail = report.AddBand(RptBandKind::Detail, "Detail", 16);
  RptReport other;
  RptBand& foreign = other.AddBand(RptBandKind::Title, "Title", 16);
  EXPECT_THROW(report.AddBand(RptBandKind::Detail, "Detail2", 16), ERptDefinition);
  EXPECT_THROW(report.AddBand(RptBandKind::Child, "Child", 16), ERptDefinition);
  EXPECT_THROW(report.AddChild(foreign, "Child", 16), ERptDefinition);
  EXPECT_THROW(report.AddGroupFooter(detail, "Footer", 16), ERptDefinition);
  EXPECT_THROW(report.AddChild(detail, "detail", 16), ERptDefinition);  // names are unique
  RptBand& group = report.AddGroup("Group", 16, {});
  report.AddGroupFooter(group, "Footer", 16);
  EXPECT_THROW(report.AddGroupFooter(group, "Footer2", 16), ERptDefinition);
}

TEST(RptGroupTest, AnOuterHeaderStaysWithTheInnerHeaderAndFirstDetail) {
  // Letter, 10 mm margins: 980.4 px a page. 60 rows of 16 px leave 20.4 px for the second
  // outer group: its 4 px header would fit with the 16 px detail (20), but not with the inner
  // 4 px header as well (24), so both headers move to page 2 together.
  RptReport report;
  report.PageSetup() = RptPageSetup::LetterPortrait().WithMargins(10, 10, 10, 10);
  RptMemoryRows rows({"Outer", "Inner"});
  for (int i = 0; i < 60; ++i) rows.Append({RptValue::Integer(1), RptValue::Integer(1)});
  rows.Append({RptValue::Integer(2), RptValue::Integer(1)});
  report.SetMaster(&rows);
  RptBand& outer = report.AddGroup("Outer", 4, report.MasterField("Outer"));
  RptBand& inner = report.AddGroup("Inner", 4, report.MasterField("Inner"));
  report.AddBand(RptBandKind::Detail, "Detail", 16);
  // Only the second outer group's headers print, so the first page holds 60 rows exactly.
  const auto onlySecond = [&](RptBand&, bool& print) {
    print = report.Source("").Field("Outer").ToInteger() == 2;
  };
  outer.OnBeforePrint(onlySecond);
  inner.OnBeforePrint(onlySecond);
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  QStringList lastBands;
  for (const RptTraceEntry& entry : model->trace)
    if (entry.printed && entry.page == 2) lastBands << entry.band;
  EXPECT_EQ(lastBands, (QStringList{"Outer", "Inner", "Detail"}));
}
