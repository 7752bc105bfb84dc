#pragma once
// What a numeric field's user has typed in this visit, kept apart from the shown text: the
// field edits like a pocket calculator, digits are appended at the right and the shown text
// is rebuilt from them after each change.
#include "widgets/core/TWdgPictureMask.h"

#include <QChar>
#include <QString>

class TWdgNumericEntryBuffer {
public:
  enum class Typed {
    Changed,     // taken
    ChangedFull, // taken, and the field is full now: the focus may move on
    Refused,     // the picture or the digit limits refuse it: beep
    NoRoom,      // the buffer is over-full: move on, or beep
  };

  // The picture of a numeric field: it gives the digit counts and the test of typed keys.
  explicit TWdgNumericEntryBuffer(const QString& picture = QStringLiteral("999"),
                                  int decimalPlaces = 0);
  void SetPicture(const QString& picture, int decimalPlaces = 0);
  bool HasPoint() const { return hasPoint_; }

  const QString& TypedChars() const { return typed_; }
  bool TypedNegative() const { return negative_; }
  const TWdgPictureMask::Digits& Digits() const { return digits_; }
  // Typed characters, the sign counted.
  int Count() const { return int(typed_.size()) + (negative_ ? 1 : 0); }

  // From the field's text without its picture: blanks around it dropped, a leading '-' taken
  // as the sign, the decimal character as '.'; a lone "0" is nothing typed.
  void LoadEntryBuffer(const QString& strippedText, QChar decimalChar = u'.');
  void ClearEntry();

  // The buffer's own rule for one character (the picture's test comes first, in TypeChar).
  bool AcceptChar(QChar c);
  // A typed character: the picture's test, then AcceptChar. Typing over a selection clears
  // the buffer first (the caller's part).
  Typed TypeChar(QChar c, QChar decimalChar = u'.');
  // Backspace and Delete without a selection: the last typed character, else the sign.
  bool RemoveLast();
  // Every character the picture and the buffer take; the rest is dropped without a word.
  bool Paste(const QString& text, QChar decimalChar = u'.');

  // The text to merge into the picture: "0" for nothing typed, "0" before a leading point,
  // the sign in front.
  QString EditText() const;
  // After the merge, the shown decimals follow the typed ones: a picture's decimals that were
  // not typed (and its point, when none was typed) give way to blanks at the home position;
  // typed decimals beyond the picture's push the text left.
  QString RebuildEditString(const QString& merged, int homePosition, int lastPlaceholder) const;

private:
  // Forces the character's case as the picture asks.
  bool PictureTakes(QChar& c) const;
  bool ToggleSign();
  int IntegerCount() const;
  int TypedDecimals() const;

  TWdgPictureMask mask_;
  QChar entryPictureChar_;
  TWdgPictureMask::Digits digits_;
  bool hasPoint_ = false;
  QString typed_;
  bool negative_ = false;
};
