#include "widgets/core/TWdgRealFieldValue.h"
#include "widgets/core/WdgExceptions.h"

#include <gtest/gtest.h>

namespace {
using T = TWdgDataSubtype;

struct ReadCase {
  T subtype;
  const char* text;
  QChar decimalChar;
  bool reads;
  long double value;
};

TEST(WdgRealFieldValue, ReadsTheFieldsText) {
  const ReadCase cases[] = {
      {T::Double, " 1.5 ", u'.', true, 1.5L},
      {T::Double, "", u'.', true, 0},
      {T::Double, "-.25", u'.', true, -0.25L},
      {T::Double, ",5", u',', true, 0.5L},   // the decimal character wherever it stands
      {T::Double, "1,5", u',', true, 1.5L},
      {T::Double, "1e3", u'.', true, 1000},
      {T::Double, "1.2.3", u'.', false, 0},
      {T::Double, "-", u'.', false, 0},
      {T::Double, "0x10", u'.', false, 0},
      {T::Double, "inf", u'.', false, 0},
      {T::Double, "1e400", u'.', false, 0},  // wider than the subtype
      {T::Single, "1e39", u'.', false, 0},
      {T::Comp, "2.5", u'.', true, 2},       // to the nearest whole number (ties to even)
      {T::Comp, "3.5", u'.', true, 4},
      {T::Single, "0.1", u'.', true, static_cast<float>(0.1)},
  };
  for (const ReadCase& c : cases) {
    TWdgRealFieldValue value(c.subtype);
    long double read = -99;
    EXPECT_EQ(value.Read(QString::fromLatin1(c.text), c.decimalChar, read), c.reads) << c.text;
    if (c.reads) {
      EXPECT_EQ(read, c.value) << c.text;
    }
  }
}

TEST(WdgRealFieldValue, ChecksTheRange) {
  TWdgRealFieldValue value(T::Double);
  value.SetRange(0, 100);
  long double read = 0;
  EXPECT_EQ(value.Check(QStringLiteral("100"), u'.', read), 0);
  EXPECT_EQ(value.Check(QStringLiteral("100.01"), u'.', read), 256);
  EXPECT_EQ(value.Check(QStringLiteral("-0.5"), u'.', read), 256);
  EXPECT_EQ(value.Check(QStringLiteral("1.2.3"), u'.', read), 257);
  EXPECT_EQ(value.InitialValue(), 0);
  value.SetRange(5, 10);
  EXPECT_EQ(value.InitialValue(), 5);
}

TEST(WdgRealFieldValue, EqualLimitsGiveTheDefaultRangeAndWideOnesAreRefused) {
  TWdgRealFieldValue value(T::Single);
  value.SetRange(0, 0);
  EXPECT_EQ(value.RangeHi(), 3.4e38L);
  EXPECT_EQ(value.RangeLo(), -3.4e38L);
  EXPECT_THROW(value.SetRange(0, 1e39L), EInvalidRangeValue);
  EXPECT_THROW(value.SetRangeHiText(QStringLiteral("abc")), EInvalidRangeValue);
  EXPECT_EQ(value.RangeHi(), 3.4e38L);
  value.SetRangeHiText(QStringLiteral("12.5"));
  EXPECT_EQ(value.RangeHi(), 12.5L);
  EXPECT_THROW(TWdgRealFieldValue(T::Byte), EInvalidDataType);
}

TEST(WdgRealFieldValue, WritesTheValueWithTheDecimalsOfThePicture) {
  EXPECT_EQ(TWdgRealFieldValue::ValueText(1.5L, 2, false), QStringLiteral("1.50"));
  EXPECT_EQ(TWdgRealFieldValue::ValueText(1.5L, 0, false), QStringLiteral("2"));
  EXPECT_EQ(TWdgRealFieldValue::ValueText(-0.25L, 3, false), QStringLiteral("-0.250"));
  // Decimal places without a point in the picture: the zeros go.
  EXPECT_EQ(TWdgRealFieldValue::ValueText(1.5L, 3, true), QStringLiteral("1.5"));
  EXPECT_EQ(TWdgRealFieldValue::ValueText(100.0L, 2, true), QStringLiteral("100"));
}
} // namespace
