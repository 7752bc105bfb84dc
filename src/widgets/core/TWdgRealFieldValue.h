#pragma once
// The value side of a real-number entry field without its window: the subtype (Real,
// Extended, Double, Single, Comp), the range limits, and the field's text read and written as
// a number with a fixed count of decimals.
#include "widgets/core/WdgDataSubtype.h"

#include <QChar>
#include <QString>

class TWdgRealFieldValue {
public:
  // A real subtype with its default range; any other subtype raises EInvalidDataType.
  explicit TWdgRealFieldValue(TWdgDataSubtype subtype);

  TWdgDataSubtype Subtype() const { return subtype_; }
  static bool IsRealSubtype(TWdgDataSubtype subtype);

  // Equal limits stand for "not set": the subtype's default range. A limit the subtype cannot
  // hold raises EInvalidRangeValue and keeps the old range.
  void SetRange(long double low, long double high);
  void SetDefaultRange();
  long double RangeLo() const { return low_; }
  long double RangeHi() const { return high_; }
  // The limits as texts; a text that is no number of the subtype raises EInvalidRangeValue.
  QString RangeLoText() const;
  QString RangeHiText() const;
  void SetRangeLoText(const QString& text);
  void SetRangeHiText(const QString& text);

  // Reads a field's text: blanks around it dropped, the decimal character wherever it stands
  // read as the point, an empty text 0. False when it is no number, or one the subtype cannot
  // hold. The value comes back as the subtype keeps it (a Single's precision, a Comp whole).
  bool Read(const QString& text, QChar decimalChar, long double& value) const;
  // 0, 257 (no number) or 256 (outside the range).
  int Check(const QString& text, QChar decimalChar, long double& value) const;
  // The text of a value with `decimals` decimals; with `trimZeros` (the field's decimal places
  // stand for a picture without a point) trailing decimal zeros are dropped.
  static QString ValueText(long double value, int decimals, bool trimZeros);
  // 0, or the low limit when 0 lies outside the range.
  long double InitialValue() const;

private:
  bool ReadLimit(const QString& text, long double& value) const;

  TWdgDataSubtype subtype_;
  long double low_ = 0;
  long double high_ = 0;
};
