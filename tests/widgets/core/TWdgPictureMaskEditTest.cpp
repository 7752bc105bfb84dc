#include "widgets/core/TWdgPictureMask.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }

// (999) 999-9999: literals at 0, 4, 5 and 9; entry positions 1-3, 6-8, 10-13.
TWdgPictureMask Phone() { return TWdgPictureMask(T("(999) 999-9999")); }
} // namespace

TEST(TWdgPictureMaskEdit, HomeAndLastPlaceholder) {
  const TWdgPictureMask phone = Phone();
  EXPECT_EQ(phone.HomePosition(), 1);
  EXPECT_EQ(phone.LastPlaceholder(), 13);
  // Semi-literals count into the home position of a picture field, not of a numeric one.
  TWdgPictureMask money(T("$##,###.##"));
  EXPECT_EQ(money.HomePosition(), 2);
  EXPECT_EQ(money.LastPlaceholder(), 9);
  money.SetNumericClass(true);
  EXPECT_EQ(money.HomePosition(), 0);
  // Leading literals count no further than the last position.
  TWdgPictureMask literals(T("--"));
  EXPECT_EQ(literals.HomePosition(), 1);
  EXPECT_EQ(literals.LastPlaceholder(), 0);
}

TEST(TWdgPictureMaskEdit, CaretEndsAfterTheTextOnAnEntryPosition) {
  const TWdgPictureMask phone = Phone();
  struct Case {
    const char* edit;
    int endOfText, caretEnd;
  } const cases[] = {
      {"(555) 12 -    ", 8, 8},
      {"(555)    -    ", 4, 6},
      {"(   )    -    ", 0, 1},
      {"(555) 123-4567", 14, 14},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(phone.EndOfText(T(c.edit)), c.endOfText) << c.edit;
    EXPECT_EQ(phone.CaretEndPosition(T(c.edit)), c.caretEnd) << c.edit;
  }
}

TEST(TWdgPictureMaskEdit, CaretStaysOnEntryPositions) {
  const TWdgPictureMask phone = Phone();
  struct Case {
    int asked, allowed, next, previous;
  } const cases[] = {
      {-3, 1, 2, 1}, {0, 1, 2, 1},  {1, 1, 2, 1},   {3, 3, 6, 2},   {4, 3, 6, 2},   {5, 3, 6, 2},
      {6, 6, 7, 3},  {9, 8, 10, 7}, {13, 13, 14, 12}, {14, 14, 14, 13}, {20, 14, 14, 13},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(phone.AllowedCaretPosition(c.asked), c.allowed) << c.asked;
    EXPECT_EQ(phone.NextCaretPosition(c.allowed), c.next) << c.asked;
    EXPECT_EQ(phone.PreviousCaretPosition(c.allowed), c.previous) << c.asked;
  }
}

TEST(TWdgPictureMaskEdit, EmptyMeansBlanksOnEveryEntryPosition) {
  const TWdgPictureMask phone = Phone();
  EXPECT_TRUE(phone.IsEmpty(T("(   )    -    ")));
  EXPECT_FALSE(phone.IsEmpty(T("(  5)    -    ")));
  EXPECT_FALSE(phone.IsEmpty(T("(   )    -   0")));
}

TEST(TWdgPictureMaskEdit, PadAndPasswordCharactersShowOnEntryPositions) {
  struct Case {
    const char* picture;
    const char* edit;
    char pad, password;
    bool passwordMode;
    const char* shown;
  } const cases[] = {
      {"999", "  5", '0', '*', false, "005"},
      {"999", "  5", ' ', '*', false, "  5"},
      {"XXXX", "ab  ", '_', '*', true, "**__"},
      {"XXXX", "ab  ", ' ', '#', true, "##  "},
      {"(999)", "(12 )", '_', '*', false, "(12_)"},
      {"(999)", "(12 )", '_', '*', true, "(**_)"},
  };
  for (const Case& c : cases) {
    const TWdgPictureMask mask(T(c.picture));
    EXPECT_EQ(mask.DisplayText(T(c.edit), QChar::fromLatin1(c.pad), QChar::fromLatin1(c.password), c.passwordMode),
              T(c.shown))
        << c.picture << " '" << c.edit << "'";
  }
}

TEST(TWdgPictureMaskEdit, DecimalPointIsFixedAfterTyping) {
  const TWdgPictureMask mask(T("###.##"));
  struct Case {
    const char* edit;
    const char* fixed;
  } const cases[] = {
      {"1 2.5 ", " 12.50"}, {"12 . 5", " 12.50"}, {"   .  ", "  0.00"}, {"123.45", "123.45"},
      {"1  .  ", "  1.00"}, {"12.5", "12.5"},  // not the picture's length: unchanged
  };
  for (const Case& c : cases) EXPECT_EQ(mask.FixDecimalPoint(T(c.edit)), T(c.fixed)) << c.edit;
  EXPECT_EQ(TWdgPictureMask(T("999")).FixDecimalPoint(T("1 2")), T("1 2"));
}

TEST(TWdgPictureMaskEdit, PreparedEditStringsLoseCurrencyAndSeparators) {
  const TWdgPictureMask money(T("$##,###.##"));
  QString edit = money.MergeText(T("1234.5"));
  ASSERT_EQ(edit, T(" $1,234.50"));
  EXPECT_TRUE(money.PrepareEditString(edit));
  EXPECT_EQ(edit, T("   1234.50"));
  // Leaving merges the digits back into the picture.
  EXPECT_EQ(money.ReformatAfterEdit(edit), T(" $1,234.50"));

  // Without semi-literals only hexadecimal, octal and binary pictures are prepared, unchanged.
  QString plain = T("  5");
  EXPECT_FALSE(TWdgPictureMask(T("999")).PrepareEditString(plain));
  QString hex = T("0F");
  EXPECT_TRUE(TWdgPictureMask(T("KK")).PrepareEditString(hex));
  EXPECT_EQ(hex, T("0F"));
}
