#include "widgets/core/WdgFieldText.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }

TEST(WdgFieldText, RadixOfPicture) {
  EXPECT_EQ(RadixOfPicture(T("999")), TWdgRadix::Decimal);
  EXPECT_EQ(RadixOfPicture(T("KK")), TWdgRadix::Hex);
  EXPECT_EQ(RadixOfPicture(T("OOOO")), TWdgRadix::Octal);
  EXPECT_EQ(RadixOfPicture(T("bbbbbbbb")), TWdgRadix::Binary);
  EXPECT_EQ(RadixOfPicture(QString()), TWdgRadix::Decimal);
}

struct ToTextCase {
  int32_t value;
  TWdgRadix radix;
  int dataSize;
  const char* text;
};

TEST(WdgFieldText, IntToFieldText) {
  const ToTextCase cases[] = {
      {0, TWdgRadix::Decimal, 1, "0"},
      {255, TWdgRadix::Decimal, 1, "255"},
      {-128, TWdgRadix::Decimal, 1, "-128"},
      {INT32_MIN, TWdgRadix::Decimal, 4, "-2147483648"},
      {255, TWdgRadix::Hex, 1, "FF"},
      {10, TWdgRadix::Hex, 2, "000A"},
      {-1, TWdgRadix::Hex, 2, "FFFF"},
      {255, TWdgRadix::Hex, 4, "000000FF"},
      {8, TWdgRadix::Octal, 1, "0010"},
      {8, TWdgRadix::Octal, 2, "00000010"},
      {8, TWdgRadix::Octal, 4, "000000000010"},
      {5, TWdgRadix::Binary, 1, "00000101"},
      {5, TWdgRadix::Binary, 2, "0000000000000101"},
      {-1, TWdgRadix::Binary, 4, "11111111111111111111111111111111"},
  };
  for (const ToTextCase& c : cases)
    EXPECT_EQ(IntToFieldText(c.value, c.radix, c.dataSize), T(c.text))
        << c.value << " radix " << int(c.radix) << " size " << c.dataSize;
}

struct ToIntCase {
  const char* text;
  TWdgRadix radix;
  bool ok;
  int32_t value;
};

TEST(WdgFieldText, FieldTextToInt) {
  const ToIntCase cases[] = {
      {"", TWdgRadix::Decimal, true, 0},
      {"   ", TWdgRadix::Decimal, true, 0},
      {"  300 ", TWdgRadix::Decimal, true, 300},
      {"-2147483648", TWdgRadix::Decimal, true, INT32_MIN},
      {"2147483648", TWdgRadix::Decimal, false, 0},
      {"-", TWdgRadix::Decimal, false, 0},
      {"--5", TWdgRadix::Decimal, false, 0},
      {".", TWdgRadix::Decimal, false, 0},
      {"12a", TWdgRadix::Decimal, false, 0},
      {"FF", TWdgRadix::Hex, true, 255},
      {"$FF", TWdgRadix::Hex, true, 255},
      {"ff", TWdgRadix::Hex, true, 255},
      {"FFFFFFFF", TWdgRadix::Hex, true, -1},
      {"$7FFFFFFF", TWdgRadix::Hex, true, INT32_MAX},
      {"100000000", TWdgRadix::Hex, false, 0},
      {"G1", TWdgRadix::Hex, false, 0},
      {"0010", TWdgRadix::Octal, true, 8},
      {"37777777777", TWdgRadix::Octal, true, -1},
      {"40000000000", TWdgRadix::Octal, false, 0},
      {"18", TWdgRadix::Octal, false, 0},
      {"101", TWdgRadix::Binary, true, 5},
      {"11111111111111111111111111111111", TWdgRadix::Binary, true, -1},
      {"011111111111111111111111111111111", TWdgRadix::Binary, true, -1},
      {"111111111111111111111111111111111", TWdgRadix::Binary, false, 0},
      {"102", TWdgRadix::Binary, false, 0},
  };
  for (const ToIntCase& c : cases) {
    int32_t value = 12345;
    EXPECT_EQ(FieldTextToInt(T(c.text), c.radix, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}
} // namespace
