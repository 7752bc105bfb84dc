#include "RptTestReports.h"

#include <gtest/gtest.h>

using namespace RptTest;

namespace {
// Amounts 0.10, 0.20, ... 0.50 (money); the detail vetoes the rows whose Line is listed.
struct SumReport {
  RptReport report{"Sums"};
  RptMemoryRows rows = Rows({{"", 0.10}, {"", 0.20}, {"", 0.30}, {"", 0.40}, {"", 0.50}});
  QSet<qint64> vetoLines;
  SumReport() {
    RptBand& detail = RowDetail(report);
    detail.OnBeforePrint([this](RptBand&, bool& print) {
      print = !vetoLines.contains(report.Source("").Field("Line").ToInteger());
    });
    report.AddFieldSum("Total", "Amount");
    report.AddSum("Count", [] { return RptValue::Integer(1); });
    RptBand& summary = report.AddBand(RptBandKind::Summary, "Summary", 16);
    summary.AddComputed("TotalText", QRectF(0, 0, 100, 16), [this] { return report.Sum("Total"); });
    // An expression over sums: the average, 0 when nothing printed.
    summary.AddComputed("AverageText", QRectF(120, 0, 100, 16), [this] {
      const qint64 count = report.Sum("Count").ToInteger();
      return RptValue::Money(count ? report.Sum("Total").ToDouble() / double(count) : 0);
    });
    report.SetMaster(&rows);
  }
};
} // namespace

TEST(RptSumTest, SumsCoverPrintedDetailRowsOnly) {
  struct Case {
    const char* name;
    QSet<qint64> veto;
    RptValue total;
    QString summaryLine;
  };
  const Case cases[] = {
      {"all rows print", {}, RptValue::MoneyUnits(15000), "1.50         0.30"},
      {"even lines vetoed", {2, 4}, RptValue::MoneyUnits(9000), "0.90         0.30"},
      {"first and last vetoed", {1, 5}, RptValue::MoneyUnits(9000), "0.90         0.30"},
      {"all vetoed: zero, not the last total", {1, 2, 3, 4, 5}, RptValue::Integer(0), "0            0.00"},
  };
  SumReport f;  // one definition generated again and again: each run starts from zero
  for (const Case& c : cases) {
    f.vetoLines = c.veto;
    const auto model = f.report.Generate();
    ASSERT_TRUE(model) << c.name;
    EXPECT_EQ(f.report.Sum("Total"), c.total) << c.name;
    EXPECT_EQ(Lines(*model).last(), c.summaryLine) << c.name;
  }
}

TEST(RptSumTest, MoneySumsStayExact) {
  RptReport report;
  RptMemoryRows rows({"Amount"});
  for (int i = 0; i < 1000; ++i) rows.Append({RptValue::Money(0.01)});
  report.SetMaster(&rows);
  report.AddBand(RptBandKind::Detail, "Detail", 0);
  report.AddFieldSum("Total", "Amount");
  ASSERT_TRUE(report.Generate());
  EXPECT_EQ(report.Sum("Total"), RptValue::MoneyUnits(100000));
}

TEST(RptSumTest, NullsAddNothingAndKindsWiden) {
  struct Case {
    const char* name;
    QList<RptValue> values;
    RptValue total;
  };
  const Case cases[] = {
      {"nulls only", {RptValue(), RptValue()}, RptValue::Integer(0)},
      {"integers", {RptValue::Integer(2), RptValue(), RptValue::Integer(3)}, RptValue::Integer(5)},
      {"integer and money", {RptValue::Integer(2), RptValue::Money(0.25)}, RptValue::MoneyUnits(22500)},
      {"money and float", {RptValue::Money(1.5), RptValue::Float(0.25)}, RptValue::Float(1.75)},
  };
  for (const Case& c : cases) {
    RptReport report;
    RptMemoryRows rows({"V"});
    for (const RptValue& value : c.values) rows.Append({value});
    report.SetMaster(&rows);
    report.AddBand(RptBandKind::Detail, "Detail", 0);
    report.AddFieldSum("Total", "V");
    ASSERT_TRUE(report.Generate()) << c.name;
    EXPECT_EQ(report.Sum("Total"), c.total) << c.name;
  }
}

TEST(RptSumTest, ASumFedByAnotherBandCountsThatBandsPrints) {
  SumReport f;
  RptBand& child = f.report.AddChild(f.report.Band("Detail"), "Child", 16);
  child.OnBeforePrint([&](RptBand&, bool& print) {
    print = f.report.Source("").Field("Line").ToInteger() != 3;
  });
  f.report.AddSum("ChildTotal", [&f] { return f.report.Source("").Field("Amount"); }, nullptr, &child);
  ASSERT_TRUE(f.report.Generate());
  EXPECT_EQ(f.report.Sum("ChildTotal"), RptValue::MoneyUnits(12000));
  EXPECT_THROW(f.report.Sum("NoSuchSum"), Exception);
}
