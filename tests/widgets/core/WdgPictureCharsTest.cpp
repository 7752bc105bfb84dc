#include "widgets/core/WdgPictureChars.h"

#include <gtest/gtest.h>

namespace {
struct FitCase {
  char16_t picture;
  char16_t typed;
  bool force;
  char16_t preceding;
  bool fits;
  char16_t result;
};

void CheckFits(const FitCase& c, const TWdgUserData& data) {
  QChar ch(c.typed);
  EXPECT_EQ(CharFitsMask(QChar(c.picture), ch, c.force, QChar(c.preceding), RegionalSettings(), data), c.fits)
      << char(c.picture) << " '" << QString(QChar(c.typed)).toStdString() << "'";
  EXPECT_EQ(ch, QChar(c.result)) << char(c.picture) << " '" << QString(QChar(c.typed)).toStdString() << "'";
}
} // namespace

TEST(WdgPictureChars, EachPictureCharacterTakesItsOwnCharacters) {
  const FitCase cases[] = {
      {u'9', u'5', true, u' ', true, u'5'},   {u'9', u' ', true, u' ', true, u' '},
      {u'9', u'-', true, u' ', false, u'-'},  {u'9', u'a', true, u' ', false, u'a'},
      {u'i', u'-', true, u' ', true, u'-'},   {u'i', u'.', true, u' ', false, u'.'},
      {u'#', u'.', true, u' ', true, u'.'},   {u'#', u'+', true, u' ', false, u'+'},
      {u'E', u'e', true, u' ', true, u'E'},   {u'E', u'e', false, u' ', false, u'e'},
      {u'E', u'+', true, u' ', true, u'+'},   {u'K', u'f', true, u' ', true, u'F'},
      {u'K', u'G', true, u' ', false, u'G'},  {u'O', u'7', true, u' ', true, u'7'},
      {u'O', u'8', true, u' ', false, u'8'},  {u'b', u'1', true, u' ', true, u'1'},
      {u'b', u'2', true, u' ', false, u'2'},  {u'B', u't', true, u' ', true, u'T'},
      {u'B', u'x', true, u' ', false, u'X'},  {u'Y', u'n', true, u' ', true, u'N'},
      {u'Y', u'n', false, u' ', false, u'n'}, {u'D', u'3', true, u' ', true, u'3'},
      {u'h', u'x', true, u' ', false, u'x'},  {u't', u'P', true, u' ', true, u'P'},
      {u'a', u'q', true, u' ', true, u'q'},   {u'a', u'1', true, u' ', false, u'1'},
      {u'A', u'q', true, u' ', true, u'Q'},   {u'N', u'\u00e9', true, u' ', true, u'\u00c9'},
      {u'l', u'Q', true, u' ', true, u'q'},   {u'n', u'-', true, u' ', true, u'-'},
      {u'X', u'%', true, u' ', true, u'%'},   {u'!', u'z', true, u' ', true, u'Z'},
      {u'L', u'Z', true, u' ', true, u'z'},   {u'x', u'a', true, u' ', true, u'A'},
      {u'x', u'a', true, u'-', true, u'A'},   {u'x', u'a', true, u'b', true, u'a'},
      // Literals take anything; the null character fits nowhere.
      {u'(', u'z', true, u' ', true, u'z'},   {u'X', 0, true, u' ', false, 0},
  };
  const TWdgUserData data;
  for (const FitCase& c : cases) CheckFits(c, data);
}

TEST(WdgPictureChars, UserCharactersFollowTheUserData) {
  TWdgUserData data;
  std::bitset<256> letters;
  for (int c = 'A'; c <= 'Z'; ++c) letters.set(c);
  for (int c = 'a'; c <= 'z'; ++c) letters.set(c);
  data.SetCharSet(u'1', letters);
  data.SetCaseRule(u'1', 1);
  data.SetCaseRule(u'2', 2);
  data.SetCaseRule(u'3', 3);
  data.SetCaseRule(u'4', 9);  // not a rule: as typed
  const FitCase cases[] = {
      {u'1', u'a', true, u' ', true, u'A'}, {u'1', u'5', true, u' ', false, u'5'},
      {u'2', u'Q', true, u' ', true, u'q'}, {u'3', u'q', true, u' ', true, u'Q'},
      {u'3', u'q', true, u'r', true, u'q'}, {u'4', u'q', true, u' ', true, u'q'},
      // Untouched sets take everything but the null character.
      {u'8', u'#', true, u' ', true, u'#'},
  };
  for (const FitCase& c : cases) CheckFits(c, data);
}

TEST(WdgPictureChars, PlaceholderSet) {
  const QString placeholders = QStringLiteral("!#12345678ABDEHKLMNOSXYabdhilmnstxy9");
  for (QChar c : placeholders) EXPECT_TRUE(IsPlaceholderChar(c)) << QString(c).toStdString();
  for (QChar c : QStringLiteral("$,.()-/ cCpgPZz0"))
    EXPECT_FALSE(IsPlaceholderChar(c)) << QString(c).toStdString();
}
