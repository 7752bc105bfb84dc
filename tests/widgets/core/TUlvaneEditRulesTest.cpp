#include "widgets/core/TUlvaneEditRules.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>

namespace {
using Rules = TUlvaneEditRules;
using Key = Rules::Key;
using Leaving = Rules::Leaving;

Rules Make(const char* mask, TDataType type = DTDouble) {
  Rules rules;
  rules.SetDataType(type);
  QString text;
  rules.SetEditMask(QString::fromLatin1(mask), text);
  return rules;
}

Rules Ranged(const char* mask, const char* low, const char* high) {
  Rules rules = Make(mask);
  rules.SetRangeLow(QString::fromLatin1(low));
  rules.SetRangeHigh(QString::fromLatin1(high));
  return rules;
}

// Types the keys one by one as the control does: a refused key is dropped, an accepted one
// replaces the selection or goes in at the caret.
QString Type(const Rules& rules, Rules::Edit edit, const char* keys) {
  for (const char* k = keys; *k; ++k) {
    const QChar c = QLatin1Char(*k);
    if (rules.Filter(c, edit) == Key::Refused) continue;
    edit.text = edit.text.left(edit.caret) + c + edit.text.mid(edit.caret + edit.selectionLength);
    edit.caret += 1;
    edit.selectionLength = 0;
  }
  return edit.text;
}

Rules::Edit AllSelected(const char* text) { return {QString::fromLatin1(text), 0, int(strlen(text))}; }
Rules::Edit At(const char* text, int caret) { return {QString::fromLatin1(text), caret, 0}; }

TEST(UlvaneEditRules, ANewControlIsAFloatingOneWithTheSixteenBitRange) {
  const Rules rules;
  EXPECT_EQ(rules.EditMask(), "0");
  EXPECT_EQ(rules.Mask().MaxLength(), 2);
  EXPECT_EQ(rules.RangeHigh(), "32767");
  EXPECT_EQ(rules.RangeLow(), "-32768");
  EXPECT_EQ(rules.DataType(), DTDouble);
  EXPECT_TRUE(rules.PopulateZeros());
  EXPECT_FALSE(rules.LeaveBlank());
  EXPECT_TRUE(rules.NegativeAllowed());
}

TEST(UlvaneEditRules, ADollarMaskTurnsAnEmptyOrZeroTextIntoDollarZero) {
  for (const char* before : {"", "0", "5"}) {
    Rules rules;
    QString text = QString::fromLatin1(before);
    rules.SetEditMask("$000.00", text);
    EXPECT_EQ(text, *before == '5' ? "5" : "$0") << before;
  }
}

TEST(UlvaneEditRules, AnIntegerTypeDropsTheDecimalsButKeepsTheRange) {
  Rules rules = Make("000.00");
  EXPECT_EQ(rules.SetDataType(DTInteger), "Floating numbers not allowed for integer!");
  EXPECT_EQ(rules.EditMask(), "000");
  EXPECT_EQ(rules.RangeHigh(), "999.99");
  EXPECT_EQ(rules.SetDataType(DTInteger), std::nullopt);
  EXPECT_EQ(rules.SetDataType(DTDouble), std::nullopt);
}

struct TypingCase {
  const char* mask;
  TDataType type;
  Rules::Edit start;
  const char* keys;
  const char* result;
};

TEST(UlvaneEditRules, TypingKeepsToTheMask) {
  const TypingCase cases[] = {
      // After entering, all is selected: the first key replaces it, the third digit does not fit.
      {"00", DTDouble, AllSelected("0"), "123", "12"},
      {"00", DTDouble, AllSelected("0"), "-12", "-12"},
      {"00", DTDouble, At("5", 1), "-", "5"},  // "-" only at the first position
      {"00", DTDouble, At("5", 0), "-", "-5"},
      {"00", DTDouble, AllSelected("7"), "a+ 9", "9"},
      {"000", DTInteger, AllSelected("0"), "1.5", "15"},
      {"000.00", DTDouble, AllSelected("0"), "12.345", "12.34"},
      {"000.00", DTDouble, AllSelected("0"), "1234.5", "123.5"},
      {"000.00", DTDouble, AllSelected("0"), "1..5", "1.5"},
      {"000.00", DTDouble, At("123", 1), ".", "1.23"},  // two characters become decimals
      {"000.00", DTDouble, At("123", 0), ".", "123"},   // three would be too many
      {"000.00", DTDouble, At("1.5", 2), "7", "1.75"},
      {"000.00", DTDouble, At("12.5", 0), "9", "912.5"},
      {"000.00", DTDouble, At("123.5", 0), "9", "123.5"},
      {"000.00", DTDouble, At("12.59", 4), "9", "12.59"},
      {"$000.00", DTDouble, AllSelected("0"), "5", "5"},
      // The candidate is the text with the key appended at its end, whatever the caret: "5-"
      // has no sign in front, so "-" does not fit a one-digit mask that already holds a digit.
      {"0.0", DTDouble, At("5", 0), "-", "5"},
      // A key that replaces a selection skips the fit test.
      {"00", DTDouble, {"12", 1, 1}, "3", "13"},
      {"000.00", DTDouble, {"12.34", 2, 1}, ".", "12.34"},
      {"000.00", DTDouble, {"12.34", 1, 2}, ".", "1.34"},
      {"000.00", DTDouble, {"12.34", 1, 1}, ".", "12.34"},  // a second "." stays out
  };
  for (const auto& c : cases) {
    const Rules rules = Make(c.mask, c.type);
    EXPECT_EQ(Type(rules, c.start, c.keys), c.result) << c.mask << " " << c.start.text.toStdString() << " " << c.keys;
  }
}

TEST(UlvaneEditRules, AKeyReplacingASelectionIsNotAnOrdinaryTypedKey) {
  const Rules rules = Make("00");
  EXPECT_EQ(rules.Filter('3', {"12", 1, 1}), Key::ReplacesSelection);
  EXPECT_EQ(rules.Filter('3', At("1", 1)), Key::Typed);
}

TEST(UlvaneEditRules, ASecondMinusIsRefused) {
  const Rules rules = Make("00");
  ASSERT_TRUE(rules.Fits('-', "-5", 0));  // the fit test alone would take it: "--5"
  EXPECT_EQ(Type(rules, At("-5", 0), "-"), "-5");
  EXPECT_EQ(Type(rules, {"-5", 0, 1}, "-"), "-5");  // the selected sign goes, a new one comes
  EXPECT_EQ(Type(rules, AllSelected("-5"), "-"), "-");
}

TEST(UlvaneEditRules, APointIsRefusedWhenTheMaskHasNoDecimals) {
  for (const char* mask : {"00", "000", "000000", "000."}) {
    const Rules rules = Make(mask);
    ASSERT_TRUE(rules.Fits('.', "5", 1)) << mask;  // the fit test alone would take "5."
    EXPECT_EQ(Type(rules, At("5", 1), "."), "5") << mask;
    EXPECT_EQ(Type(rules, AllSelected("5"), "."), "5") << mask;
  }
}

TEST(UlvaneEditRules, LosingThePointIsUndoneWhenMoreThanOneExtraDigitRemains) {
  Rules rules = Make("000.00");
  ASSERT_TRUE(rules.Change("123.45"));
  EXPECT_FALSE(rules.Change("12345"));
  EXPECT_EQ(rules.LastText(), "123.45");
  EXPECT_TRUE(rules.HasPeriod());
  ASSERT_TRUE(rules.Change("123.4"));
  EXPECT_TRUE(rules.Change("1234"));  // I + 1 characters are allowed
  EXPECT_FALSE(rules.HasPeriod());
  EXPECT_TRUE(rules.Change("123456"));  // nothing to lose any more
}

TEST(UlvaneEditRules, EnteringRemovesTheDollar) {
  EXPECT_EQ(Make("$000.00").Entered("$0"), "0");
  EXPECT_EQ(Make("$000.00").Entered("12.50"), "12.50");
  EXPECT_EQ(Make("000.00").Entered("12.50"), "12.50");
}

struct LeaveCase {
  const char* mask;
  const char* low;
  const char* high;
  const char* text;
  Leaving outcome;
  const char* result;
};

TEST(UlvaneEditRules, LeavingChecksTheRangeAndPadsTheDecimals) {
  const LeaveCase cases[] = {
      {"000", "0", "100", "150", Leaving::OutOfRange, "150"},
      {"000", "0", "100", "100", Leaving::Left, "100"},
      {"000", "0", "100", "-1", Leaving::OutOfRange, "-1"},
      {"000", "0", "100", "", Leaving::Left, "0"},
      {"000", "1", "100", "", Leaving::OutOfRange, "0"},
      {"00", "0", "99", "07", Leaving::Left, "07"},
      {"$000.00", "-999.99", "999.99", "5", Leaving::Left, "$5.00"},
      {"$000.00", "-999.99", "999.99", "$5", Leaving::Left, "$5.00"},
      {"000.00", "-999.99", "999.99", "12", Leaving::Left, "12.00"},
      {"000.00", "-999.99", "999.99", "12.5", Leaving::Left, "12.50"},
      {"000.00", "-999.99", "999.99", ".5", Leaving::Left, "0.50"},
      {"000.00", "-999.99", "999.99", "-.5", Leaving::Left, "-.50"},
      {"000.00", "-999.99", "999.99", "1234", Leaving::OutOfRange, "1234"},
      {"00", "-99.", "99.", "-99", Leaving::Left, "-99"},
      {"00", "0", "abc", "99", Leaving::Left, "99"},  // a bound that is no number limits nothing
  };
  for (const auto& c : cases) {
    const Rules rules = Ranged(c.mask, c.low, c.high);
    const auto left = rules.Leave(QString::fromLatin1(c.text));
    EXPECT_EQ(left.outcome, c.outcome) << c.mask << " " << c.text;
    EXPECT_EQ(left.text, c.result) << c.mask << " " << c.text;
  }
}

TEST(UlvaneEditRules, ATextThatIsNoNumberCannotBeLeft) {
  for (const char* text : {"-", "--5", ".", "-.", "5-"}) {
    const Rules rules = Ranged("000.00", "-999.99", "999.99");
    EXPECT_EQ(rules.Leave(QString::fromLatin1(text)).outcome, Leaving::OutOfRange) << text;
  }
  Rules integer = Make("000", DTInteger);
  EXPECT_EQ(integer.Leave("5.5").outcome, Leaving::OutOfRange);
}

TEST(UlvaneEditRules, TheRangeMessageNamesTheBoundsAsGiven) {
  EXPECT_EQ(Ranged("000", "0", "100").RangeMessage(), "The number must be between 0 and 100.");
  EXPECT_EQ(Make("00").RangeMessage(), "The number must be between -99. and 99..");
}

TEST(UlvaneEditRules, AnIntegerControlComparesWithFloatingBounds) {
  Rules rules = Make("00");
  rules.SetDataType(DTInteger);  // the bounds stay "-99." and "99."
  EXPECT_EQ(rules.Leave("99").outcome, Leaving::Left);
  EXPECT_EQ(rules.Leave("-99").outcome, Leaving::Left);
}

TEST(UlvaneEditRules, BlankStaysBlankWhenAllowed) {
  Rules rules = Ranged("000", "1", "100");
  rules.SetLeaveBlank(true);
  const auto left = rules.Leave("");
  EXPECT_EQ(left.outcome, Leaving::StaysBlank);
  EXPECT_EQ(left.text, "");
}

TEST(UlvaneEditRules, WithoutPopulateZerosTheTextIsKept) {
  Rules rules = Ranged("000.00", "0", "999");
  rules.SetPopulateZeros(false);
  EXPECT_EQ(rules.Leave("42").text, "42");
  EXPECT_EQ(rules.Leave(".5").text, ".5");
  Rules plu = Ranged("000000", "0", "999999");
  plu.SetPopulateZeros(false);
  EXPECT_EQ(plu.Leave("42").text, "42");
}

struct PasteCase {
  const char* mask;
  Rules::Edit edit;
  const char* pasted;
  std::optional<QString> result;
};

TEST(UlvaneEditRules, APasteIsTakenOnlyWhenTheWholeTextFitsTheMask) {
  const PasteCase cases[] = {
      {"00", At("", 0), "42", QStringLiteral("42")},
      {"00", At("", 0), " 42\n", QStringLiteral("42")},
      {"00", At("", 0), "abc", {}},
      {"00", At("", 0), "123", {}},
      {"00", At("", 0), "5.", {}},
      {"00", At("", 0), "--5", {}},
      {"00", At("", 0), "", {}},
      {"00", At("1", 1), "-5", {}},
      {"00", At("1", 0), "-", QStringLiteral("-1")},
      {"00", {"12", 0, 2}, "7", QStringLiteral("7")},
      {"00", {"12", 1, 1}, "34", {}},
      {"000.00", At("1", 1), ".25", QStringLiteral("1.25")},
      {"000.00", At("1", 1), ".255", {}},
      {"000.00", At("1.5", 3), ".5", {}},
      {"$000.00", At("", 0), "$5.50", QStringLiteral("5.50")},
      {"000", At("", 0), "$5", {}},
  };
  for (const auto& c : cases) {
    const Rules rules = Make(c.mask);
    EXPECT_EQ(rules.Inserted(c.edit, QString::fromLatin1(c.pasted)), c.result)
        << c.mask << " " << c.edit.text.toStdString() << " " << c.pasted;
  }
  EXPECT_EQ(Make("000", DTInteger).Inserted(At("", 0), "1.5"), std::nullopt);
}

struct IntReadCase {
  const char* mask;
  const char* text;
  qint32 value;
  const char* error;
};

TEST(UlvaneEditRules, ReadsTheTextAsAnInteger) {
  const IntReadCase cases[] = {
      {"$00", "$12", 12, ""},
      {"00", "-", 0, ""},
      {"00", "", 0, ""},
      {"$00", "$", 0, ""},
      {"00", "-7", -7, ""},
      {"00", "1.5", 0, "Error Occured trying to convert String: '1.5 to Integer."},
      {"00", "5.", 0, "Error Occured trying to convert String: '5. to Integer."},
      {"00", "$12", 0, "Error Occured trying to convert String: '$12 to Integer."},
  };
  for (const auto& c : cases) {
    const auto read = Make(c.mask).IntValue(QString::fromLatin1(c.text));
    EXPECT_EQ(read.value, c.value) << c.text;
    EXPECT_EQ(read.error, c.error) << c.text;
  }
}

TEST(UlvaneEditRules, ReadsTheTextAsAFloatingNumberInTheCLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const Rules money = Make("$000.00");
  EXPECT_EQ(money.FloatValue("$").value, 0);
  EXPECT_EQ(money.FloatValue("$").error, "");
  EXPECT_EQ(money.FloatValue("$12.50").value, 12.5);
  EXPECT_EQ(money.FloatValue("-").value, 0);
  const auto bad = money.FloatValue("12,50");
  EXPECT_EQ(bad.value, 0);
  EXPECT_EQ(bad.error, "Error Occured trying to convert string: '12,50 to Float.");
  QLocale::setDefault(before);
}

TEST(UlvaneEditRules, WritesValuesWithTheDollarAndPaddedDecimals) {
  EXPECT_EQ(Make("$000").IntText(-5), "$-5");
  EXPECT_EQ(Make("00").IntText(42), "42");
  EXPECT_EQ(Make("000.00").FloatText(12.5).value, "12.50");
  EXPECT_EQ(Make("$000.00").FloatText(0.5).value, "$0.50");
  EXPECT_EQ(Make("000000").FloatText(123456).value, "123456");
  const auto bad = Make("000000").FloatText(std::nan(""));
  EXPECT_EQ(bad.error, "An Error occurred trying to convert the number to a string.");
}
} // namespace
