#include "reports/engine/RptPictureMask.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
struct MaskCase {
  const char* mask;
  double value;
  const char* expected;
};

void ExpectAll(const std::initializer_list<MaskCase>& cases, const RptLocale& locale) {
  for (const MaskCase& c : cases)
    EXPECT_EQ(RptPictureMask::Format(QString::fromUtf8(c.mask), c.value, locale).toStdString(), c.expected)
        << "mask [" << c.mask << "] value " << c.value;
}

TEST(RptPictureMask, NegativeValuesPutTheMinusInFrontOfTheWholeText) {
  ExpectAll({{"$###,###,###.00", -5, "-$5.00"},
             {"$###,###,###.00", -1234.5, "-$1,234.50"},
             {"$###,###,###.00", -0.5, "-$.50"},
             {"0.00%", -3.5, "-3.50%"},
             {"(###)", -42, "-(42)"},
             // A value that rounds to zero prints no minus.
             {"$###,###,###.00", -0.004, "$.00"},
             {"0.00", -0.001, "0.00"}},
            RptLocale::UnitedStates());
}

TEST(RptPictureMask, TiesRoundAwayFromZeroOnTheDecimalValue) {
  ExpectAll({{"0.00", 0.125, "0.13"},
             {"0.00", -0.125, "-0.13"},
             {"0", 2.5, "3"},
             {"0", -2.5, "-3"},
             {"#", 0.5, "1"},
             // 2.675 and 1.005 lie just below the half in binary; their decimal value is the half.
             {"0.00", 2.675, "2.68"},
             {"0.00", 1.005, "1.01"},
             {"0.00", 0.124, "0.12"},
             // A carry runs through the whole part, and grouping follows the new digit.
             {"0.00", 9.995, "10.00"},
             {"#,##0.00", 99999.995, "100,000.00"},
             {"$###,###,###.00", 999.999, "$1,000.00"}},
            RptLocale::UnitedStates());
}

TEST(RptPictureMask, DigitsBeyondThePlacesAllPrintAtTheFirstPlace) {
  ExpectAll({{"$###,###,###.00", 1234567890123.45, "$1,234,567,890,123.45"},
             {"##", 123456789, "123456789"},
             {"#,##", 1234567, "1,234,567"},
             {"#,##0", 1e15, "1,000,000,000,000,000"},
             {"0", 123456789012345.0, "123456789012345"}},
            RptLocale::UnitedStates());
}

TEST(RptPictureMask, RequiredAndOptionalPlaces) {
  ExpectAll({{"000", 7, "007"},
             {"#0.0", 0.25, "0.3"},
             {"0.0#", 1, "1.0"},
             {"0.0#", 1.25, "1.25"},
             {"0.0#", 1.256, "1.26"},
             // Without decimals to show, the point is left out; with no required digit, zero is empty.
             {"#.##", 5, "5"},
             {"#.##", 0, ""},
             {"###", 0, ""},
             {"0", 0, "0"}},
            RptLocale::UnitedStates());
}

TEST(RptPictureMask, LiteralsStayWhereTheyStand) {
  ExpectAll({{"(###)", 42, "(42)"},
             {"##-##", 1234, "12-34"},
             {"0.0 kg", 2.25, "2.3 kg"},
             {"Total 0", 3, "Total 3"},
             // A second point is a literal; a comma anywhere, even after the point, groups.
             {"0.0.", 1.5, "1.5."},
             {"0.00,", 1234.5, "1,234.50"},
             // Whole digits of a picture with none print in front of its point.
             {".00", 5.5, "5.50"},
             {".00", 0.5, ".50"}},
            RptLocale::UnitedStates());
}

TEST(RptPictureMask, PrintsWithTheLocaleSeparatorsNotThePictureCharacters) {
  RptLocale locale = RptLocale::UnitedStates();
  locale.decimalSeparator = u',';
  locale.groupSeparator = u'.';
  ExpectAll({{"$###,###,###.00", 1234.5, "$1.234,50"}, {"0.00%", 3.5, "3,50%"}, {"###.00", 0, ",00"}}, locale);
}

TEST(RptPictureMask, EmptyPictureAndOddValues) {
  const RptLocale us = RptLocale::UnitedStates();
  EXPECT_EQ(RptPictureMask::Format(QString(), 1234.5, us), QStringLiteral("1234.5"));
  EXPECT_EQ(RptPictureMask::Format(QStringLiteral("0.00"), std::nan(""), us), QStringLiteral("NAN"));
  EXPECT_EQ(RptPictureMask::Format(QStringLiteral("0.00"), -std::numeric_limits<double>::infinity(), us),
            QStringLiteral("-INF"));
  // One parsed picture serves many values alike.
  const RptPictureMask money(QStringLiteral("$###,###,###.00"));
  EXPECT_EQ(money.Format(0.5, us), QStringLiteral("$.50"));
  EXPECT_EQ(money.Format(12, us), QStringLiteral("$12.00"));
}
} // namespace

namespace {
TEST(RptPictureMask, ExactMoneyKeepsDigitsADoubleWouldLose) {
  const RptLocale us = RptLocale::UnitedStates();
  const RptPictureMask money(QStringLiteral("$###,###,###.00"));
  // 12,345,678,901,234.5649 in ten-thousandths: 18 digits, beyond a double's 15.
  EXPECT_EQ(money.Format(RptDecimal::FromUnits(123456789012345649, 4), us), QStringLiteral("$12,345,678,901,234.56"));
  EXPECT_EQ(money.Format(RptDecimal::FromUnits(5000, 4), us), QStringLiteral("$.50"));
  EXPECT_EQ(money.Format(RptDecimal::FromUnits(-50000, 4), us), QStringLiteral("-$5.00"));
  EXPECT_EQ(money.Format(RptDecimal::FromUnits(-49, 4), us), QStringLiteral("$.00"));
  EXPECT_EQ(money.Format(RptDecimal::FromUnits(0, 4), us), QStringLiteral("$.00"));
  // Without a picture the exact value prints as it is.
  const RptPictureMask none{QString()};
  EXPECT_EQ(none.Format(RptDecimal::FromUnits(-12345, 4), us), QStringLiteral("-1.2345"));
  EXPECT_EQ(none.Format(RptDecimal::FromUnits(20000, 4), us), QStringLiteral("2"));
  EXPECT_EQ(none.Format(RptDecimal::FromUnits(0, 4), us), QStringLiteral("0"));
}
} // namespace
