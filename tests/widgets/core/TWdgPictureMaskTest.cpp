#include "widgets/core/TWdgPictureMask.h"

#include "widgets/core/WdgFieldText.h"

#include <gtest/gtest.h>

namespace {
QString T(const char* s) { return QString::fromUtf8(s); }

// "." decimal, "," thousands, "$" currency: the program's own settings.
const TWdgIntlSup& Plain() { return RegionalSettings(); }

// Decimal comma, thousands point, a two-letter currency.
const TWdgIntlSup& Continental() {
  static const TWdgIntlSup settings({{T("sDecimal"), T(",")}, {T("sThousand"), T(".")}, {T("sCurrency"), T("DM")}});
  return settings;
}

// A currency text with a blank after it ("USD ").
const TWdgIntlSup& SpacedCurrency() {
  static const TWdgIntlSup settings({{T("sCurrency"), T("USD")}, {T("iCurrency"), T("2")}});
  return settings;
}

struct MergeCase {
  const char* picture;
  const char* text;
  const char* merged;
  const char* stripped;  // nullptr: not checked
};

void CheckMerge(const MergeCase& c, const TWdgIntlSup& settings, bool numeric) {
  SCOPED_TRACE(std::string(c.picture) + " <- '" + c.text + "'");
  TWdgPictureMask mask(T(c.picture), settings);
  mask.SetNumericClass(numeric);
  const QString merged = mask.MergeText(T(c.text));
  EXPECT_EQ(merged, T(c.merged));
  if (c.stripped) {
    EXPECT_EQ(mask.StripText(merged), T(c.stripped));
  }
}
} // namespace

TEST(TWdgPictureMask, NumbersMergeIntoThePictureAndStripBack) {
  const MergeCase cases[] = {
      {"999", "5", "  5", "  5"},
      {"999", "255", "255", "255"},
      {"999", "", "   ", "   "},
      {"$##,###.##", "1234.5", " $1,234.50", " 1234.50"},
      {"$##,###.##", "5", "     $5.00", "     5.00"},
      // The minus sign stands left of the currency, next to it.
      {"$##,###.##", "-5", "    -$5.00", "    -5.00"},
      {"$##,###.##", "12345", "$12,345.00", "12345.00"},
      {"iiii", "-12", " -12", " -12"},
      {"iiii", "  7  ", "   7", "   7"},
      // Free leading positions of hexadecimal, octal and binary pictures show '0'.
      {"KK", "F", "0F", "0F"},
      {"KKKK", "1F", "001F", "001F"},
      {"OOO", "7", "007", "007"},
      {"bbbb", "11", "0011", "0011"},
      // Decimals: padded with zeros, extra ones dropped (not rounded); a blank before the
      // point becomes '0'.
      {"###.##", "1.5", "  1.50", "  1.50"},
      {"###.##", "1.2345", "  1.23", "  1.23"},
      {"###.##", ".5", "  0.50", "  0.50"},
      {"###.##", "", "  0.00", "  0.00"},
      {"99,999", "12345", "12,345", "12345"},
      {"99,999", "123", "   123", "   123"},
      // A floating '$' run: digits may take the '$' positions beyond the currency's.
      {"$$$$9", "123", " $123", " 123"},
      // 'c' runs show the left currency text right-aligned, 'C' runs the right one left-aligned.
      {"ccc999", "5", "  $  5", nullptr},
      {"999CC", "5", "  5$ ", nullptr},
  };
  for (const MergeCase& c : cases) CheckMerge(c, Plain(), true);
}

TEST(TWdgPictureMask, NumbersFollowTheRegionalSettings) {
  const MergeCase cases[] = {
      {"$$##,###.##", "1234.5", " DM1.234,50", " 1234,50"},
      {"$$##,###.##", "5", "     DM5,00", nullptr},
      {"###.##", "1.5", "  1,50", "  1,50"},
  };
  for (const MergeCase& c : cases) CheckMerge(c, Continental(), true);
}

TEST(TWdgPictureMask, ACurrencyLongerThanItsRunStripsWhatItShowed) {
  // "USD " in a run of two '$': the number shows the last two characters, "D ", and
  // stripping takes those away, so that the text reads as a number again.
  TWdgPictureMask mask(T("$$#####"), SpacedCurrency());
  const QString merged = mask.MergeText(T("12"));
  EXPECT_EQ(merged, T("   D 12"));
  int32_t value = 0;
  EXPECT_TRUE(FieldTextToInt(mask.StripText(merged), TWdgRadix::Decimal, value));
  EXPECT_EQ(value, 12);
}

