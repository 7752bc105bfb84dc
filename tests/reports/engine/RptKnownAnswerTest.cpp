// The texts the report forms must print, each row named after the form or the figure it
// comes from, under the United States conventions every report is pinned to in tests.
#include "reports/engine/RptDateTimeText.h"
#include "reports/engine/RptFigureText.h"
#include "reports/engine/RptFormat.h"
#include "reports/engine/RptNumberText.h"
#include "reports/engine/RptPictureMask.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {
const RptLocale kUs = RptLocale::UnitedStates();
const QString kMoney = QStringLiteral("$###,###,###.00");

struct KnownAnswer {
  const char* name;
  std::function<QString()> text;
  const char* expected;
};

void PrintTo(const KnownAnswer& row, std::ostream* out) { *out << row.name; }

QString Mask(const QString& mask, double value) { return RptPictureMask::Format(mask, value, kUs); }
QString Currency(double value, int digits = 15) { return RptNumberText::Currency(value, kUs, digits); }
QString Share(double total, double grandTotal) { return RptFigureText::SharePercent(total, grandTotal, kUs); }
QString Time(int h, int m, int s = 0) { return RptDateTimeText::LongTime(QTime(h, m, s), kUs); }
QString Track(int64_t seconds, int64_t count, RptFigureText::TrackTimeStyle style) {
  return RptFigureText::TrackTime(seconds, count, style);
}
QString Cents(int64_t cents) { return Currency(double(cents) / 100, 8); }
constexpr auto kPadded = RptFigureText::TrackTimeStyle::Padded;
constexpr auto kPlain = RptFigureText::TrackTimeStyle::Plain;

