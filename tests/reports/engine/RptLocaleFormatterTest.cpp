// The report forms' formatter over every kind of value, with and without a picture.
#include "reports/engine/RptLocaleFormatter.h"

#include <gtest/gtest.h>

namespace {
struct Case {
  const char* name;
  RptValue value;
  const char* mask;
  const char* text;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class RptLocaleFormatterTest : public ::testing::TestWithParam<Case> {};

TEST_P(RptLocaleFormatterTest, PrintsTheValueInTheReportLocale) {
  const Case& c = GetParam();
  const RptFormatter format = RptLocaleFormatter(RptLocale());
  EXPECT_EQ(format(c.value, QString::fromLatin1(c.mask)), QString::fromLatin1(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RptLocaleFormatterTest,
    ::testing::Values(
        Case{"NullPrintsNothing", RptValue(), "", ""},
        Case{"NullUnderAPicturePrintsNothing", RptValue(), "$###,##0.00", ""},
        Case{"MoneyAsCurrency", RptValue::Money(1234.5), "", "$1,234.50"},
        Case{"NegativeMoneyInParentheses", RptValue::Money(-5), "", "($5.00)"},
        Case{"MoneyUnderAPicture", RptValue::Money(0.5), "$###.00", "$.50"},
        // Eighteen digits: through a double the cents would be lost.
        Case{"LargeMoneyKeepsItsCents", RptValue::MoneyUnits(123456789012345600), "", "$12,345,678,901,234.56"},
        Case{"IntegerAsDigits", RptValue::Integer(1234), "", "1234"},
        Case{"IntegerUnderAPicture", RptValue::Integer(1234), "#,##0", "1,234"},
        Case{"FloatShortest", RptValue::Float(0.25), "", "0.25"},
        Case{"FloatUnderAPercentPicture", RptValue::Float(25), "##0.0%", "25.0%"},
        Case{"MidnightDateTimeLeavesOutTheTime", RptValue::DateTime(QDateTime(QDate(2026, 3, 4), QTime(0, 0))), "", "3/4/2026"},
        Case{"TimeOnTheTwelveHourClock", RptValue::Time(QTime(14, 0)), "", "2:00:00 PM"},
        Case{"TextAsItIs", RptValue::Text(QStringLiteral("Front")), "", "Front"}));
} // namespace
