// The cashier and day/shift forms on polls stored in their report tables: a block a row,
// the header's test over every field of the lines, each line by its own test, the cashier's
// averages, and the day/shift's ungated major groups.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000Cashier.h"
#include "crs3000/tEcrRptCrs3000DayShift.h"

namespace {
class CashierForm : public ReportFormFixture {
protected:
  QStringList Lines(tEcrRpt& rpt, const QList<QVariantMap>& rows, bool zeroSkip) {
    const std::optional<RptPageModel> model = Generate(rpt, Store(rpt, rows), zeroSkip);
    if (!model) return {QStringLiteral("(nothing printed)")};
    return Body(*model);
  }
  // The lines under the poll header.
  static QStringList Body(const RptPageModel& model) {
    QStringList lines;
    for (const QStringList& page : PageLines(model)) lines << page;
    for (qsizetype i = 0; i < lines.size(); ++i)
      if (lines[i].startsWith(QLatin1String("Polled Reg."))) return lines.mid(i + 1);
    return lines;
  }
};

struct Case {
  const char* name;
  QVariantMap row;
  QStringList lines;
};
} // namespace

TEST_F(CashierForm, UnderZeroSkipEachLineTestsItsOwnFields) {
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  const QString header = QStringLiteral("Cashier Num Cashier Name Count Amount Average");
  const Case cases[] = {
      {"no sale alone: the header and its line", {{"Memory Number", 1}, {"No Sale Count", 3}}, {header, "1", "No Sale 3"}},
      {"a count of 0 beside a total prints, with an average of $.00",
       {{"Memory Number", 2}, {"Refund Count", 0}, {"Refund Total", 4.0}}, {header, "2", "Refund 0 $4.00 $.00"}},
      {"items per customer: 5 over 2 is $2.50",
       {{"Memory Number", 3}, {"Item Sales Count", 5}, {"Item Sales Total", 10.0}, {"Customers Count", 2}},
       {header, "3", "Item / Sales 5 $10.00 $2.00", "Customers 2", "Avg $/Item $2.00", "Avg #Item/Cust $2.50", "Avg $/Cust $.00"}},
      {"nothing there: no header, no lines", {{"Memory Number", 4}, {"Void Count", 0}}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(cashier, {c.row}, true), c.lines) << c.name;
}

// A register without print control (older ROMs) leaves the major groups ungated.
TEST_F(CashierForm, WithoutZeroSkipEveryLinePrints) {
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  const QStringList lines = Lines(cashier, {{{"Memory Number", 1}}, {{"Memory Number", 2}}}, false);
  EXPECT_EQ(lines.size(), 2 * (1 + 1 + 91)) << lines.join(u'\n').toStdString();
  EXPECT_TRUE(lines.contains(QStringLiteral("Major Group 05 $.00")));
  EXPECT_TRUE(lines.contains(QStringLiteral("G.C. Change Total")));
}

TEST_F(CashierForm, DayShiftGroupsAreUngatedAndItsChangeIsMasked) {
  auto& shifts = AddReport<tEcrRptCrs3000DayShift>();
  const std::optional<RptPageModel> model =
      Generate(shifts, Store(shifts, {{{"Day Shift Id", 1}, {"Major Group 07 Count", 2}, {"GC Change Total", 0.5}}}), true);
  ASSERT_TRUE(model);
  EXPECT_EQ(Body(*model), (QStringList{"Day Shift Num", "Count Amount Average", "1", "Major Group 07 2 $.00", "G.C. Change $.50"}));
}

TEST_F(CashierForm, ThePdfHoldsTheCashierBlock) {
  SKIP_WITHOUT_PDF_TOOLS();
  auto& cashier = AddReport<tEcrRptCrs3000Cashier>();
  const std::optional<RptPageModel> model =
      Generate(cashier, Store(cashier, {{{"Memory Number", 7}, {"Name", "ANNA"}, {"Item Sales Count", 5}, {"Item Sales Total", 10.0}, {"Customers Count", 2}}}), false);
  ASSERT_TRUE(model);
  EXPECT_EQ(Overflowing(*model), "");
  const Pdf pdf = ReadBackPdf(*model);
  QStringList all;
  for (const QStringList& page : pdf.pages) all << page;
  for (const char* line : {"Item / Sales 5 $10.00 $2.00", "Avg #Item/Cust $2.50", "7 ANNA"})
    EXPECT_TRUE(all.contains(QString::fromLatin1(line))) << line << "\n" << all.join(u'\n').toStdString();
}
