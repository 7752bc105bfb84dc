#include "widgets/core/TWdgFieldValue.h"
#include "widgets/core/TWdgNumericEntryBuffer.h"

#include <gtest/gtest.h>

namespace {
using Typed = TWdgNumericEntryBuffer::Typed;

// Types the characters one by one; returns what the last one did.
Typed TypeAll(TWdgNumericEntryBuffer& buffer, const QString& keys) {
  Typed last = Typed::Changed;
  for (QChar c : keys) last = buffer.TypeChar(c);
  return last;
}

struct TypingCase {
  const char* picture;
  const char* loaded; // the field's text when the focus arrived
  const char* keys;
  const char* editText;
  Typed last;
};

TEST(WdgNumericEntryBuffer, TypesLikeACalculator) {
  const TypingCase cases[] = {
      // A field showing 0 starts with nothing typed: the 7 replaces the 0.
      {"999", "0", "7", "7", Typed::Changed},
      {"999", "0", "00", "0", Typed::Changed},
      {"999", "0", "07", "7", Typed::Changed},
      {"999", "", "30", "30", Typed::Changed},
      {"999", "", "300", "300", Typed::ChangedFull},
      // A fourth digit, a sign, a point, a letter and a blank are refused on '999'.
      {"999", "", "2554", "255", Typed::Refused},
      {"999", "12", "-", "12", Typed::Refused},
      {"999", "12", ".", "12", Typed::Refused},
      {"999", "12", "a", "12", Typed::Refused},
      {"999", "12", " ", "12", Typed::Refused},
      // The typed text continues what the field showed.
      {"999", "12", "3", "123", Typed::ChangedFull},
      // The sign takes a digit's place on 'i' pictures and toggles.
      {"iii", "", "12-", "-12", Typed::Changed},
      {"iii", "", "-12", "-12", Typed::ChangedFull},
      {"iii", "", "-1-", "1", Typed::Changed},
      {"iii", "", "123-", "123", Typed::Refused},
      {"iii", "", "-123", "-12", Typed::Refused},
      // A one-digit field takes each digit in place of the last.
      {"9", "", "47", "7", Typed::ChangedFull},
      // Decimals: one point, the integer digits limited, a leading point shown with a 0.
      {"###.##", "", "1.5", "1.5", Typed::Changed},
      {"###.##", "", ".5", "0.5", Typed::Changed},
      {"###.##", "", "1..", "1.", Typed::Refused},
      {"###.##", "", "1234", "123", Typed::Refused},
      {"###.##", "", "123.45", "123.45", Typed::ChangedFull},
      {"###.##", "", "123.456", "123.45", Typed::Refused},
      {"###.##", "-1.5", "", "-1.5", Typed::Changed},
      // Hexadecimal pictures take the letters A-F, as capitals.
      {"KK", "", "fa", "FA", Typed::ChangedFull},
      {"KK", "", "g", "0", Typed::Refused},
  };
  for (const TypingCase& c : cases) {
    TWdgNumericEntryBuffer buffer(QString::fromLatin1(c.picture));
    buffer.LoadEntryBuffer(QString::fromLatin1(c.loaded));
    const Typed last = TypeAll(buffer, QString::fromLatin1(c.keys));
    EXPECT_EQ(buffer.EditText(), QString::fromLatin1(c.editText)) << c.picture << " " << c.keys;
    if (*c.keys) {
      EXPECT_EQ(last, c.last) << c.picture << " " << c.keys;
    }
  }
}

TEST(WdgNumericEntryBuffer, ThreeHundredTypedChecksOutOfRangeOnAByteField) {
  TWdgNumericEntryBuffer buffer(QStringLiteral("999"));
  buffer.LoadEntryBuffer(QStringLiteral("0"));
  TypeAll(buffer, QStringLiteral("300"));
  TWdgFieldValue value(TWdgDataSubtype::Byte, QStringLiteral("999"));
  value.SetRange(0, 255);
  value.SetText(buffer.EditText());
  EXPECT_EQ(value.Check(), WdgFieldError::kNotInRange);
  EXPECT_EQ(value.GetIntValue(), 0);
  EXPECT_EQ(value.LastError(), 256);

  buffer.ClearEntry();
  TypeAll(buffer, QStringLiteral("255"));
  value.SetText(buffer.EditText());
  EXPECT_EQ(value.GetIntValue(), 255);
  EXPECT_EQ(value.LastError(), 0);
}

TEST(WdgNumericEntryBuffer, OverFullBufferHasNoRoom) {
  // A value wider than the picture was written; typing cannot add to it.
  TWdgNumericEntryBuffer buffer(QStringLiteral("iii"));
  buffer.LoadEntryBuffer(QStringLiteral("-128"));
  EXPECT_EQ(buffer.Count(), 4);
  EXPECT_EQ(buffer.TypeChar(u'1'), Typed::NoRoom);
  EXPECT_EQ(buffer.EditText(), QStringLiteral("-128"));
}

struct RemoveCase {
  const char* picture;
  const char* loaded;
  int removals;
  const char* editText;
  bool lastChanged;
};

TEST(WdgNumericEntryBuffer, BackspaceRemovesTheLastCharacterThenTheSign) {
  const RemoveCase cases[] = {
      {"999", "7", 1, "0", true},
      {"999", "255", 1, "25", true},
      {"999", "0", 1, "0", false},
      {"iii", "-5", 1, "-0", true},
      {"iii", "-5", 2, "0", true},
      {"iii", "-5", 3, "0", false},
      // A '0' left alone before the point goes with the character after it.
      {"#.##", "0.5", 2, "0", true},
      {"#.##", "0.5", 1, "0.", true},
  };
  for (const RemoveCase& c : cases) {
    TWdgNumericEntryBuffer buffer(QString::fromLatin1(c.picture));
    buffer.LoadEntryBuffer(QString::fromLatin1(c.loaded));
    bool changed = false;
    for (int i = 0; i < c.removals; ++i) changed = buffer.RemoveLast();
    EXPECT_EQ(buffer.EditText(), QString::fromLatin1(c.editText)) << c.loaded << " " << c.removals;
    EXPECT_EQ(changed, c.lastChanged) << c.loaded << " " << c.removals;
  }
}

TEST(WdgNumericEntryBuffer, LoadsTheShownValue) {
  TWdgNumericEntryBuffer buffer(QStringLiteral("iii.##"));
  buffer.LoadEntryBuffer(QStringLiteral("  -12,50 "), u',');
  EXPECT_TRUE(buffer.TypedNegative());
  EXPECT_EQ(buffer.TypedChars(), QStringLiteral("12.50"));
  buffer.LoadEntryBuffer(QStringLiteral("0"));
  EXPECT_FALSE(buffer.TypedNegative());
  EXPECT_EQ(buffer.TypedChars(), QString());
}

struct PasteCase {
  const char* picture;
  const char* text;
  const char* editText;
  bool changed;
};

TEST(WdgNumericEntryBuffer, PasteTakesWhatTypingWouldTake) {
  const PasteCase cases[] = {
      {"999", "abc", "0", false},
      {"999", "300", "300", true},
      {"999", "1234", "123", true},
      {"999", "-5", "5", true},
      {"999", "1.5", "15", true},
      {"iii", "-5", "-5", true},
      {"iii", "--5", "-5", true},
      {"iiip", "(12)", "-12", true},
      {"iii", "(12)", "12", true},
      {"###.##", "1.2.3", "1.23", true},
  };
  for (const PasteCase& c : cases) {
    TWdgNumericEntryBuffer buffer(QString::fromLatin1(c.picture));
    EXPECT_EQ(buffer.Paste(QString::fromLatin1(c.text)), c.changed) << c.picture << " " << c.text;
    EXPECT_EQ(buffer.EditText(), QString::fromLatin1(c.editText)) << c.picture << " " << c.text;
  }
}

struct RebuildCase {
  const char* typed;
  const char* merged; // '######.##' merged with the edit text
  const char* shown;
};

TEST(WdgNumericEntryBuffer, ShowsTheDecimalsAsTyped) {
  // Home position 0, last placeholder 8.
  const RebuildCase cases[] = {
      {"1", "     1.00", "        1"},
      {"1.", "     1.00", "       1."},
      {"1.5", "     1.50", "      1.5"},
      {"1.25", "     1.25", "     1.25"},
  };
  for (const RebuildCase& c : cases) {
    TWdgNumericEntryBuffer buffer(QStringLiteral("######.##"));
    buffer.LoadEntryBuffer(QString::fromLatin1(c.typed));
    EXPECT_EQ(buffer.RebuildEditString(QString::fromLatin1(c.merged), 0, 8),
              QString::fromLatin1(c.shown))
        << c.typed;
  }
  // Decimals beyond the picture's (a loaded value) push the text left.
  TWdgNumericEntryBuffer buffer(QStringLiteral("###.#"));
  buffer.LoadEntryBuffer(QStringLiteral("1.25"));
  EXPECT_EQ(buffer.RebuildEditString(QStringLiteral("  1.2"), 0, 4), QStringLiteral(" 1.25"));
}
} // namespace
