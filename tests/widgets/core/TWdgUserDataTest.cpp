#include "widgets/core/TWdgUserData.h"

#include <QString>

#include <gtest/gtest.h>

TEST(TWdgUserData, DefaultsAcceptEverythingButNullAndShowLiteralsAsThemselves) {
  const TWdgUserData data;
  for (QChar user : QStringLiteral("12345678")) {
    EXPECT_EQ(data.CaseRule(user), TWdgCaseRule::AsTyped);
    EXPECT_TRUE(data.Accepts(user, u'a'));
    EXPECT_TRUE(data.Accepts(user, QChar(0xFF)));
    EXPECT_FALSE(data.Accepts(user, QChar()));
  }
  EXPECT_EQ(data.Substitution(243), QChar(243));
  EXPECT_EQ(data.Substitution(241), QChar(0xF1));
  EXPECT_EQ(data.Substitution(248), QChar(0xF8));
}

TEST(TWdgUserData, OnlyTheEightUserCharactersAndCodesCount) {
  TWdgUserData data;
  data.SetCaseRule(u'9', 1);
  data.SetSubstitution(240, u'x');
  EXPECT_EQ(data.CaseRule(u'9'), TWdgCaseRule::AsTyped);
  EXPECT_EQ(data.CaseRuleCode(u'0'), 0);
  EXPECT_TRUE(data.Substitution(240).isNull());
  EXPECT_TRUE(data.Substitution(249).isNull());
  std::bitset<256> set;
  set.set(5);
  EXPECT_FALSE(data.CopyCharSet(u'9', set));
  EXPECT_TRUE(set.test(5));
  EXPECT_FALSE(data.Accepts(u'9', u'a'));
  EXPECT_EQ(data.ShownLiteral(u'('), u'(');
}

TEST(TWdgUserData, SetsRulesAndSubstitutionsAreKeptPerCharacter) {
  TWdgUserData data;
  std::bitset<256> digits;
  for (int c = '0'; c <= '9'; ++c) digits.set(c);
  data.SetCharSet(u'2', digits);
  data.SetCaseRule(u'2', 2);
  data.SetSubstitution(244, u':');
  std::bitset<256> copy;
  EXPECT_TRUE(data.CopyCharSet(u'2', copy));
  EXPECT_EQ(copy, digits);
  EXPECT_TRUE(data.Accepts(u'2', u'7'));
  EXPECT_FALSE(data.Accepts(u'2', u'a'));
  EXPECT_TRUE(data.Accepts(u'1', u'a'));
  EXPECT_EQ(data.CaseRule(u'2'), TWdgCaseRule::Lower);
  EXPECT_EQ(data.ShownLiteral(QChar(244)), u':');
  EXPECT_EQ(data.ShownLiteral(QChar(245)), QChar(245));
  // A character Windows-1252 lacks is in no set.
  EXPECT_FALSE(data.Accepts(u'1', QChar(0x4E00)));
}
