#include "RptTestReports.h"

#include "platform/sys/Clock.h"

#include <gtest/gtest.h>

using namespace RptTest;

namespace {
const RptItem* ItemOf(const RptPage& page, const QString& element) {
  for (const RptItem& item : page.items)
    if (item.element == element) return &item;
  return nullptr;
}
} // namespace

TEST(RptElementTest, ElementsAreFoundByNameInAnyBand) {
  RptReport report("Mix");
  RptBand& title = report.AddBand(RptBandKind::Title, "Title", 16);
  RptBand& detail = report.AddBand(RptBandKind::Detail, "Detail", 16);
  for (int n = 1; n <= 3; ++n) detail.AddLabel(QString("Prd%1").arg(n), QRectF(0, 0, 50, 16), "-");
  title.AddLabel("Heading", QRectF(0, 0, 50, 16), "x");
  EXPECT_EQ(&report.Element("prd2"), detail.FindElement("Prd2"));
  EXPECT_EQ(&report.Element("HEADING"), title.FindElement("Heading"));
  EXPECT_EQ(report.FindElement("Prd4"), nullptr);
  EXPECT_THROW(report.Element("Prd4"), ERptNameNotFound);
  EXPECT_THROW(report.Band("Nope"), ERptNameNotFound);
}

TEST(RptElementTest, RunTimeChangesShowWhereTheBandPrints) {
  RptReport report("Changes");
  RptMemoryRows rows = NumberedRows(3);
  report.SetMaster(&rows);
  RptBand& detail = RowDetail(report);
  detail.AddLabel("Note", QRectF(200, 0, 100, 16), "design");
  detail.AddLabel("Hidden", QRectF(300, 0, 100, 16), "hidden");
  // Row 2 renames the label for the rest of the run; row 3 moves it and hides another.
  detail.OnBeforePrint([&](RptBand& band, bool&) {
    const qint64 line = report.Source("").Field("Line").ToInteger();
    if (line == 2) band.FindElement("Note")->SetCaption("changed");
    if (line == 3) {
      report.Element("Note").MoveTo(96, 0);
      report.Element("RowCaption").SetEnabled(false);
    }
  });
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(Lines(*model), (QStringList{"row  1               design    hidden",
                                         "row  2               changed   hidden",
                                         "     3    changed              hidden"}));
}

TEST(RptElementTest, ItemsArePlacedInMillimetresFromThePaperCorner) {
  RptReport report;
  report.PageSetup() = RptPageSetup::Custom(101.6, 1549.4).WithMargins(3.81, 10, 10, 9.906);
  RptBand& title = report.AddBand(RptBandKind::Title, "Title", 48);
  title.SetFrame(RptFrameBottom);
  RptFont big{"Sans Serif", 18, true, true};
  title.AddLabel("Caption", QRectF(96, 24, 192, 24), "Heading").SetFont(big).SetAlign(RptAlign::Center);
  RptBand& detail = report.AddBand(RptBandKind::Detail, "Detail", 20);
  detail.AddShape("Rule", QRectF(0, 10, 300, 0), RptFrameTop);
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  const RptPage& page = model->pages.first();
  const RptItem* caption = ItemOf(page, "Caption");
  ASSERT_TRUE(caption);
  EXPECT_EQ(caption->rectMm, QRectF(3.81 + 25.4, 10 + 6.35, 50.8, 6.35));
  EXPECT_EQ(caption->font, big);
  EXPECT_EQ(caption->align, RptAlign::Center);
  const RptItem* rule = ItemOf(page, "Rule");
  ASSERT_TRUE(rule);
  EXPECT_EQ(rule->rectMm, QRectF(3.81, 10 + 12.7 + 2.645833333333333, 79.375, 0));
  EXPECT_EQ(rule->frame, unsigned(RptFrameTop));
  // The band's frame spans the printable width.
  const RptItem& frame = page.items.first();
  EXPECT_TRUE(frame.element.isEmpty());
  EXPECT_EQ(frame.rectMm, QRectF(3.81, 10, 101.6 - 13.81, 12.7));
  EXPECT_EQ(frame.frame, unsigned(RptFrameBottom));
}

