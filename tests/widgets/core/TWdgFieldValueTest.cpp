#include "widgets/core/TWdgFieldValue.h"

#include "widgets/core/WdgExceptions.h"

#include <gtest/gtest.h>

namespace {
using S = TWdgDataSubtype;
QString T(const char* s) { return QString::fromUtf8(s); }

TWdgFieldValue ByteField(int32_t low = 0, int32_t high = 255) {
  TWdgFieldValue field(S::Byte, T("999"));
  field.SetRange(low, high);
  return field;
}

struct DefaultRangeCase {
  S subtype;
  int32_t low;
  int32_t high;
  int dataSize;
};

TEST(TWdgFieldValue, EqualLimitsGiveTheSubtypesDefaultRange) {
  const DefaultRangeCase cases[] = {
      {S::LongInt, INT32_MIN, INT32_MAX, 4}, {S::Word, 0, 65535, 2},
      {S::SmallInt, -32768, 32767, 2},       {S::Byte, 0, 255, 1},
      {S::ShortInt, -128, 127, 1},
  };
  for (const DefaultRangeCase& c : cases) {
    TWdgFieldValue field(c.subtype);
    field.SetRange(3, 5);
    field.SetRange(0, 0);
    EXPECT_EQ(field.RangeLo(), c.low) << int(c.subtype);
    EXPECT_EQ(field.RangeHi(), c.high) << int(c.subtype);
    EXPECT_EQ(field.DataSize(), c.dataSize) << int(c.subtype);
    field.SetRange(7, 7);
    EXPECT_EQ(field.RangeHi(), c.high) << int(c.subtype);
  }
}

struct ReadCase {
  const char* text;
  int32_t value;
  int error;
};

TEST(TWdgFieldValue, GetIntValueGivesZeroAndTheCheckCodeForABadText) {
  const ReadCase cases[] = {
      {"255", 255, 0},
      {"0", 0, 0},
      {"", 0, 0},
      {"  7 ", 7, 0},
      {"300", 0, WdgFieldError::kNotInRange},
      {"256", 0, WdgFieldError::kNotInRange},
      {"-1", 0, WdgFieldError::kNotInRange},
      {"99999999999", 0, WdgFieldError::kNotANumber},
      {"-", 0, WdgFieldError::kNotANumber},
      {"--5", 0, WdgFieldError::kNotANumber},
      {".", 0, WdgFieldError::kNotANumber},
      {"1x", 0, WdgFieldError::kNotANumber},
  };
  for (const ReadCase& c : cases) {
    TWdgFieldValue field = ByteField();
    field.SetText(T(c.text));
    EXPECT_EQ(field.GetIntValue(), c.value) << c.text;
    EXPECT_EQ(field.LastError(), c.error) << c.text;
    EXPECT_EQ(field.Check(), c.error) << c.text;
    EXPECT_EQ(field.Text(), T(c.text)) << c.text;
  }
}

TEST(TWdgFieldValue, AGoodReadClearsTheLastError) {
  TWdgFieldValue field = ByteField();
  field.SetText(T("300"));
  field.GetIntValue();
  field.SetText(T("24"));
  EXPECT_EQ(field.GetIntValue(), 24);
  EXPECT_EQ(field.LastError(), 0);
}

TEST(TWdgFieldValue, AnEmptyTextIsOutOfARangeWithoutZero) {
  TWdgFieldValue field = ByteField(1, 24);
  EXPECT_EQ(field.GetIntValue(), 0);
  EXPECT_EQ(field.LastError(), WdgFieldError::kNotInRange);
  field.SetText(T("24"));
  EXPECT_EQ(field.GetIntValue(), 24);
  field.SetText(T("25"));
  EXPECT_EQ(field.GetIntValue(), 0);
  EXPECT_EQ(field.LastError(), WdgFieldError::kNotInRange);
}

TEST(TWdgFieldValue, SetIntValueWritesTheTextThatReadsBack) {
  TWdgFieldValue field = ByteField();
  field.SetIntValue(255);
  EXPECT_EQ(field.Text(), T("255"));
  EXPECT_EQ(field.GetIntValue(), 255);
  EXPECT_EQ(field.LastError(), 0);
}

struct WideCase {
  S subtype;
  int32_t value;
};

// A value the subtype cannot hold is refused, not cut to its width (300 on a Byte field
// would otherwise show 44, another register).
TEST(TWdgFieldValue, SetIntValueRefusesAValueWiderThanTheSubtype) {
  const WideCase cases[] = {
      {S::Byte, 300},      {S::Byte, 256},        {S::Byte, -1},
      {S::ShortInt, 128},  {S::ShortInt, -129},   {S::Word, 65536},
      {S::Word, -1},       {S::SmallInt, 32768},  {S::SmallInt, -32769},
  };
  for (const WideCase& c : cases) {
    TWdgFieldValue field(c.subtype);
    field.SetText(T("12"));
    EXPECT_THROW(field.SetIntValue(c.value), EInvalidRangeValue) << int(c.subtype) << " " << c.value;
    EXPECT_EQ(field.Text(), T("12"));
  }
  TWdgFieldValue field(S::Byte);
  try {
    field.SetIntValue(300);
    FAIL() << "300 taken by a Byte field";
  } catch (const EInvalidRangeValue& e) {
    EXPECT_EQ(e.Message(), EInvalidRangeValue::MessageFor(S::Byte));
  }
}

TEST(TWdgFieldValue, SetIntValueOutsideTheRangeIsWrittenForTheCheckToReport) {
  TWdgFieldValue field = ByteField(0, 24);
  field.SetIntValue(200);
  EXPECT_EQ(field.Text(), T("200"));
  EXPECT_EQ(field.GetIntValue(), 0);
  EXPECT_EQ(field.LastError(), WdgFieldError::kNotInRange);
}

TEST(TWdgFieldValue, SubtypeLimitsAreTaken) {
  TWdgFieldValue longField(S::LongInt);
  longField.SetIntValue(INT32_MIN);
  EXPECT_EQ(longField.Text(), T("-2147483648"));
  EXPECT_EQ(longField.GetIntValue(), INT32_MIN);
  EXPECT_EQ(longField.LastError(), 0);
  TWdgFieldValue shortField(S::ShortInt);
  shortField.SetIntValue(-128);
  EXPECT_EQ(shortField.GetIntValue(), -128);
  shortField.SetIntValue(127);
  EXPECT_EQ(shortField.GetIntValue(), 127);
}

TEST(TWdgFieldValue, NonIntegerSubtypesRaiseInvalidDataType) {
  for (S subtype : {S::String, S::Char, S::Boolean, S::YesNo, S::Real, S::Extended, S::Double,
                    S::Single, S::Comp, S::Date, S::Time}) {
    EXPECT_THROW(TWdgFieldValue field(subtype), EInvalidDataType) << int(subtype);
  }
}

struct RangeTextCase {
  const char* text;
  bool taken;
  int32_t high;
};

TEST(TWdgFieldValue, RangeHiTextIsTakenOnlyWhenTheSubtypeHoldsIt) {
  const RangeTextCase cases[] = {
      {"255", true, 255}, {"24", true, 24}, {"", true, 0},
      {"256", false, 100}, {"-1", false, 100}, {"abc", false, 100}, {"-", false, 100},
  };
  for (const RangeTextCase& c : cases) {
    TWdgFieldValue field = ByteField(0, 100);
    if (c.taken) {
      field.SetRangeHiText(T(c.text));
    } else {
      EXPECT_THROW(field.SetRangeHiText(T(c.text)), EInvalidRangeValue) << c.text;
    }
    EXPECT_EQ(field.RangeHi(), c.high) << c.text;
  }
  TWdgFieldValue field = ByteField();
  try {
    field.SetRangeHiText(T("256"));
    FAIL() << "256 taken as a Byte limit";
  } catch (const EInvalidRangeValue& e) {
    EXPECT_TRUE(e.Message().contains(T("(0)")) && e.Message().contains(T("(255)")))
        << e.Message().toStdString();
  }
}

TEST(TWdgFieldValue, RangeLoTextReadsBackAndABadTextKeepsTheOldLimit) {
  TWdgFieldValue field(S::SmallInt);
  field.SetRangeLoText(T("-500"));
  EXPECT_EQ(field.RangeLo(), -500);
  EXPECT_EQ(field.RangeLoText(), T("-500"));
  EXPECT_THROW(field.SetRangeLoText(T("-32769")), EInvalidRangeValue);
  EXPECT_EQ(field.RangeLo(), -500);
}

TEST(TWdgFieldValue, SetRangeRefusesALimitTheSubtypeCannotHold) {
  TWdgFieldValue field = ByteField(1, 24);
  EXPECT_THROW(field.SetRange(0, 300), EInvalidRangeValue);
  EXPECT_EQ(field.RangeLo(), 1);
  EXPECT_EQ(field.RangeHi(), 24);
}

TEST(TWdgFieldValue, AHexadecimalByteFieldShowsFF) {
  TWdgFieldValue field(S::Byte, T("KK"));
  field.SetIntValue(255);
  EXPECT_EQ(field.Text(), T("FF"));
  EXPECT_EQ(field.RangeHiText(), T("FF"));
  EXPECT_EQ(field.GetIntValue(), 255);
  field.SetText(T("$FF"));
  EXPECT_EQ(field.GetIntValue(), 255);
  field.SetText(T("100"));
  EXPECT_EQ(field.GetIntValue(), 0);
  EXPECT_EQ(field.LastError(), WdgFieldError::kNotInRange);
}

struct PatternCase {
  S subtype;
  const char* picture;
  int32_t value;
  const char* text;
};

// A hexadecimal, octal or binary text is the value's bit pattern at the subtype's width.
TEST(TWdgFieldValue, RadixTextsRoundTripAtTheSubtypesWidth) {
  const PatternCase cases[] = {
      {S::SmallInt, "KKKK", -1, "FFFF"},
      {S::SmallInt, "KKKK", -32768, "8000"},
      {S::ShortInt, "KK", -128, "80"},
      {S::Word, "KKKK", 65535, "FFFF"},
      {S::LongInt, "KKKKKKKK", -1, "FFFFFFFF"},
      {S::LongInt, "KKKKKKKK", INT32_MIN, "80000000"},
      {S::Byte, "OOOO", 8, "0010"},
      {S::ShortInt, "bbbbbbbb", -1, "11111111"},
      {S::Word, "bbbbbbbbbbbbbbbb", 5, "0000000000000101"},
  };
  for (const PatternCase& c : cases) {
    TWdgFieldValue field(c.subtype, T(c.picture));
    field.SetIntValue(c.value);
    EXPECT_EQ(field.Text(), T(c.text)) << c.text;
    EXPECT_EQ(field.GetIntValue(), c.value) << c.text;
    EXPECT_EQ(field.LastError(), 0) << c.text;
  }
}

TEST(TWdgFieldValue, ARadixTextWiderThanTheSubtypeIsOutOfRange) {
  TWdgFieldValue field(S::SmallInt, T("KKKK"));
  field.SetText(T("1FFFF"));
  EXPECT_EQ(field.GetIntValue(), 0);
  EXPECT_EQ(field.LastError(), WdgFieldError::kNotInRange);
  EXPECT_THROW(field.SetRangeHiText(T("10000")), EInvalidRangeValue);
}
struct InitialCase {
  S subtype;
  int32_t low;
  int32_t high;
  const char* text;
};

TEST(TWdgFieldValue, TheInitialValueIsZeroOrTheLowLimit) {
  const InitialCase cases[] = {
      {S::Byte, 0, 255, "0"},       {S::Byte, 1, 24, "1"},
      {S::ShortInt, -10, 10, "0"},  {S::ShortInt, -100, -5, "-100"},
      {S::LongInt, 0, 0, "0"},      {S::Word, 500, 600, "500"},
  };
  for (const InitialCase& c : cases) {
    TWdgFieldValue field(c.subtype);
    field.SetRange(c.low, c.high);
    field.SetInitialValue();
    EXPECT_EQ(field.Text(), T(c.text)) << c.text;
    field.GetIntValue();
    EXPECT_EQ(field.LastError(), 0) << c.text;
  }
}

TEST(TWdgFieldValue, ANewSubtypeBringsItsDefaultRangeAndShowsZero) {
  TWdgFieldValue field = ByteField(1, 24);
  field.SetText(T("300"));
  field.SetSubtype(S::Word);
  EXPECT_EQ(field.Subtype(), S::Word);
  EXPECT_EQ(field.RangeLo(), 0);
  EXPECT_EQ(field.RangeHi(), 65535);
  EXPECT_EQ(field.DataSize(), 2);
  EXPECT_EQ(field.Text(), T("0"));
  EXPECT_THROW(field.SetSubtype(S::Double), EInvalidDataType);
  EXPECT_EQ(field.Subtype(), S::Word);
  EXPECT_EQ(field.RangeHi(), 65535);
}
} // namespace
