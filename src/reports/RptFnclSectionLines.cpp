#include "reports/RptFnclSectionLines.h"

namespace {
constexpr auto D = RptCaptionSource::Descriptor;
constexpr auto F = RptCaptionSource::FunctionKey;
constexpr auto X = RptCaptionSource::Fixed;
constexpr auto P = RptLineTest::Pair;
constexpr auto S = RptLineTest::Single;
constexpr auto V = RptLineTest::Value;
constexpr auto TO = RptLineTest::TotalOnly;
constexpr auto VC = RptLineTest::ValueCount;
constexpr auto CU = RptLineTest::Custom;

constexpr auto One = RptOneLine;

const RptLineRun kSales[] = {
    One("DetailBand1", "Item Sales", D, 1, "Item Sales Count", "Item Sales Total", true, P),
    One("ChildBand1", "Net Coupon", D, 2, "Net Coupon Count", "Net Coupon Total", true, P),
    {10, "ChildBand%1", 2, "A Item Discount %1", 1, 2, F, 84, "", "AItmDisc%1 Count", "AItmDisc%1 Total", 1, 2, true, P},
    One("ChildBand12", "Negative PLU Item", D, 3, "PLU Item Count", "PLU Item Total", true, P),
    One("ChildBand13", "Adjusted PLU", D, 4, nullptr, "Adjust PLU Total", false, S),
    One("ChildBand14", "Vendor Coupon", D, 5, "Ven Coupon Count", "Ven Coupon Total", true, P),
    {10, "ChildBand%1", 15, "B Item Discount %1", 1, 2, F, 84, "(2)", "BItmDisc%1 Count", "BItmDisc%1 Total", 1, 2, true, P},
    {5, "ChildBand%1", 25, "Subtotal Discount %1", 1, 2, F, 98, "", "St Disc%1 Count", "St Disc%1 Total", 1, 1, true, P},
    One("ChildBand30", "Net Sales", D, 6, nullptr, "Net Sales Total", false, S),
    {4, "ChildBand%1", 31, "Tax %1", 1, 2, D, 7, "", nullptr, "Tax %1 Total", 1, 1, false, S},
    {5, "ChildBand%1", 36, "Subtotal Add-On %1", 1, 2, F, 104, "", "St Add On %1 Count", "St Add On %1 Total", 1, 1, true, P},
    {3, "ChildBand%1", 41, "Guest Check Sold %1", 1, 1, D, 92, "", "GC Sold %1 Count", "GC Sold %1 Total", 1, 1, true, P},
    One("ChildBand44", "Promotional Item", D, 11, "Promo Item Count", "Promo Item Total", true, P),
    One("ChildBand45", "Promo Sale Item", D, 12, "PrmoItmSale Count", "PrmoItmSale Total", true, P),
    One("ChildBand46", "Gross Sales", D, 13, nullptr, "Gross Sales Total", false, S),
    One("ChildBand47", "Yesterday Grand Total", D, 14, nullptr, "Ystrday Gr Total", false, S),
    One("ChildBand48", "Gross Sales Grand Total", D, 15, nullptr, "GS Grand Total", false, S),
};

const RptLineRun kReceipts[] = {
    One("DetailBand1", "Cash 1", F, 113, "Cash 1 Count", "Cash 1 Total", true, P),
    {4, "ChildBand%1", 2, "Cash %1", 2, 1, F, 114, "", "Cash %1 Count", "Cash %1 Total", 2, 1, true, P},
    {5, "ChildBand%1", 6, "Check %1", 1, 1, F, 123, "", "Check %1 Count", "Check %1 Total", 1, 1, true, P},
    {10, "ChildBand%1", 11, "Charge %1", 1, 2, F, 128, "", "Charge %1 Count", "Charge %1 Total", 1, 2, true, P},
    One("ChildBand21", "Gross Sales", D, 13, nullptr, "Gross Sales Total", false, S),
    {5, "ChildBand%1", 22, "Received Account %1", 1, 1, F, 152, "", "Recd Acct %1 Count", "Recd Acct %1 Total", 1, 1, true, P},
    {8, "ChildBand%1", 27, "Paid Out %1", 1, 1, F, 144, "", "Paid Out %1 Count", "Paid Out %1 Total", 1, 1, true, P},
    One("ChildBand35", "Cash In Drawer", D, 17, "CA In Dwr Count", "CA In Dwr Total", true, P),
    One("ChildBand36", "Cash Declare", D, 18, nullptr, "CA Dec Total", false, V),
    One("ChildBand37", "Cash Over or Short", D, 19, nullptr, "CA Ovr Shrt Total", false, V),
    One("ChildBand38", "Check In Drawer", D, 20, "Chk In Dwr Count", "Chk In Dwr Total", true, VC),
    One("ChildBand39", "Check Declare", D, 21, nullptr, "Chk Dec Total", false, V),
    One("ChildBand40", "Check Over Or Short", D, 19, nullptr, "Chk Ovr Shrt Total", false, S),
    One("ChildBand41", "Charge in Drawer", D, 22, "Chg In Dwr Count", "Chg In Dwr Total", true, P),
    One("ChildBand1", "A Guest Check Redeem", D, 16, "A GC Redeem Count", "A GC Redeem Total", true, TO),
    {5, "ChildBand%1", 42, "Foreign Currency %1", 1, 1, F, 138, "", nullptr, "Frgn Curr %1 Total", 1, 1, false, S},
    One("ChildBand47", "B Guest Check Redeem", D, 16, "B GC Redeem Count", "B GC Redeem Total", true, TO),
};

// Lines 17 and 20 (the tracks' average times) and 24 (the amount per customer) are the
// form's own (RptFnclMemoLines).
const RptLineRun kMemo[] = {
    One("DetailBand1", "Number of Customers Count", D, 23, "Customers Count", nullptr, false, S),
    One("ChildBand1", "Number", F, 56, "Number Count", "Number Total", true, P),
    One("ChildBand2", "Number of Guests", F, 57, "Guests Count", "Guests Total", true, P),
    One("ChildBand3", "No Sale", F, 143, "No Sale Count", nullptr, false, S),
    One("ChildBand4", "No Sales Tax", D, 24, "No Tax Sls Count", "No Tax Sls Total", true, P),
    One("ChildBand5", "Non Taxable Sales", D, 25, nullptr, "NonTax Sls Total", false, S),
    {4, "ChildBand%1", 6, "Sales Tax %1", 1, 2, D, 26, "", nullptr, "Sales Tax %1 Total", 1, 1, false, S},
    One("ChildBand10", "Eat In Sales", D, 30, "Eat In Sls Count", "Eat In Sls Total", true, P),
    One("ChildBand11", "Take Out Sales", D, 31, "TakeOut Sls Count", "TakeOut Sls Total", true, P),
    One("ChildBand12", "Track 01 Sales", D, 32, "Track1 Sls Count", "Track1 Sls Total", true, P),
    One("ChildBand13", "Track 02 Sales", D, 33, "Track2 Sls Count", "Track2 Sls Total", true, P),
    One("ChildBand14", "Track 01 ST ", F, 270, "Track 1 ST Count", "Track 1 ST Total", true, P),
    One("ChildBand15", "Track 01 RE", F, 271, "Track 1 RE Count", "Track 1 RE Total", true, P),
    One("ChildBand16", "Track 01 Total Time Count", X, 0, nullptr, nullptr, false, CU),
    One("ChildBand17", "Track 02 ST", F, 272, "Track 2 ST Count", "Track 2 ST Total", true, P),
    One("ChildBand18", "Track 02 RE", F, 273, "Track 2 RE Count", "Track 2 RE Total", true, P),
    One("ChildBand19", "Track 02 Total Time Count", X, 0, nullptr, nullptr, false, CU),
    One("ChildBand20", "Waste", D, 36, "Waste Count", "Waste Total", true, P),
    One("ChildBand21", "Price Change", D, 37, "Pr Change Count", nullptr, false, S),
    One("ChildBand22", "Coupon Transaction", D, 42, "Cpn Trans Count", "Cpn Trans Total", true, P),
    One("ChildBand23", "Avg $/Cust", X, 0, nullptr, nullptr, false, CU),
};

const RptLineRun kSysBal[] = {
    One("DetailBand1", "Gross Sales Total", D, 13, nullptr, "Gross Sales Total", false, S),
    One("ChildBand1", "Coupon", D, 45, "Coupon Count", "Coupon Total", true, P),
    One("ChildBand2", "Discount", D, 46, "Discount Count", "Discount Total", true, P),
    One("ChildBand3", "Refund", F, 35, "Refund Count", "Refund Total", true, P),
    One("ChildBand4", "Error Correct", D, 47, "Error Cor Count", "Error Cor Total", true, P),
    One("ChildBand5", "Void", F, 31, "Void Count", "Void Total", true, P),
    One("ChildBand6", "Cancel", F, 34, "Cancel Count", "Cancel Total", true, P),
    One("ChildBand7", "Transaction Void", F, 36, "Trans Void Count", "Trans Void Total", true, P),
    One("ChildBand8", "Negative PLU Item", D, 48, "PLU Count", "PLU Total", true, P),
    One("ChildBand9", "Negative Tax", D, 49, "Negative Tax Count", "Negative Tax Total", true, P),
    One("ChildBand10", "Negative Sales", D, 50, "Neg Sales Count", "Neg Sales Total", true, P),
    One("ChildBand11", "Daily Gross Total", D, 51, nullptr, "Daily Gross Total", false, S),
    One("ChildBand12", "Yesterday Gross Total", D, 14, nullptr, "YesterdayGr Total", false, S),
    One("ChildBand13", "Non Reset Gross Total", D, 52, nullptr, "NonReset Gr Total", false, S),
    One("ChildBand14", "Training Gross", D, 53, "Training Gr Count", "Training Gr Total", true, P),
};

const RptLineRun kTblSrvc[] = {
    One("DetailBand1", "Number of Guests", D, 67, "Guest Count", nullptr, false, S),
    One("ChildBand1", "Begin Check", D, 71, "Begin Check Count", nullptr, false, S),
    One("ChildBand2", "Service", D, 72, "Service Count", "Service Total", true, P),
    One("ChildBand3", "Transfer In", D, 73, "Transfer In Count", "Transfer In Total", true, P),
    One("ChildBand4", "Transfer Out", D, 74, "Transfer Out Count", "Transfer Out Total", true, P),
    One("ChildBand5", "Paid Check", D, 75, "Paid Check Count", "Paid Check Total", true, P),
    One("ChildBand6", "Estimated Tips Total", D, 76, nullptr, "Est Tips Total", false, S),
    One("ChildBand7", "Gross Charge Tips Total", D, 78, "Gr Chg Tips Count", "Gr Chg Tips Total", true, P),
    One("ChildBand8", "Credit Card Tips Fee Total", D, 79, nullptr, "CC Tips Fee Total", false, S),
    One("ChildBand9", "Net Charge Tips Total", D, 80, nullptr, "NetChg Tips Total", false, S),
    One("ChildBand10", "Cash Tips", D, 77, "Cash Tips Count", "Cash Tips Total", true, P),
    One("ChildBand11", "Tips Total", D, 82, nullptr, "All Tips Total", false, S),
    One("ChildBand12", "Charge Tips P/O", D, 81, "ChgTips PO Count", "ChgTips PO Total", true, P),
    One("ChildBand13", "Average Time Total", X, 0, "Avg Time Count", nullptr, false, S),
    One("ChildBand14", "Round Account Total", D, 84, nullptr, "Round Acc Total", false, S),
    One("ChildBand15", "Daily Edit Count", D, 85, "Daily Edit Count", nullptr, false, S),
    One("ChildBand16", "Weekly Edit Count", D, 86, "Weekly Edit Count", nullptr, false, S),
    One("ChildBand17", "Period Edit Count", D, 87, "Period Edit Count", nullptr, false, S),
    One("ChildBand18", "Cash Deposit", D, 88, "Cash Dep Count", "Cash Dep Total", true, P),
    One("ChildBand19", "Deposit Unused", D, 91, "Dep Unused Count", "Dep Unused Total", true, P),
    One("ChildBand20", "G.C. Change Total", X, 0, nullptr, "GC Change Total", false, S),
    One("ChildBand21", "Debit Card", X, 0, "Debit Card Count", "Debit Card Total", true, P),
};

const std::span<const RptLineRun> kSections[] = {kSales, kReceipts, kMemo, kSysBal, kTblSrvc};

// The financial form's chain: the sales lines keep their bands but the first; the others
// take the next band numbers of each section.
const int kFinancialFirstBand[] = {162, 49, 97, 121, 136};

QList<RptLineSpec> Financial(int section) {
  QList<RptLineSpec> lines = RptExpandLines(kSections[section]);
  for (int i = 0; i < lines.size(); ++i) {
    RptLineSpec& line = lines[i];
    if (line.test != RptLineTest::Custom) line.test = RptLineTest::Pair;
    if (section == RptFnclSectionLines::kSales) {
      if (i == 0) line.band = QStringLiteral("ChildBand162");
      continue;
    }
    line.band = QStringLiteral("ChildBand%1").arg(kFinancialFirstBand[section] + i);
    line.source = RptCaptionSource::Fixed;
    line.number = 0;
  }
  return lines;
}
} // namespace

const QList<RptLineSpec>& RptFnclSectionLines::SectionForm(int section) {
  static const QList<RptLineSpec> lines[] = {RptExpandLines(kSections[kSales]), RptExpandLines(kSections[kReceipts]),
                                            RptExpandLines(kSections[kMemo]), RptExpandLines(kSections[kSysBal]),
                                            RptExpandLines(kSections[kTblSrvc])};
  return lines[section];
}

const QList<RptLineSpec>& RptFnclSectionLines::FinancialForm(int section) {
  static const QList<RptLineSpec> lines[] = {Financial(kSales), Financial(kReceipts), Financial(kMemo), Financial(kSysBal),
                                            Financial(kTblSrvc)};
  return lines[section];
}
