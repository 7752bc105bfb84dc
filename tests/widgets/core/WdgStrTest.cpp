#include "widgets/core/WdgStr.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }

struct LongCase {
  const char* text;
  bool ok;
  int32_t value;  // the value, or the position of the offending character
};

TEST(WdgStr, TextToLong) {
  const LongCase cases[] = {
      {"0", true, 0},
      {"255", true, 255},
      {"-12", true, -12},
      {"+7", true, 7},
      {"  42", true, 42},
      {"42  ", true, 42},
      {"42\t\r\n", true, 42},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"0x1F", true, 31},
      {"0xff", true, 255},
      {"0xFFFFFFFF", true, -1},
      {"-0x10", true, -16},
      {"2147483648", false, 9},
      {"-2147483649", false, 10},
      {"0x100000000", false, 10},
      {"12a", false, 2},
      {"1 2", false, 1},
      {"--5", false, 1},
      {"-", false, 1},
      {"", false, 0},
      {"   ", false, 0},
      {"0x", false, 2},
      {"0xG", false, 2},
      {"1.5", false, 1},
  };
  for (const auto& c : cases) {
    int32_t value = 12345;
    EXPECT_EQ(TextToLong(T(c.text), value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  int32_t value = 0;
  EXPECT_FALSE(TextToLong(QString(256, u'1'), value));
  EXPECT_EQ(value, -1);
}

struct TrimCase {
  void (*trim)(QString&);
  const char* text;
  const char* expected;
};

TEST(WdgStr, Trimming) {
  const TrimCase cases[] = {
      {TrimBlanks, "  12  ", "12"},
      {TrimBlanks, "\t12 ", "\t12"},
      {TrimBlanks, "    ", ""},
      {TrimBlanks, "", ""},
      {TrimTrailing, " 12 \t\r\n", " 12"},
      {TrimTrailingZeros, "12.500", "12.5"},
      {TrimTrailingZeros, "12.000", "12"},
      {TrimTrailingZeros, " 0.000", "0"},
      {TrimTrailingZeros, "100", "100"},
      {TrimTrailingZeros, " 100 ", "100"},
      {TrimTrailingZeros, "1.5E+100", "1.5E+100"},
      {TrimExponentZeros, "1.2300E+005", "1.23E+5"},
      {TrimExponentZeros, "1.0E+000", "1"},
      {TrimExponentZeros, "1.5E-010", "1.5E-10"},
      {TrimExponentZeros, "10E+3", "10E+3"},
      {TrimExponentZeros, "12.5", "12.5"},
  };
  for (const auto& c : cases) {
    QString text = T(c.text);
    c.trim(text);
    EXPECT_EQ(text, T(c.expected)) << c.text;
  }
}

TEST(WdgStr, NumberTexts) {
  EXPECT_EQ(BinaryText(5), QString(29, u'0') + T("101"));
  EXPECT_EQ(BinaryText(0x80000000u), T("1") + QString(31, u'0'));
  EXPECT_EQ(HexText32(0x1A2B3C4Du), T("1A2B3C4D"));
  EXPECT_EQ(HexText32(0xFFu), T("000000FF"));
  EXPECT_EQ(HexText16(0xBEEF), T("BEEF"));
  EXPECT_EQ(OctalText(8), T("000000000010"));
  EXPECT_EQ(OctalText(0xFFFFFFFFu), T("037777777777"));
  EXPECT_EQ(FillText(u'*', 3), T("***"));
  EXPECT_EQ(FillText(u'*', 0), T(""));
}

TEST(WdgStr, FindingAndCutting) {
  EXPECT_EQ(FindChar(T("a-b-c"), u'-'), 1);
  EXPECT_EQ(FindChar(T("abc"), u'-'), std::nullopt);
  EXPECT_EQ(FindText(T("abcabc"), T("ca")), 2);
  EXPECT_EQ(FindText(T("abc"), T("B")), std::nullopt);
  EXPECT_EQ(FindText(T("abc"), T("")), std::nullopt);
  EXPECT_EQ(FindText(T(""), T("a")), std::nullopt);
  EXPECT_EQ(SubText(T("abcdef"), 2, 3), T("cde"));
  EXPECT_EQ(SubText(T("abcdef"), 4, 10), T("ef"));
  EXPECT_EQ(SubText(T("abc"), 3, 1), T(""));
  EXPECT_EQ(SubText(T("abc"), -1, 1), T(""));
  EXPECT_EQ(LowerChar(u'Ä'), QChar(u'ä'));
  EXPECT_EQ(UpperChar(u'q'), QChar(u'Q'));
}

TEST(WdgStr, InsertingAndDeleting) {
  QString text = T("ace");
  InsertChar(text, u'b', 1);
  EXPECT_EQ(text, T("abce"));
  InsertChar(text, u'f', 99);
  EXPECT_EQ(text, T("abcef"));
  InsertChars(text, u'd', 2, 3);
  EXPECT_EQ(text, T("abcddef"));
  InsertText(text, T("XY"), 0);
  EXPECT_EQ(text, T("XYabcddef"));
  DeleteChar(text, 0);
  EXPECT_EQ(text, T("Yabcddef"));
  DeleteChar(text, 8);
  EXPECT_EQ(text, T("Yabcddef"));
  DeleteText(text, 4, 2);
  EXPECT_EQ(text, T("Yabcef"));
  DeleteText(text, 3, 10);
  EXPECT_EQ(text, T("Yab"));
}
} // namespace