const KnownAnswer kRows[] = {
    // Amounts under the money picture: no digit before the point below one dollar.
    {"MoneyMask_PluAmountOfFiftyCents", [] { return Mask(kMoney, 0.5); }, "$.50"},
    {"MoneyMask_ZeroAmount", [] { return Mask(kMoney, 0); }, "$.00"},
    {"MoneyMask_FinancialAmount1234_5", [] { return Mask(kMoney, 1234.5); }, "$1,234.50"},
    {"MoneyMask_SalesLaborAverageSale", [] { return Mask(kMoney, 200.00 / 10); }, "$20.00"},
    {"MoneyMask_SalesLaborSalesPerHour", [] { return Mask(kMoney, 200.00 / 4); }, "$50.00"},
    {"MoneyMask_AverageOverAZeroCount", [] { return Mask(kMoney, 0); }, "$.00"},
    // The literal percent sign of the percentage pictures (no scaling by 100).
    {"PercentMask_SalesLaborLaborShare25", [] { return Mask(QStringLiteral("####.0%"), 50.0 / 200 * 100); }, "25.0%"},
    {"PercentMask_SalesLaborZeroTotal", [] { return Mask(QStringLiteral("####.0%"), 0); }, ".0%"},
    {"PercentMask_MajorGroupPercentZero", [] { return Mask(QStringLiteral("0.00%"), 0); }, "0.00%"},
    {"PercentMask_MajorGroupPercent3_5", [] { return Mask(QStringLiteral("0.00%"), 3.5); }, "3.50%"},
    // The other pictures of the forms.
    {"AverageMask_ProductMixAverageZero", [] { return Mask(QStringLiteral("###.00"), 0); }, ".00"},
    {"HoursMask_SalesLaborFourHours", [] { return Mask(QStringLiteral("#,###,###.000"), 4); }, "4.000"},
    {"PlainMask_SalesLaborPerCustomer", [] { return Mask(QStringLiteral("#,###,###.00"), 50.0 / 10); }, "5.00"},
    {"PlainMask_SalesLaborPerCustomerZero", [] { return Mask(QStringLiteral("#,###,###.00"), 0); }, ".00"},
    {"PlainMask_Grouping1234_5", [] { return Mask(QStringLiteral("#,###,###.00"), 1234.5); }, "1,234.50"},
    {"JobCodeMask_TwoPlaces", [] { return Mask(QStringLiteral("##"), 7); }, "7"},
    // Currency text of computed averages and of money fields without a picture.
    {"Currency_FinancialAverageZero", [] { return Currency(0, 10); }, "$0.00"},
    {"Currency_FinancialAverage1234_5", [] { return Currency(1234.5, 10); }, "$1,234.50"},
    {"Currency_MemoAmountPerCustomer", [] { return Currency(10.00 / 4, 10); }, "$2.50"},
    {"Currency_MemoTotalWithoutMask", [] { return RptFormat(kUs).Display(0.0, RptFormat::Kind::Money); }, "$0.00"},
    // Long time of the period labels.
    {"LongTime_ProductMixUnusedPeriodMidnight", [] { return Time(0, 0); }, "12:00:00 AM"},
    {"LongTime_ProductMixPeriodStart14", [] { return Time(14, 0); }, "2:00:00 PM"},
    {"LongTime_ProductMixPeriodEnd15", [] { return Time(15, 0); }, "3:00:00 PM"},
    {"LongTime_TimePeriodStart11", [] { return Time(11, 0); }, "11:00:00 AM"},
    {"LongTime_TimePeriodEnd13_30", [] { return Time(13, 30); }, "1:30:00 PM"},
    {"LongTime_TimePeriodEnd10_59", [] { return Time(10, 59); }, "10:59:00 AM"},
    // Average track times: the financial form pads, its roll layout does not.
    {"TrackTime_Financial7384Over2", [] { return Track(7384, 2, kPadded); }, "1:01:32"},
    {"TrackTime_Memo125Over2", [] { return Track(125, 2, kPadded); }, "0:01:02"},
    {"TrackTime_FinancialThirtyHours", [] { return Track(30 * 3600, 1, kPadded); }, "30:00:00"},
    {"TrackTime_FinancialZeroTime", [] { return Track(0, 2, kPadded); }, "0:00:00"},
    {"TrackTime_Financial3725Over1", [] { return Track(3725, 1, kPadded); }, "1:02:05"},
    {"TrackTime_RollLayout3725Over1", [] { return Track(3725, 1, kPlain); }, "1:2:5"},
    {"TrackTime_RollLayout7384Over2", [] { return Track(7384, 2, kPlain); }, "1:1:32"},
    {"TrackTime_RollLayout125Over2", [] { return Track(125, 2, kPlain); }, "0:1:2"},
    // The PLU share of the poll's sales, cut after two decimals.
    {"PluShare_300Of400", [] { return Share(300, 400); }, "75%"},
    {"PluShare_100Of400", [] { return Share(100, 400); }, "25%"},
    {"PluShare_NegativeTotal", [] { return Share(-50, 400); }, "0%"},
    {"PluShare_37_5", [] { return Share(37.5, 100); }, "37.5%"},
    {"PluShare_12_3456", [] { return Share(12.3456, 100); }, "12.34%"},
    {"PluShare_WholePoll", [] { return Share(250, 250); }, "100%"},
    {"PluShare_0_5678", [] { return Share(0.5678, 100); }, "0.56%"},
    {"PluShare_0_05678", [] { return Share(0.05678, 100); }, "0.05%"},
    {"PluShare_29Of100", [] { return Share(29, 100); }, "29%"},
    {"PluShare_0_004Of100", [] { return Share(0.004, 100); }, "0%"},
    // The alternate major group form: commissions and tax to the cent, halves to even.
    {"Commission_12_5PercentOf10_10", [] { return Cents(RptFigureText::CentsHalfEven(12.5 * 0.01 * (10.10 + 0.001))); }, "$1.26"},
    {"Commission_10PercentOf0_05", [] { return Cents(RptFigureText::CentsHalfEven(10 * 0.01 * (0.05 + 0.001))); }, "$0.01"},
    {"Tax_SevenPercentOf100", [] { return Cents(RptFigureText::CentsHalfEven((100.00 + 0.001) * 7 * 0.01)); }, "$7.00"},
    {"Tax_TotalWithCommission", [] { return Cents(10000 + RptFigureText::CentsHalfEven((100.00 + 0.001) * 7 * 0.01)); }, "$107.00"},
    {"Tax_PercentShortest7_5", [] { return RptNumberText::Shortest(7.5, kUs); }, "7.5"},
    // Unmasked floats print in their shortest form.
    {"Shortest_ProjectionAverage0_25", [] { return RptNumberText::Shortest((1 + 0 + 0 + 0) / 4.0, kUs); }, "0.25"},
    {"Shortest_ProjectionAverage3", [] { return RptNumberText::Shortest((4 + 6 + 0 + 2) / 4.0, kUs); }, "3"},
    {"Shortest_TimePeriodGroupSum", [] { return RptNumberText::Shortest(1234.5, kUs); }, "1234.5"},
    // Fixed two decimals without grouping.
    {"Fixed2_TimeKeepingFooterCost", [] { return RptNumberText::Fixed(1234.5, 2, kUs); }, "1234.50"},
    {"Fixed2_TimeKeepingFooterHours", [] { return RptNumberText::Fixed(12.5, 2, kUs); }, "12.50"},
    {"Fixed2_ClerkPunchOverMidnight", [] { return RptNumberText::Fixed(8 + 30 / 60.0, 2, kUs); }, "8.50"},
    {"Fixed2_ClerkPunch8h20", [] { return RptNumberText::Fixed(8 + 20 / 60.0, 2, kUs); }, "8.33"},
    {"Fixed2_InventoryNegativeCases", [] { return RptNumberText::Fixed(-27 / 12, 2, kUs); }, "-2.00"},
    {"Fixed2_InventoryNegativeSingles", [] { return RptNumberText::Fixed(-27 % 12, 2, kUs); }, "-3.00"},
    // Default display of header fields.
    {"DateTime_ConsolidatedFirstDateAtMidnight",
     [] { return RptFormat(kUs).Display(QDateTime(QDate(2024, 6, 30), QTime(0, 0)), RptFormat::Kind::DateTime); },
     "6/30/2024"},
    {"DateTime_PollDateWithTime",
     [] { return RptFormat(kUs).Display(QDateTime(QDate(2024, 6, 30), QTime(14, 5, 9)), RptFormat::Kind::DateTime); },
     "6/30/2024 2:05:09 PM"},
    {"ShortDate_ExportDate", [] { return RptDateTimeText::ShortDate(QDate(2024, 1, 5), kUs); }, "1/5/2024"},
    {"Integer_CountWithoutMask", [] { return RptFormat(kUs).Display(3, RptFormat::Kind::Integer); }, "3"},
};

class RptKnownAnswer : public ::testing::TestWithParam<KnownAnswer> {};

TEST_P(RptKnownAnswer, Text) { EXPECT_EQ(GetParam().text().toStdString(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Forms, RptKnownAnswer, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<KnownAnswer>& row) { return std::string(row.param.name); });
} // namespace