TEST(TWdgPictureMask, ReformatAfterEditReadsTheLocalDecimalCharacter) {
  TWdgPictureMask mask(T("$$##,###.##"), Continental());
  // As the user left it: the separators taken out, digits moved.
  EXPECT_EQ(mask.ReformatAfterEdit(T("    1234,5 ")), T(" DM1.234,50"));
  EXPECT_EQ(mask.ReformatAfterEdit(mask.MergeText(T("-7.25"))), T("    -DM7,25"));
}

TEST(TWdgPictureMask, PlainTextsFillTheEntryPositions) {
  const MergeCase cases[] = {
      {"(999) 999-9999", "5551234567", "(555) 123-4567", "5551234567"},
      {"(999) 999-9999", "555", "(555)    -    ", "555       "},
      {"!!!", "ab", "AB ", "AB "},
      {"LLL", "ABC", "abc", "abc"},
      {"AAA", "abcd", "ABC", "ABC"},
      {"xxxxxxxxxxxxxx", "john-doe smith", "John-Doe Smith", nullptr},
      {"XXXX", "ab", "ab  ", "ab  "},
      // 'p' and 'g' belong to numeric fields: other fields drop them from the picture.
      {"999p", "12", "12 ", "12 "},
  };
  for (const MergeCase& c : cases) CheckMerge(c, Plain(), false);
}

TEST(TWdgPictureMask, RightJustifiedTextsFillFromTheRight) {
  TWdgPictureMask mask(T("AAA"));
  mask.SetRightJustify(true);
  EXPECT_EQ(mask.MergeText(T("ab")), T(" AB"));
  EXPECT_EQ(mask.MergeText(T("abcd")), T("BCD"));
}

TEST(TWdgPictureMask, ExtraPositionsRepeatThePicturesLastCharacter) {
  TWdgPictureMask mask(T("9!"));
  EXPECT_TRUE(mask.SetMaxLength(5));
  EXPECT_EQ(mask.MaskCharAt(4), u'!');
  EXPECT_EQ(mask.MergeText(T("1abcd")), T("1ABCD"));
  // Never below the picture's length, never above 255.
  EXPECT_FALSE(mask.SetMaxLength(1));
  EXPECT_FALSE(mask.SetMaxLength(256));
  EXPECT_EQ(mask.MaxLength(), 5);
}

TEST(TWdgPictureMask, UserLiteralsShowTheirSubstitution) {
  TWdgUserData data;
  const QString picture = T("99") + QChar(241) + T("99");
  TWdgPictureMask mask(picture, Plain(), data);
  EXPECT_EQ(mask.MergeText(T("1234")), T("12") + QChar(241) + T("34"));
  data.SetSubstitution(241, u'/');
  EXPECT_EQ(mask.MergeText(T("1234")), T("12/34"));
  EXPECT_EQ(mask.StripText(T("12/34")), T("1234"));
  // In numbers too.
  TWdgPictureMask number(T("999") + QChar(242) + T(".99"), Plain(), data);
  data.SetSubstitution(242, u'_');
  EXPECT_EQ(number.MergeText(T("5.5")), T("  5_.50"));
}

TEST(TWdgPictureMask, ARealFieldShowsTheLocalDecimalCharacter) {
  TWdgPictureMask mask(T("XXXX"), Continental());
  mask.SetRealField(true);
  // Too long: the trailing zeros go first.
  EXPECT_EQ(mask.MergeText(T("1.500000")), T("1,5 "));
  EXPECT_EQ(mask.MergeText(T("12.5")), T("12,5"));
}

TEST(TWdgPictureMask, ANumericFieldKeepsPAndGOutsideTheEditString) {
  TWdgPictureMask mask(T("999p"));
  mask.SetNumericClass(true);
  EXPECT_EQ(mask.Picture(), T("999p"));
  EXPECT_EQ(mask.MaxLength(), 3);
  EXPECT_EQ(mask.MergeText(T("-5")), T(" -5"));
  mask.SetPicture(T("#####gp"));
  EXPECT_EQ(mask.MaxLength(), 5);
  // An empty picture keeps the old one.
  mask.SetPicture(QString());
  EXPECT_EQ(mask.Picture(), T("#####gp"));
}

