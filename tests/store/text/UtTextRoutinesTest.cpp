#include "store/text/UtTextRoutines.h"

#include <gtest/gtest.h>

namespace {
TEST(UtTextRoutines, StrToLongCode) {
  const struct {
    const char* text;
    int32_t value;
    int code;
  } cases[] = {
      {"1FH", 31, 0},
      {"1fh", 31, 0},
      {"0x1f", 31, 0},
      {"0X1F", 31, 0},
      {"  42  ", 42, 0},
      {"-42", -42, 0},
      {"+42", 42, 0},
      {"$1F", 31, 0},
      {"-$1F", -31, 0},
      {"2147483647", 2147483647, 0},
      {"-2147483648", -2147483647 - 1, 0},
      {"FFFFFFFFH", -1, 0},
      {"0x80000000", -2147483647 - 1, 0},
      {"H", 0, 1},
      {"  h ", 0, 4},
      {"12G4", 0, 3},
      {"", 0, -1},
      {"    ", 0, -1},
      {"  1G", 0, 4},
      {"1GH", 0, 2},
      {"  1GH", 0, 4},
      {"0x", 0, 3},
      {"0x1G", 0, 4},
      {"  0xZ", 0, 5},
      {"-", 0, 2},
      {"2147483648", 0, 10},
      {"1FFFFFFFFH", 0, 9},
      {"1 2", 0, 2},
      {"1.5", 0, 2},
  };
  for (const auto& c : cases) {
    int code = 99;
    EXPECT_EQ(StrToLongCode(QString::fromLatin1(c.text), code), c.value) << "[" << c.text << "]";
    EXPECT_EQ(code, c.code) << "[" << c.text << "]";
  }
}

TEST(UtTextRoutines, StrToSmallIntCode) {
  const struct {
    const char* text;
    int16_t value;
    int code;
  } cases[] = {
      {"32767", 32767, 0}, {"-32767", -32767, 0}, {"-32768", 0, 6}, {"32768", 0, 5},
      {"7FFFH", 32767, 0}, {" 8000H", 0, 6},      {"12G4", 0, 3},   {"", 0, -1},
  };
  for (const auto& c : cases) {
    int code = 99;
    EXPECT_EQ(StrToSmallIntCode(QString::fromLatin1(c.text), code), c.value) << "[" << c.text << "]";
    EXPECT_EQ(code, c.code) << "[" << c.text << "]";
  }
}

TEST(UtTextRoutines, HexByteIsUpperCaseHighNibbleFirst) {
  EXPECT_EQ(HexByte(0x00), QStringLiteral("00"));
  EXPECT_EQ(HexByte(0x0F), QStringLiteral("0F"));
  EXPECT_EQ(HexByte(0xF0), QStringLiteral("F0"));
  EXPECT_EQ(HexByte(0xAB), QStringLiteral("AB"));
}
} // namespace
