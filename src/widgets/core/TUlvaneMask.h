#pragma once
// The digit mask of the numeric edit control: "0" per digit, at most one ".", an optional
// leading "$" (the text then shows a leading "$" while the control does not have the focus).
#include "widgets/core/UlvaneDataType.h"

#include <QString>
#include <QStringList>

class TUlvaneMask {
public:
  TUlvaneMask() = default;

  // The mask a control takes from the given one: characters other than "0", "$" and "." go,
  // a "$" only stays in the first place, only the first "." stays, and an integer control
  // keeps no decimal part. Each repair adds its message, in the order the user sees them.
  static TUlvaneMask Repaired(const QString& raw, TDataType type, QStringList& messages);

  const QString& Text() const { return text_; }
  bool HasDollar() const { return hasDollar_; }
  // The mask with every character but "0" and "." removed.
  QString DigitPart() const;
  // I: the digits before the "." (all of them when there is none).
  int IntegerDigits() const;
  // D: the digits after the "."; 0 when there is none.
  int Decimals() const;
  bool HasDecimalPart() const { return text_.contains(QLatin1Char('.')); }
  // The longest text the control takes: one more than the mask, for a sign.
  int MaxLength() const { return text_.size() + 1; }
  // The same mask without its "." and what follows.
  TUlvaneMask WithoutDecimals() const;

  // The range the mask allows: I nines (and "." with D nines for a floating control), and
  // the same with "-"; the bare mask "0" allows the whole 16-bit or floating range.
  QString DefaultRangeHigh(TDataType type) const;
  QString DefaultRangeLow(TDataType type) const;

private:
  TUlvaneMask(QString text, bool hasDollar) : text_(std::move(text)), hasDollar_(hasDollar) {}

  QString text_;
  bool hasDollar_ = false;
};
