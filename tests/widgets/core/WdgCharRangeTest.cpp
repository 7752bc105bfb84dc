#include "widgets/core/WdgCharRange.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }

struct CharCase {
  const char* text;
  char16_t c;
  const char* readBack;
};

TEST(WdgCharRange, TextsReadAndReadBack) {
  const CharCase cases[] = {
      {"", u' ', "#32"},      {"A", u'A', "A"},     {"#65", u'A', "A"},
      {"#9", u'\t', "#9"},    {"#0", u'\0', "#0"},  {"#32", u' ', "#32"},
      {"#", u' ', "#32"},     {"#x", u' ', "#32"},  {"#1234", u'{', "{"},
      {"#300", u' ', "#32"},  {"Zed", u'Z', "Z"},   {"#-1", u' ', "#32"},
  };
  for (const CharCase& c : cases) {
    const QChar read = TextToCharRange(T(c.text));
    EXPECT_EQ(read.unicode(), c.c) << c.text;
    EXPECT_EQ(CharRangeToText(read), T(c.readBack)) << c.text;
  }
}
} // namespace
