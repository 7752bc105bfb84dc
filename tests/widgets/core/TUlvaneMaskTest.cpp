#include "widgets/core/TUlvaneMask.h"

#include <gtest/gtest.h>

namespace {
const char* kDollarFirst = "A $ can only be used at the beginning of the mask.";
const char* kOnlyValues = "Only values allowed for mask are 0,$, and .";
const char* kOnePeriod = "Only one period allowed in the mask!!!";

struct MaskCase {
  const char* raw;
  TDataType type;
  const char* mask;
  bool dollar;
  int integers, decimals;
  const char* high;
  const char* low;
  QStringList messages;
};

TEST(UlvaneMask, RepairsTheMaskAndDerivesItsMeasuresAndRange) {
  const MaskCase cases[] = {
      {"00", DTDouble, "00", false, 2, 0, "99.", "-99.", {}},
      {"00", DTInteger, "00", false, 2, 0, "99", "-99", {}},
      {"000", DTInteger, "000", false, 3, 0, "999", "-999", {}},
      {"000000", DTDouble, "000000", false, 6, 0, "999999.", "-999999.", {}},
      {"$000.00", DTDouble, "$000.00", true, 3, 2, "999.99", "-999.99", {}},
      {"000.00", DTInteger, "000", false, 3, 0, "999", "-999", {}},
      {"0", DTInteger, "0", false, 1, 0, "32767", "-32768", {}},
      {"0", DTDouble, "0", false, 1, 0, "1.7E+0308", "-1.7E+0308", {}},
      {"$0", DTInteger, "$0", true, 1, 0, "9", "-9", {}},
      {"0a0b", DTDouble, "00", false, 2, 0, "99.", "-99.", {kOnlyValues}},
      {"00.0.0", DTDouble, "00.00", false, 2, 2, "99.99", "-99.99", {kOnePeriod}},
      {"0$0$", DTDouble, "00", false, 2, 0, "99.", "-99.", {kDollarFirst, kDollarFirst, kOnlyValues}},
      {"$0x.0.", DTDouble, "$0.0", true, 1, 1, "9.9", "-9.9", {kOnlyValues, kOnePeriod}},
  };
  for (const auto& c : cases) {
    QStringList messages;
    const auto mask = TUlvaneMask::Repaired(QString::fromLatin1(c.raw), c.type, messages);
    EXPECT_EQ(mask.Text(), c.mask) << c.raw;
    EXPECT_EQ(mask.HasDollar(), c.dollar) << c.raw;
    EXPECT_EQ(mask.IntegerDigits(), c.integers) << c.raw;
    EXPECT_EQ(mask.Decimals(), c.decimals) << c.raw;
    EXPECT_EQ(mask.DefaultRangeHigh(c.type), c.high) << c.raw;
    EXPECT_EQ(mask.DefaultRangeLow(c.type), c.low) << c.raw;
    EXPECT_EQ(messages, c.messages) << c.raw;
  }
}

TEST(UlvaneMask, TakesOneCharacterMoreThanTheMaskForTheSign) {
  QStringList messages;
  EXPECT_EQ(TUlvaneMask::Repaired("00", DTDouble, messages).MaxLength(), 3);
  EXPECT_EQ(TUlvaneMask::Repaired("$000.00", DTDouble, messages).MaxLength(), 8);
}
} // namespace
