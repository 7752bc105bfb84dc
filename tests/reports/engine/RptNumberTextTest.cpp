#include "reports/engine/RptCurrencyForms.h"
#include "reports/engine/RptNumberText.h"

#include <gtest/gtest.h>
#include <limits>

namespace {
const RptLocale kUs = RptLocale::UnitedStates();

TEST(RptNumberText, ShortestHasAtMostFifteenSignificantDigits) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {{0.1 + 0.2, "0.3"},     {29.0 / 100 * 100, "29"},     {-1.25, "-1.25"},
               {1.0 / 3, "0.333333333333333"}, {123456789012345.0, "123456789012345"},
               {1e15, "1E15"},         {-2.5e20, "-2.5E20"},         {0.00001, "0.00001"},
               {1.5e-6, "1.5E-6"},     {0.0, "0"},                   {-0.0, "0"}};
  for (const auto& c : cases) EXPECT_EQ(RptNumberText::Shortest(c.value, kUs).toStdString(), c.expected) << c.value;
}

TEST(RptNumberText, FixedRoundsTheDecimalValueAndNeverGroups) {
  EXPECT_EQ(RptNumberText::Fixed(2.675, 2, kUs), QStringLiteral("2.68"));
  EXPECT_EQ(RptNumberText::Fixed(-0.125, 2, kUs), QStringLiteral("-0.13"));
  EXPECT_EQ(RptNumberText::Fixed(-0.001, 2, kUs), QStringLiteral("0.00"));
  EXPECT_EQ(RptNumberText::Fixed(1e6, 2, kUs), QStringLiteral("1000000.00"));
  EXPECT_EQ(RptNumberText::Fixed(0.5, 0, kUs), QStringLiteral("1"));
  RptLocale comma = kUs;
  comma.decimalSeparator = u',';
  EXPECT_EQ(RptNumberText::Fixed(1234.5, 2, comma), QStringLiteral("1234,50"));
  EXPECT_EQ(RptNumberText::Shortest(1234.5, comma), QStringLiteral("1234,5"));
}

TEST(RptNumberText, IntegersAreDigits) {
  EXPECT_EQ(RptNumberText::Integer(-12), QStringLiteral("-12"));
  EXPECT_EQ(RptNumberText::Integer(std::numeric_limits<int64_t>::max()), QStringLiteral("9223372036854775807"));
}

TEST(RptNumberText, CurrencyOfTheUnitedStatesPutsNegativesInParentheses) {
  EXPECT_EQ(RptNumberText::Currency(-5, kUs), QStringLiteral("($5.00)"));
  EXPECT_EQ(RptNumberText::Currency(-1234.5, kUs), QStringLiteral("($1,234.50)"));
  // A value that rounds to zero cents is no negative amount.
  EXPECT_EQ(RptNumberText::Currency(-0.001, kUs), QStringLiteral("$0.00"));
  EXPECT_EQ(RptNumberText::Currency(1e12, kUs), QStringLiteral("$1,000,000,000,000.00"));
  EXPECT_EQ(RptNumberText::Currency(0.005, kUs), QStringLiteral("$0.01"));
}

TEST(RptNumberText, CurrencyTakesTheValueToItsSignificantDigitsFirst) {
  EXPECT_EQ(RptNumberText::Currency(1234567.891, kUs), QStringLiteral("$1,234,567.89"));
  EXPECT_EQ(RptNumberText::Currency(1234567.891, kUs, 8), QStringLiteral("$1,234,567.90"));
}

TEST(RptNumberText, CurrencyFollowsEveryPositiveAndNegativeForm) {
  const char* negative[] = {"(€1.234,50)", "-€1.234,50", "€-1.234,50", "€1.234,50-",
                            "(1.234,50€)", "-1.234,50€", "1.234,50-€", "1.234,50€-",
                            "-1.234,50 €", "-€ 1.234,50", "1.234,50 €-", "€ 1.234,50-",
                            "€ -1.234,50", "1.234,50- €", "(€ 1.234,50)", "(1.234,50 €)"};
  const char* positive[] = {"€1.234,50", "1.234,50€", "€ 1.234,50", "1.234,50 €"};
  RptLocale locale = kUs;
  locale.currencySymbol = QStringLiteral("€");
  locale.decimalSeparator = u',';
  locale.groupSeparator = u'.';
  for (int form = 0; form < RptCurrencyForms::kNegativeCount; ++form) {
    locale.negativeCurrencyForm = form;
    EXPECT_EQ(RptNumberText::Currency(-1234.5, locale), QString::fromUtf8(negative[form])) << "form " << form;
  }
  for (int form = 0; form < RptCurrencyForms::kPositiveCount; ++form) {
    locale.currencyForm = form;
    EXPECT_EQ(RptNumberText::Currency(1234.5, locale), QString::fromUtf8(positive[form])) << "form " << form;
  }
}

TEST(RptNumberText, CurrencyDecimalsComeFromTheLocale) {
  RptLocale yen = kUs;
  yen.currencySymbol = QStringLiteral("¥");
  yen.currencyDecimals = 0;
  EXPECT_EQ(RptNumberText::Currency(1234.5, yen), QStringLiteral("¥1,235"));
}
} // namespace

namespace {
TEST(RptNumberText, CurrencyOfExactMoney) {
  EXPECT_EQ(RptNumberText::Currency(RptDecimal::FromUnits(123456789012345649, 4), kUs),
            QStringLiteral("$12,345,678,901,234.56"));
  EXPECT_EQ(RptNumberText::Currency(RptDecimal::FromUnits(-12345, 4), kUs), QStringLiteral("($1.23)"));
  EXPECT_EQ(RptNumberText::Currency(RptDecimal::FromUnits(std::numeric_limits<int64_t>::min(), 4), kUs),
            QStringLiteral("($922,337,203,685,477.58)"));
  EXPECT_EQ(RptNumberText::Currency(RptDecimal::FromUnits(7, 0), kUs), QStringLiteral("$7.00"));
}
} // namespace