TEST(RptElementTest, DataTextsReadTheirSourceWhenTheBandPrints) {
  RptReport report;
  RptMemoryRows rows = NumberedRows(2);
  RptMemoryRows names({"Number", "Name"}, {{RptValue::Integer(1), RptValue::Text("One")},
                                           {RptValue::Integer(2), RptValue::Text("Two")}});
  report.SetMaster(&rows);
  report.Bind("Names", &names);
  RptBand& detail = RowDetail(report);
  detail.AddDataText("Name", QRectF(96, 0, 96, 16), "NAMES", "name");
  detail.AddDataText("Unbound", QRectF(192, 0, 96, 16), "Programs", "Descriptor");
  detail.AddDataText("Missing", QRectF(288, 0, 96, 16), "Names", "No Such Field");
  // The handler positions the look-up by the master row's key.
  detail.OnBeforePrint([&](RptBand&, bool&) { names.Locate("Number", report.Source("").Field("Line")); });
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(Lines(*model), (QStringList{"row  1    One", "row  2    Two"}));
  EXPECT_TRUE(report.Source("Programs").AtEnd());
  EXPECT_TRUE(report.Source("Programs").Field("Descriptor").IsNull());
}

TEST(RptElementTest, SystemDataAndTheFormatter) {
  FakeClock clock(QDateTime(QDate(2026, 3, 4), QTime(13, 5, 6)));
  ScopedClock scoped(clock);
  RptReport report;
  report.SetTitle("Daily Report");
  RptBand& title = report.AddBand(RptBandKind::Title, "Title", 80);
  title.AddSystemData("T", QRectF(0, 0, 300, 16), RptSystemData::Title);
  title.AddSystemData("D", QRectF(0, 16, 300, 16), RptSystemData::DatePrinted, "Date Printed: ");
  title.AddSystemData("H", QRectF(0, 32, 300, 16), RptSystemData::TimePrinted);
  title.AddSystemData("DT", QRectF(0, 48, 300, 16), RptSystemData::DateTimePrinted);
  title.AddSystemData("P", QRectF(0, 64, 300, 16), RptSystemData::PageNumber, "Page ");
  title.AddComputed("M", QRectF(300, 0, 100, 16), [] { return RptValue::Money(0.5); }, "$#.00");
  auto model = report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->title, "Daily Report");
  EXPECT_EQ(Lines(*model), (QStringList{"Daily Report                   0.50", "Date Printed: 2026-03-04",
                                         "13:05:06", "2026-03-04 13:05:06", "Page 1"}));
  // A formatter gets the value and the element's picture.
  QStringList seen;
  report.SetFormatter([&](const RptValue& value, const QString& mask) {
    seen << mask;
    return mask.isEmpty() ? RptPlainText(value, mask) : QString("[%1]").arg(value.ToDouble());
  });
  model = report.Generate();
  ASSERT_TRUE(model);
  EXPECT_EQ(Lines(*model).first(), QString("Daily Report                   [0.5]"));
  EXPECT_TRUE(seen.contains("$#.00"));
}

TEST(RptElementTest, NullPrintsNothingWhateverTheFormatter) {
  RptReport report;
  report.SetFormatter([](const RptValue&, const QString&) { return QString("formatted"); });
  RptBand& title = report.AddBand(RptBandKind::Title, "Title", 16);
  title.AddDataText("Unbound", QRectF(0, 0, 96, 16), "Programs", "Descriptor", "$#.00");
  title.AddComputed("NullComputed", QRectF(96, 0, 96, 16), [] { return RptValue(); });
  title.AddComputed("Zero", QRectF(192, 0, 96, 16), [] { return RptValue::Integer(0); });
  const auto model = report.Generate();
  ASSERT_TRUE(model);
  ASSERT_EQ(model->pages.first().items.size(), 1);
  EXPECT_EQ(model->pages.first().items.first().element, "Zero");
}
