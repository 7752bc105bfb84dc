#include "widgets/core/WdgAlphaChars.h"

#include <gtest/gtest.h>

namespace {
TEST(WdgAlphaChars, HoldsLettersAndTheFewMarks) {
  for (char16_t c : {u' ', u',', u'-', u'.', u'A', u'Z', u'a', u'z', u'é', u'ß', u'Š', u'ÿ'})
    EXPECT_TRUE(IsAlphaChar(QChar(c))) << int(c);
  for (char16_t c : {u'/', u'0', u'9', u'@', u'_', u'×', u'÷', u'€', u'©', u'Ω', u'\0'})
    EXPECT_FALSE(IsAlphaChar(QChar(c))) << int(c);
  EXPECT_TRUE(AlphaChars().test(0xE9));   // é
  EXPECT_FALSE(AlphaChars().test(0xD7));  // ×
  int ascii = 0;
  for (int c = 0; c < 128; ++c) ascii += AlphaChars().test(c) ? 1 : 0;
  EXPECT_EQ(ascii, 4 + 26 + 26);
}
} // namespace
