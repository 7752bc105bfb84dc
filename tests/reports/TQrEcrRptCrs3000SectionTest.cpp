// The section forms of the financial report on stored section polls: each line by its own
// test under zero skip (pair, single, value, count only, total only), the averages, the
// memo's computed lines, and captions from the register's programs where rows are there.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000FnclSection.h"

namespace {
class SectionForm : public ReportFormFixture {
protected:
  QStringList Lines(tEcrRpt& rpt, const QVariantMap& row, bool zeroSkip) {
    const std::optional<RptPageModel> model = Generate(rpt, Store(rpt, {row}), zeroSkip);
    if (!model) return {QStringLiteral("(nothing printed)")};
    return LinesBelow(*model, QStringLiteral("Description Count Amount Average"));
  }
};

struct Case {
  const char* name;
  QVariantMap row;
  bool zeroSkip;
  QStringList lines;
};
} // namespace

TEST_F(SectionForm, ReceiptsLinesTestTheirOwnFields) {
  auto& receipts = AddReport<tEcrRptCrs3000Receipts>();
  const Case cases[] = {
      {"an empty declared cash prints (value test), an empty check over/short does not",
       {{"Cash 1 Count", 2}, {"Cash 1 Total", 5.0}},
       true,
       {"Cash 1 2 $5.00 $2.50", "Cash Declare", "Cash Over or Short", "Check In Drawer $.00", "Check Declare"}},
      {"check in drawer tests its count alone, guest check redeems their totals alone",
       {{"Chk In Dwr Count", 0}, {"Chk In Dwr Total", 9.0}, {"A GC Redeem Count", 3}, {"A GC Redeem Total", 0.0},
        {"B GC Redeem Count", 0}, {"B GC Redeem Total", 4.0}, {"CA Dec Total", 0.0}, {"CA Ovr Shrt Total", 0.0},
        {"Chk Dec Total", 0.0}},
       true,
       {"B Guest Check Redeem 0 $4.00 $.00"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(receipts, c.row, c.zeroSkip), c.lines) << c.name;
}

TEST_F(SectionForm, WithoutZeroSkipEveryReceiptsLinePrintsInChainOrder) {
  auto& receipts = AddReport<tEcrRptCrs3000Receipts>();
  const QStringList lines = Lines(receipts, {}, false);
  ASSERT_EQ(lines.size(), 48);
  // An average over an empty count is 0.
  EXPECT_EQ(lines[40], QStringLiteral("Charge in Drawer $.00"));
  EXPECT_EQ(lines[41], QStringLiteral("A Guest Check Redeem $.00"));
  EXPECT_EQ(lines[42], QStringLiteral("Foreign Currency 1"));
  EXPECT_EQ(lines[47], QStringLiteral("B Guest Check Redeem $.00"));
}

TEST_F(SectionForm, MemoTimesAndAmountPerCustomer) {
  auto& memo = AddReport<tEcrRptCrs3000Memo>();
  const Case cases[] = {
      {"track 2 average time; unmasked totals; the amount per customer over no customers",
       {{"Tr2 AvgTime Count", 125}, {"Track 2 RE Count", 2}, {"NonTax Sls Total", 10.0}, {"Waste Count", 1},
        {"Waste Total", 0.0}},
       true,
       {"Non Taxable Sales $10.00", "Track 02 RE 2 $.00", "Track 02 Total Time Count 0:01:02", "Waste 1 $0.00 $.00",
        "Avg $/Cust $.00"}},
      {"a time without orders reads 0:00:00", {{"Tr1 AvgTime Count", 100}, {"Track 1 RE Count", 0}}, true,
       {"Track 01 Total Time Count 0:00:00"}},
      {"no time: held back under zero skip", {{"Tr1 AvgTime Count", 0}, {"Customers Count", 4}, {"NonTax Sls Total", 10.0}},
       true,
       {"Number of Customers Count 4", "Non Taxable Sales $10.00", "Avg $/Cust $2.50"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Lines(memo, c.row, c.zeroSkip), c.lines) << c.name;
  const QStringList all = Lines(memo, {{"Tr1 AvgTime Count", 0}}, false);
  EXPECT_TRUE(all.contains(QStringLiteral("Track 01 Total Time Count 0:00:00")));
}

TEST_F(SectionForm, SystemBalancingAndTableService) {
  auto& sysBal = AddReport<tEcrRptCrs3000SysBal>();
  EXPECT_EQ(Lines(sysBal, {{"Void Count", 3}, {"Void Total", 0.0}}, true), QStringList{"Void 3 $.00 $.00"});
  EXPECT_EQ(Lines(sysBal, {}, true), QStringList());
  auto& tables = AddReport<tEcrRptCrs3000TblSrvc>();
  const QStringList all = Lines(tables, {{"Avg Time Count", 3725}}, false);
  EXPECT_TRUE(all.contains(QStringLiteral("Average Time Total 3725")));
  EXPECT_EQ(all.last(), QStringLiteral("Debit Card $.00"));
  EXPECT_EQ(Lines(tables, {{"Avg Time Count", 3725}}, true), QStringList{"Average Time Total 3725"});
}

// Captions from report descriptors and function keys: a row that is there replaces the
// design caption even when empty; the B discounts add "(2)" to the A discounts' key.
TEST_F(SectionForm, CaptionsComeFromTheRegistersPrograms) {
  auto& sales = AddReport<tEcrRptCrs3000Sales>();
  ASSERT_TRUE(sales.ClassName() == QLatin1String("tEcrRptCrs3000Sales"));
  const QStringList plain = Lines(sales, {{"AItmDisc05 Count", 1}, {"BItmDisc05 Count", 1}}, true);
  EXPECT_EQ(plain, (QStringList{"A Item Discount 05 1 $.00", "B Item Discount 05 1 $.00"}));
}
