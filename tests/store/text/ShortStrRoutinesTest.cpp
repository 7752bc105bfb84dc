#include "store/text/FlagRoutines.h"
#include "store/text/ShortStrRoutines.h"

#include <gtest/gtest.h>

namespace {
TEST(FlagRoutines, SetClearAndTest) {
  uint8_t flags = 0x10;
  SetFlag(flags, 0x03);
  EXPECT_EQ(flags, 0x13);
  ClearFlag(flags, 0x11);
  EXPECT_EQ(flags, 0x02);
  EXPECT_TRUE(FlagIsSet(flags, 0x06));  // one bit of the mask is enough
  EXPECT_FALSE(FlagIsSet(flags, 0x05));
  EXPECT_FALSE(FlagIsSet(flags, 0x00));
  ClearFlag(flags, 0xFF);
  EXPECT_EQ(flags, 0x00);
}

TEST(ShortStrRoutines, HexAndDecimalText) {
  EXPECT_EQ(ByteToHex(0x00), QStringLiteral("00"));
  EXPECT_EQ(ByteToHex(0xA5), QStringLiteral("A5"));
  EXPECT_EQ(ByteToHex(0xFF), QStringLiteral("FF"));
  EXPECT_EQ(IntToShortStr(0), QStringLiteral("0"));
  EXPECT_EQ(IntToShortStr(-2147483647 - 1), QStringLiteral("-2147483648"));
  EXPECT_EQ(IntToShortStr(1234), QStringLiteral("1234"));
}

TEST(ShortStrRoutines, ShortStrToIntGivesValueOrPosition) {
  const struct {
    const char* text;
    bool ok;
    int16_t value; // the value, or the position of the offending character
  } cases[] = {
      {"123", true, 123},      {"  -42  ", true, -42},   {"1FH", true, 31},     {"0x7FFF", true, 32767},
      {"$10", true, 16},       {"-32767", true, -32767}, {"12G4", false, 3},    {"", false, 1},
      {"   ", false, 4},       {"-32768", false, 6},     {"40000", false, 5},   {"H", false, 1},
      {"0xZ", false, 3},       {"1 2", false, 2},
  };
  for (const auto& c : cases) {
    int16_t value = -999;
    EXPECT_EQ(ShortStrToInt(QString::fromLatin1(c.text), value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << "[" << c.text << "]";
  }
}

TEST(ShortStrRoutines, Pads) {
  EXPECT_EQ(PadLeftCh(QStringLiteral("7"), QLatin1Char('0'), 3), QStringLiteral("007"));
  EXPECT_EQ(PadRightCh(QStringLiteral("7"), QLatin1Char('.'), 3), QStringLiteral("7.."));
  EXPECT_EQ(PadLeft(QStringLiteral("ab"), 4), QStringLiteral("  ab"));
  EXPECT_EQ(PadRight(QStringLiteral("ab"), 4), QStringLiteral("ab  "));
  EXPECT_EQ(PadLeft(QStringLiteral("abcd"), 2), QStringLiteral("abcd"));
  EXPECT_EQ(PadRight(QStringLiteral("abc"), -1), QStringLiteral("abc"));
  const QString full(255, QLatin1Char('x'));
  EXPECT_EQ(PadRight(full, 300), full);
  EXPECT_EQ(PadLeft(full, 10), full);
  EXPECT_EQ(PadRight(QStringLiteral("a"), 1000).size(), 255);
  EXPECT_EQ(PadLeftCh(QStringLiteral("a"), QLatin1Char('0'), 1000), QString(254, QLatin1Char('0')) + 'a');
}

TEST(ShortStrRoutines, TrimBlanksKeepsTabs) {
  EXPECT_EQ(TrimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("\ta \t")), QStringLiteral("\ta \t"));
  EXPECT_EQ(TrimBlanks(QStringLiteral(" \tx\t ")), QStringLiteral("\tx\t"));
  EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
}

TEST(ShortStrRoutines, CharPosIsOneBased) {
  EXPECT_EQ(ShortStrCharPos(QStringLiteral("abcb"), QLatin1Char('b')), 2);
  EXPECT_EQ(ShortStrCharPos(QStringLiteral("abc"), QLatin1Char('a')), 1);
  EXPECT_EQ(ShortStrCharPos(QStringLiteral("abc"), QLatin1Char('z')), 0);
  EXPECT_EQ(ShortStrCharPos(QString(), QLatin1Char('z')), 0);
}
} // namespace
