#pragma once
// The picture mask of an entry field, without its window.
//
// A picture is a template: each position is a placeholder, where the user types a character
// of a given kind (see WdgPictureChars.h), or a literal shown unchanged. '$' (floating
// currency) and ',' (thousands separator) are semi-literals: entry positions of a number.
// The field's edit string holds one character per position, MaxLength characters; positions
// beyond the picture behave as its last character.
//
// In: the picture, MaxLength, the kind of field (numeric class, real subtype, right
// justified), the regional settings (decimal and thousands characters, currency texts) and
// the user data (user picture characters and literals).
// Out: the edit string for a plain text (MergeText) and the plain text of an edit string
// (StripText); the digit counts a numeric field takes from the picture (CountDigits); where
// the caret may stand; the text shown with pad and password characters.
//
// Numbers. A text such as "-1234.5" (a '.' as decimal point, an optional leading '-') is
// merged right-aligned into the integer positions before the picture's '.', its decimals after
// it (padded with '0', extra ones dropped). The picture's '.' shows DecimalChar, a ',' shows
// CommaChar while digits remain to its left. The currency text floats next to the first
// digit, a '-' next to it on the left; other free positions are blanks ('0' in hexadecimal,
// octal and binary pictures). "$##,###.##" with "1234.5" gives " $1,234.50"; "999" with "5"
// gives "  5"; "iiii" with "-12" gives " -12". StripText gives back the entry characters and
// the decimal point (as DecimalChar) without currency and separators: " 1234.50".
//
// The numeric field keeps 'p' (parentheses for negatives) and 'g' (trailing minus) in its
// picture, at its end, outside the edit string: its MaxLength is the picture's length less
// one for each. Other fields lose one 'p' and one 'g' from the picture.
#include "widgets/core/TWdgUserData.h"
#include "widgets/core/WdgFieldText.h"
#include "widgets/core/WdgIntlSup.h"

#include <QChar>
#include <QString>
#include <cstdint>
#include <vector>

class TWdgPictureMask {
public:
  enum PositionKind : uint8_t { pkLiteral = 0, pkPlaceholder = 1, pkSemiLiteral = 2 };
  static constexpr int kMaxLength = 255;

  // What a numeric field takes from its picture. MaxDigits: the characters a typed value
  // may take: the integer digit positions, plus the decimals and the point when there are
  // decimals after a '.'. Without a '.' in the picture, Decimals is the field's decimal
  // places and adds nothing to MaxDigits or MaxIntDigits.
  struct Digits {
    int maxDigits = 0;
    int decimals = 0;
    int maxIntDigits = 0;
  };

  // A picture field ("X" by default) whose MaxLength is the picture's length. The settings
  // and the user data are referred to, not copied: they must outlive the mask.
  explicit TWdgPictureMask(const QString& picture = QStringLiteral("X"),
                           const TWdgIntlSup& settings = RegionalSettings(),
                           const TWdgUserData& userData = TWdgUserData::Default());

  const QString& Picture() const { return picture_; }
  int PictureLength() const { return int(picture_.size()); }
  int MaxLength() const { return maxLength_; }

  // An empty text keeps the old picture; a longer one is cut to 255 characters. MaxLength
  // grows to the picture's length (a numeric field's: set by the rule above).
  void SetPicture(const QString& picture);
  // Taken when 1..255 and not below PictureLength (numeric fields: set by their rule only).
  bool SetMaxLength(int length);

  // A numeric field (field class numeric). Changing it applies the picture again.
  void SetNumericClass(bool numeric);
  bool NumericClass() const { return numeric_; }
  // A picture field of a real subtype: the plain merge drops trailing decimal zeros of a
  // text too long to fit and shows '.' as DecimalChar.
  void SetRealField(bool real) { real_ = real; }
  bool RealField() const { return real_; }
  // The plain merge fills the entry positions from the right.
  void SetRightJustify(bool right) { rightJustify_ = right; }
  bool RightJustify() const { return rightJustify_; }

  const TWdgIntlSup& Settings() const { return *settings_; }
  const TWdgUserData& UserData() const { return *userData_; }

  // Positions: a position beyond the picture reads its last character; a position outside
  // 0..MaxLength-1 is a literal.
  QChar MaskCharAt(int position) const;
  PositionKind KindAt(int position) const;
  bool IsLiteral(int position) const { return KindAt(position) == pkLiteral; }
  bool IsSemiLiteral(int position) const { return KindAt(position) == pkSemiLiteral; }
  bool IsEntryPosition(int position) const { return KindAt(position) != pkLiteral; }
  // Every position is a placeholder: no literal, no semi-literal. A field whose picture has
  // literals or semi-literals loses its right-justify and trim-blanks options.
  bool AllPlaceholders() const { return allPlaceholders_; }
  // The '$' and ',' positions; 0 for a numeric field.
  int SemiLiteralCount() const { return numeric_ ? 0 : semiLiterals_; }
  bool Holds(QChar pictureChar) const { return picture_.contains(pictureChar); }
  // The first '.' among the positions, or -1.
  int DecimalPointPosition() const;
  TWdgRadix Radix() const { return RadixOfPicture(picture_); }
  // Whether MergeText takes the text as a number (see MergeText).
  bool NeedsNumericMerge() const;

