#include "reports/RptCshrLines.h"

namespace {
constexpr auto D = RptCaptionSource::Descriptor;
constexpr auto F = RptCaptionSource::FunctionKey;
constexpr auto G = RptCaptionSource::MajorGroup;
constexpr auto X = RptCaptionSource::Fixed;
constexpr auto P = RptLineTest::Pair;
constexpr auto S = RptLineTest::Single;
constexpr auto GT = RptLineTest::Gated;
constexpr auto CU = RptLineTest::Custom;

// A line of a count and a total with its average, and a line of one field.
constexpr RptLineRun Pair(const char* band, const char* caption, RptCaptionSource source, int number, const char* field) {
  return RptOneLine(band, caption, source, number, field, nullptr, true, P);
}
constexpr RptLineRun One(const char* band, const char* caption, RptCaptionSource source, int number, const char* count,
                         const char* total) {
  return RptOneLine(band, caption, source, number, count, total, false, S);
}

// Lines 1 to 35 (the foreign currencies' captions are the form's own) and 56 to 87; the
// major groups between them. Pair lines name their count; the total is its twin.
const RptLineRun kHead[] = {
    Pair("qrbItemSales", "Item / Sales", D, 1, "Item Sales"),
    Pair("qrbPLUItem", "PLU Item Total", D, 3, "PLU Item"),
    Pair("qrbCoupon", "Coupon", D, 45, "Coupon"),
    Pair("qrbDiscount", "Discount", D, 46, "Discount"),
    One("qrbNetSales", "Net Sales Total", D, 6, nullptr, "Net Sales Total"),
    One("qrbTaxTotal", "Tax Total", D, 55, nullptr, "Tax Total"),
    Pair("qrbSubtotalPercent", "Subtotal Percent", D, 56, "Subtotal Percent"),
    Pair("qrbGuestCheck", "Guest Check Sold", D, 57, "Guest Check Sold"),
    Pair("qrbPromotion", "Promotion", D, 58, "Promotion"),
    One("qrbGrossSales", "Gross Sales", D, 13, nullptr, "Gross Sales Total"),
    One("qrbNoSale", "No Sale", X, 0, "No Sale Count", nullptr),
    One("qrbCustomer", "Customers", D, 23, "Customers Count", nullptr),
    One("qrbNumGuests", "Number of Guests", D, 67, "Number of Guest Count", nullptr),
    Pair("qrbRefund", "Refund", F, 35, "Refund"),
    Pair("qrbErrorCorrect", "Error Correct", D, 47, "Error Correct"),
    Pair("qrbVoid", "Void", F, 31, "Void"),
    Pair("qrbCancel", "Cancel", F, 34, "Cancel"),
    Pair("qrbTransactionVoid", "Transaction Void", F, 36, "Transaction Void"),
    Pair("qrbNegativeSales", "Negative Sales", D, 50, "Negative Sales"),
    Pair("qrbWaste", "Waste", D, 36, "Waste"),
    Pair("qrbReceivedAcct", "Received Account", D, 60, "Received Account"),
    Pair("qrbPaidOut", "Paid Out", D, 61, "Paid Out"),
    Pair("qrbCashDrawer", "Cash Drawer", D, 62, "Cash Drawer"),
    One("qrbCashDeclare", "Cash Declare", D, 18, nullptr, "Cash Drawer Declare"),
    One("qrbOverShort", "Cash Over/Short", D, 19, nullptr, "Cash Over Short Total"),
    Pair("qrbCheckDrawer", "Check Drawer", D, 63, "Check Drawer"),
    One("qrbCheckDeclare", "Check Declare", D, 21, nullptr, "Check Drawer Declare"),
    One("qrbCheckOverShort", "Check Over/Short", D, 19, nullptr, "Check Over Short Total"),
    Pair("qrbChargeDrawer", "Charge Drawer", D, 64, "Charge Drawer"),
};
const RptLineRun kCashierCurrencies[] = {
    {5, "qrbForeignCurr0%1", 1, "Foreign Currency %1", 1, 1, F, 138, "", nullptr, "Foreign Currency %1 Total", 1, 1, false, S}};
const RptLineRun kShiftCurrencies[] = {
    {5, "qrbForeignCurr0%1", 1, "Foreign Currency %1", 1, 2, F, 138, "", nullptr, "Foreign Currency %1 Total", 1, 1, false, S}};
const RptLineRun kRedeem[] = {Pair("qrbGuestChkRedeem", "Guest Check Redeem", D, 16, "Guest Check Redeem")};
const RptLineRun kGroups[] = {
    {9, "qrbMajorGrp0%1", 1, "Major Group %1", 1, 2, G, 1, "", "Major Group %1 Count", "Major Group %1 Total", 1, 2, true, GT},
    {11, "qrbMajorGrp%1", 10, "Major Group %1", 10, 2, G, 10, "", "Major Group %1 Count", "Major Group %1 Total", 10, 2, true, GT},
};
const RptLineRun kTail[] = {
    Pair("qrbMajorGrp", "Major Group", D, 65, "Major Group"),
    One("qrbNumGuest", "Number of Guests", D, 67, "Number of Guest Count", nullptr),
    One("qrbBeginCheck", "Begin Check", D, 71, "Begin Check Count", nullptr),
    Pair("qrbService", "Service", D, 72, "Service"),
    Pair("qrbTransferIn", "Transfer In", D, 73, "Transfer In"),
    Pair("qrbTransferOut", "Transfer Out", D, 74, "Transfer Out"),
    Pair("qrbPaidCheck", "Paid Check", D, 75, "Paid Check"),
    Pair("qrbOpenChecks", "Open Checks", D, 66, "Open Checks"),
    Pair("qrbTakeOutSales", "Take Out Sales", D, 31, "Take Out Sales"),
    One("qrbEstimatedTips", "Estimated Tips", D, 76, nullptr, "Estimated Tips Total"),
    Pair("qrbGrossChargeTips", "Gross Charge Tips", D, 78, "Gross Charge Tips"),
    One("qrbCCTipsFee", "Credit Card Tips Fee", D, 79, nullptr, "CC Tips Fee Total"),
    One("qrbNetChargeTips", "Net Charge Tips", D, 80, nullptr, "Net Charge Tips Total"),
    Pair("qrbCashTips", "Cash Tips", D, 77, "Cash Tips"),
    One("qrbTotalTips", "Total Tips", D, 82, nullptr, "All Tips Total"),
    Pair("qrbChargeTipsPO", "Charge Tips P/O", D, 81, "Charge Tips PO"),
    {9, "qrbCharge0%1", 1, "Charge %1", 1, 2, F, 128, "", "Charge %1 Count", "Charge %1 Total", 1, 2, true, P},
    {1, "qrbCharge10", 0, "Charge 10", 0, 0, F, 137, "", "Charge 10 Count", "Charge 10 Total", 0, 0, true, P},
    One("qrbRoundAccount", "Round Account", D, 84, nullptr, "Round Account Total"),
    One("qrbDailyEdit", "Daily Edit", D, 85, "Daily Edit Count", nullptr),
    One("qrbWeeklyEdit", "Weekly Edit", D, 86, "Weekly Edit Count", nullptr),
    One("qrbPeriodEdit", "Period Edit", D, 87, "Period Edit Count", nullptr),
    Pair("qrbCashDeposit", "Cash Deposit", D, 88, "Cash Deposit"),
    Pair("qrbDepositUnused", "Deposit Unused", D, 91, "Deposit Unused"),
};
// The cashier's G.C. change prints its money unmasked; the averages are the form's own.
const RptLineRun kCashierEnd[] = {
    One("QRChildBand1", "G.C. Change Total", X, 0, nullptr, "GC Change Total"),
    {1, "ChildBand1", 0, "Avg $/Item", 0, 0, X, 0, "", nullptr, nullptr, 0, 0, false, CU},
    {1, "ChildBand2", 0, "Avg #Item/Cust", 0, 0, X, 0, "", nullptr, nullptr, 0, 0, false, CU},
    {1, "ChildBand3", 0, "Avg $/Cust", 0, 0, X, 0, "", nullptr, nullptr, 0, 0, false, CU},
};
const RptLineRun kShiftEnd[] = {One("qrbGC", "G.C. Change", X, 0, nullptr, "GC Change Total")};

// A pair line's total is its count's twin.
QList<RptLineSpec> Expanded(std::span<const RptLineRun> runs) {
  QList<RptLineSpec> lines = RptExpandLines(runs);
  for (RptLineSpec& line : lines)
    if (line.test == P && line.total.isEmpty() && !line.count.endsWith(QLatin1String(" Count"))) {
      line.total = line.count + QStringLiteral(" Total");
      line.count += QStringLiteral(" Count");
    }
  return lines;
}

QList<RptLineSpec> Lines(bool cashier) {
  QList<RptLineSpec> lines = Expanded(kHead);
  lines << Expanded(cashier ? std::span<const RptLineRun>(kCashierCurrencies) : std::span<const RptLineRun>(kShiftCurrencies));
  lines << Expanded(kRedeem);
  QList<RptLineSpec> groups = Expanded(kGroups);
  if (!cashier)
    for (RptLineSpec& group : groups) group.test = P;
  lines << groups << Expanded(kTail);
  lines << Expanded(cashier ? std::span<const RptLineRun>(kCashierEnd) : std::span<const RptLineRun>(kShiftEnd));
  return lines;
}
} // namespace

const QList<RptLineSpec>& RptCshrLines::Cashier() {
  static const QList<RptLineSpec> lines = Lines(true);
  return lines;
}

const QList<RptLineSpec>& RptCshrLines::DayShift() {
  static const QList<RptLineSpec> lines = Lines(false);
  return lines;
}
