#include "store/text/FormatPicture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
QString text(const char* s) { return QString::fromUtf8(s); }

struct PictureCase {
  const char* mask;
  double value;
  bool integer; // FormatIntPicture (the value must be whole) or FormatFloatPicture
  const char* left;
  const char* right;
  const char* expected;
};

QString format(const PictureCase& c, QChar separator = QLatin1Char(','), QChar point = QLatin1Char('.')) {
  if (c.integer)
    return FormatIntPicture(text(c.mask), int32_t(c.value), text(c.left), text(c.right), separator);
  return FormatFloatPicture(text(c.mask), c.value, text(c.left), text(c.right), separator, point);
}

TEST(FormatPicture, KnownAnswers) {
  const PictureCase cases[] = {
      // The formatter's own examples.
      {"#,###.##", 1234.5, false, "", "", "1,234.50"},
      {"#,###.##", 34.5, false, "", "", "   34.50"},
      {"#,###.##", 12345.6, false, "", "", "*,***.**"},
      {"@@@@", 42, true, "", "", "0042"},
      {"****", 42, true, "", "", "**42"},
      {"####", -5, true, "", "", "  -5"},
      {"####-", -5, true, "", "", "   5-"},
      {"$###", 42, true, "$", "", " $42"},
      {"cc###", 42, true, "USD", "", "US 42"},
      {"###CCCC", 42, true, "", "kr", " 42  kr"},
      // Sign places.
      {"####-", 5, true, "", "", "   5 "},
      {"+####", 5, true, "", "", "+   5"},
      {"+####", -5, true, "", "", "-   5"},
      {"###-", -1234, true, "", "", "***-"},
      // Separators in the leading part take the fill.
      {"#,###", 34, true, "", "", "   34"},
      {"#,###", 1234, true, "", "", "1,234"},
      {"#,###,###", 1234567, true, "", "", "1,234,567"},
      {"#,###,###", 4567, true, "", "", "    4,567"},
      // Decimals with zero and star fill.
      {"@@@.@@", 1.5, false, "", "", "001.50"},
      {"***.**", 1.5, false, "", "", "**1.50"},
      {"@,@@@.@@", 42.25, false, "", "", "00042.25"},
      {"@,@@@.@@", 1234.5, false, "", "", "1,234.50"},
      {"*,***.**", 42.25, false, "", "", "***42.25"},
      {"@@.@@", 123.4, false, "", "", "**.**"},
      // Floating currency and minus.
      {"$**,***.**", 42.5, false, "$", "", "****$42.50"},
      {"$,###.##", 234.5, false, "$", "", " $234.50"},
      {"$$$$", -5, true, "$", "", " -$5"},
      {"$###", 1234, true, "$", "", "****"},
      {"###", -123, true, "", "", "***"},
      {"$@@@", 42, true, "$", "", "0042"},
      {"$###", 42, true, "", "", "  42"},
      // Rounding: half away from zero, also on exact binary ties.
      {"#.##", 0.125, false, "", "", "0.13"},
      {"##.##", -0.125, false, "", "", "-0.13"},
      {"##.#", 2.25, false, "", "", " 2.3"},
      {"###", 2.5, false, "", "", "  3"},
      {"###", -2.5, false, "", "", " -3"},
      {"###", 2.4999, false, "", "", "  2"},
      {"#.####################", 1.5, false, "", "", "1.50000000000000000000"},
      // Literal text around the picture; only the first run is the picture.
      {"Total: #,### EUR", 1234, true, "", "", "Total: 1,234 EUR"},
      {"Total: #,### EUR", 34, true, "", "", "Total:    34 EUR"},
      {"Qty ### / ###", 7, true, "", "", "Qty   7 / ###"},
      {"Amt #,###.## due", 34.5, false, "", "", "Amt    34.50 due"},
      // Currency texts shorter or longer than their counts.
      {"CC###cc", 7, true, "", "kr", "    7kr"},
      {"c###", 7, true, "", "", "   7"},
      {"CCC#", 7, true, "", "EURO", "7EUR"},
      // An empty mask leaves only the currency texts.
      {"", 42, true, "USD", "kr", ""},
      {"CC", 42, true, "", "kr", "kr"},
      {"", 42.5, false, "", "", ""},
      // Integer extremes.
      {"###########", -2147483648.0, true, "", "", "-2147483648"},
      {"##########", 2147483647, true, "", "", "2147483647"},
  };
  for (const PictureCase& c : cases)
    EXPECT_EQ(format(c), text(c.expected)) << "[" << c.mask << "] " << c.value;
}

// A negative value in a zero or star filled mask without a sign place keeps its minus
// (at the front) instead of showing as positive; without room it does not fit.
TEST(FormatPicture, NegativeValueInFilledMaskKeepsItsMinus) {
  const PictureCase cases[] = {
      {"@@@@", -5, true, "", "", "-005"},
      {"****", -42, true, "", "", "-*42"},
      {"@@@.@@", -1.5, false, "", "", "-01.50"},
      {"@@", -42, true, "", "", "**"},
      {"@@@@-", -5, true, "", "", "0005-"},
  };
  for (const PictureCase& c : cases)
    EXPECT_EQ(format(c), text(c.expected)) << "[" << c.mask << "] " << c.value;
}

TEST(FormatPicture, SeparatorAndDecimalPointCharacters) {
  const PictureCase amount{"#,###.##", 1234.5, false, "", "", ""};
  EXPECT_EQ(format(amount, QLatin1Char('.'), QLatin1Char(',')), QStringLiteral("1.234,50"));
  EXPECT_EQ(format({"#,###.##", 34.5, false, "", "", ""}, QLatin1Char('.'), QLatin1Char(',')),
            QStringLiteral("   34,50"));
  EXPECT_EQ(FormatIntPicture(QStringLiteral("#,###"), 1234, QString(), QString(), QLatin1Char(' ')),
            QStringLiteral("1 234"));
  // A value that does not fit keeps the mask's own "," and ".".
  EXPECT_EQ(format({"#,###.##", 12345.6, false, "", "", ""}, QLatin1Char('.'), QLatin1Char(',')),
            QStringLiteral("*,***.**"));
}

TEST(FormatPicture, ValuesThatCannotBeShownDoNotFit) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(FormatFloatPicture(QStringLiteral("###.##"), nan, {}, {}, ',', '.'), QStringLiteral("***.**"));
  EXPECT_EQ(FormatFloatPicture(QStringLiteral("###.##"), inf, {}, {}, ',', '.'), QStringLiteral("***.**"));
  EXPECT_EQ(FormatFloatPicture(QStringLiteral("###.##-"), -inf, {}, {}, ',', '.'), QStringLiteral("***.**-"));
  EXPECT_EQ(FormatFloatPicture(QStringLiteral("#.#"), 1e300, {}, {}, ',', '.'), QStringLiteral("*.*"));
}

TEST(FormatPicture, ResultIsAShortString) {
  const QString mask = QString(300, QLatin1Char('#'));
  const QString result = FormatIntPicture(mask, 42, QString(), QString(), ',');
  EXPECT_EQ(result.size(), 255);
  EXPECT_TRUE(result.endsWith(QStringLiteral(" 42")));
  EXPECT_EQ(
      FormatIntPicture(QStringLiteral("###") + QString(10, QLatin1Char('C')), 1, {}, QString(300, 'x'), ',')
          .size(),
      13);
}
} // namespace