  // The edit string for a text. Numbers (NeedsNumericMerge: semi-literals, a numeric field,
  // a hexadecimal, octal or binary picture, or a '.', 'c' or 'C' in the picture) as above;
  // 'c' runs show CurrencyLeft right-aligned, 'C' runs CurrencyRight left-aligned. Other
  // texts fill the entry positions from the left (from the right when right justified), each
  // character case-forced by its picture character; free positions are blanks. User
  // literals show their substitution. The result is MaxLength long, except that a ','
  // position is dropped when CommaChar is the null character.
  QString MergeText(const QString& text) const;
  // Whether a number's integer digits and its minus sign all find a position when merged;
  // MergeText drops the leftmost digits, then the sign, of a number that does not fit.
  bool NumberFits(const QString& text) const;
  // A new picture (as SetPicture) with the plain text of the edit string merged into it.
  QString ChangePicture(const QString& picture, const QString& editString);
  // The plain text of an edit string of exactly MaxLength characters (any other is given
  // back unchanged): the characters of the entry positions and of the picture's '.', less
  // the currency text once and every thousands separator.
  QString StripText(const QString& editString) const;
  // The edit string merged again from its own plain text (DecimalChar read as '.').
  QString ReformatAfterEdit(const QString& editString) const;
  // '.' as DecimalChar.
  QString LocalizeDecimal(const QString& text) const;

  Digits CountDigits(int decimalPlaces) const;

  // Caret positions (0 before the first character). The caret stays between HomePosition
  // and one after LastPlaceholder, never on a literal.
  // The leading literal positions (at most MaxLength - 1) plus SemiLiteralCount.
  int HomePosition() const;
  // The last entry position; 0 when there is none.
  int LastPlaceholder() const;
  // One after the last entry position, from LastPlaceholder down, that holds no blank; 0 for
  // an edit string without text.
  int EndOfText(const QString& editString) const;
  // EndOfText, then forward over literals while below LastPlaceholder.
  int CaretEndPosition(const QString& editString) const;
  // Where a caret asked for at `position` stands: below HomePosition at HomePosition, beyond
  // LastPlaceholder just after it, on a literal at the nearest entry position to its left.
  int AllowedCaretPosition(int position) const;
  // One step right or left, over literals.
  int NextCaretPosition(int position) const;
  int PreviousCaretPosition(int position) const;

  // Every position holds a blank or is a literal.
  bool IsEmpty(const QString& editString) const;
  // The edit string as shown: with a pad character other than a blank, or in password mode,
  // an entry position holding a blank shows `padChar`; in password mode one holding any other
  // character shows `passwordChar`. Literals are shown as they are.
  QString DisplayText(const QString& editString, QChar padChar, QChar passwordChar, bool passwordMode) const;
  // Digits typed around the picture's '.' put right: before it pushed against the point (a
  // lone blank before it becomes '0'); after it closed up to the left and padded with '0'.
  // An edit string of another length, or a picture without '.', comes back unchanged.
  QString FixDecimalPoint(const QString& editString) const;
  // Before the first editing command of a visit: the currency text and the thousands
  // separators leave the edit string, as many blanks coming in at the front, so that digits
  // can be typed over the semi-literal positions. Returns whether the edit string is now
  // prepared: always with semi-literals; without them only for hexadecimal, octal and binary
  // pictures (which stay as they are).
  bool PrepareEditString(QString& editString) const;

private:
  void ApplyPicture();
  void Analyze();
  void FillCurrencyRuns(QString& out) const;
  // The picture with its 'c' and 'C' runs filled.
  QString MergeBase() const;
  void MergeDecimals(QString& out, const QString& fraction, int point) const;
  // Whether every integer digit and the sign found a position.
  bool MergeNumber(QString& out, QString text) const;
  void MergePlain(QString& out, QString text) const;
  // The '$' run from the first '$'; the end of its currency part, -1 without '$'.
  int DollarRunLength() const;
  int CurrencyRunEnd() const;
  // The part of CurrencyLeft a merged number shows: as many of its last characters as the
  // '$' run has positions.
  QString ShownCurrency() const;
  // A user literal's position shows its substitution; other literals keep what they show.
  void SubstituteLiteral(QString& out, int position) const;

  const TWdgIntlSup* settings_;
  const TWdgUserData* userData_;
  QString mask_;     // as given
  QString picture_;  // as used: without 'p' and 'g' outside numeric fields
  int maxLength_ = 1;
  bool numeric_ = false;
  bool real_ = false;
  bool rightJustify_ = false;
  std::vector<PositionKind> kinds_;
  int semiLiterals_ = 0;
  bool allPlaceholders_ = true;
};