TEST(TWdgPictureMask, PositionsAreClassified) {
  TWdgPictureMask mask(T("$#,#.9(X)"));
  using K = TWdgPictureMask::PositionKind;
  const K expected[] = {K::pkSemiLiteral, K::pkPlaceholder, K::pkSemiLiteral, K::pkPlaceholder, K::pkLiteral,
                        K::pkPlaceholder, K::pkLiteral,     K::pkPlaceholder, K::pkLiteral};
  ASSERT_EQ(mask.MaxLength(), 9);
  for (int at = 0; at < 9; ++at) EXPECT_EQ(mask.KindAt(at), expected[at]) << at;
  EXPECT_TRUE(mask.IsLiteral(-1));
  EXPECT_TRUE(mask.IsLiteral(9));
  EXPECT_EQ(mask.SemiLiteralCount(), 2);
  EXPECT_FALSE(mask.AllPlaceholders());
  EXPECT_EQ(mask.DecimalPointPosition(), 4);
  mask.SetNumericClass(true);
  EXPECT_EQ(mask.SemiLiteralCount(), 0);

  TWdgPictureMask all(T("99XaK"));
  EXPECT_TRUE(all.AllPlaceholders());
  EXPECT_EQ(all.SemiLiteralCount(), 0);
}

TEST(TWdgPictureMask, NumericMergeIsChosenByThePicture) {
  struct Case {
    const char* picture;
    bool numeric;
  } const cases[] = {{"XXX", false}, {"999", false}, {"9,99", true}, {"$99", true}, {"99.9", true},
                     {"c99", true},  {"99C", true},  {"KK", true},   {"OO", true},  {"bb", true}};
  for (const Case& c : cases) EXPECT_EQ(TWdgPictureMask(T(c.picture)).NeedsNumericMerge(), c.numeric) << c.picture;
  TWdgPictureMask numeric(T("999"));
  numeric.SetNumericClass(true);
  EXPECT_TRUE(numeric.NeedsNumericMerge());
}

TEST(TWdgPictureMask, StripTakesOnlyAnEditStringOfFullLength) {
  TWdgPictureMask mask(T("$##,###.##"));
  EXPECT_EQ(mask.StripText(T("$5.00")), T("$5.00"));
  EXPECT_EQ(mask.StripText(QString()), QString());
}

TEST(TWdgPictureMask, DigitCountsComeFromThePicture) {
  struct Case {
    const char* picture;
    int decimalPlaces;
    int maxDigits, decimals, maxIntDigits;
  } const cases[] = {
      {"999", 0, 3, 0, 3},
      {"iiiiiiiiii", 0, 10, 0, 10},
      {"$##,###.##", 0, 8, 2, 5},
      {"######.##", 0, 9, 2, 6},
      {"###.", 0, 3, 0, 3},
      // Without a point the field's decimal places count as decimals but add no positions.
      {"##########", 2, 10, 2, 10},
      // Leading literals and semi-literals are skipped; the run ends at the first literal.
      {"(999)-99", 0, 3, 0, 3},
      {"$$$99", 0, 2, 0, 2},
  };
  for (const Case& c : cases) {
    TWdgPictureMask mask(T(c.picture));
    mask.SetNumericClass(true);
    const auto digits = mask.CountDigits(c.decimalPlaces);
    EXPECT_EQ(digits.maxDigits, c.maxDigits) << c.picture;
    EXPECT_EQ(digits.decimals, c.decimals) << c.picture;
    EXPECT_EQ(digits.maxIntDigits, c.maxIntDigits) << c.picture;
  }
}

TEST(TWdgPictureMask, NumberFitsWhenEveryDigitAndTheSignFindAPosition) {
  struct Case {
    const char* picture;
    const char* text;
    bool fits;
  } const cases[] = {
      {"999", "255", true},       {"999", "300", true},        {"999", "1234", false},
      {"iii", "-12", true},       {"iii", "-123", false},      {"$##,###.##", "12345.678", true},
      {"$##,###.##", "123456", false}, {"$##,###.##", "-12345", false}, {"$##,###.##", "-1234", true},
      {"KK", "FF", true},         {"KK", "1FF", false},
  };
  for (const Case& c : cases) {
    TWdgPictureMask mask(T(c.picture));
    mask.SetNumericClass(true);
    EXPECT_EQ(mask.NumberFits(T(c.text)), c.fits) << c.picture << " '" << c.text << "'";
  }
}

TEST(TWdgPictureMask, ChangingThePictureKeepsThePlainText) {
  TWdgPictureMask mask(T("(999) 999-9999"));
  const QString edit = mask.MergeText(T("5551234567"));
  // MaxLength stays 14: the two extra positions repeat the last '9'.
  EXPECT_EQ(mask.ChangePicture(T("999-999-9999"), edit), T("555-123-4567  "));
  EXPECT_EQ(mask.Picture(), T("999-999-9999"));
  EXPECT_EQ(mask.MaxLength(), 14);
}
