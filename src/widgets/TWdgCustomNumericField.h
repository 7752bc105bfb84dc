#pragma once
// An entry field for integer and real numbers, edited like a pocket calculator: digits are appended at
// the right, the text is shown flush right with the caret at the right edge, and the value is
// checked against its range when the user leaves the field.
#include "widgets/TWdgPictureBase.h"
#include "widgets/core/TWdgFieldValue.h"
#include "widgets/core/TWdgNumericEntryBuffer.h"
#include "widgets/core/TWdgRealFieldValue.h"

#include <optional>

enum TNumericDataType {
  nftLongInt,
  nftWord,
  nftInteger,
  nftByte,
  nftShortInt,
  nftReal,
  nftExtended,
  nftDouble,
  nftSingle,
  nftComp,
};

class TWdgCustomNumericField : public TWdgPictureBase {
  Q_OBJECT
public:
  explicit TWdgCustomNumericField(QWidget* parent = nullptr);

  TNumericDataType DataType() const { return dataType_; }
  // Brings the type's picture, its default range and its initial value.
  void SetDataType(TNumericDataType type);
  int DataTypeCode() const { return 128 + int(Subtype()); }
  bool IsRealType() const { return real_.has_value(); }
  // Decimals of a real value when the picture has no '.'.
  int DecimalPlaces() const { return decimalPlaces_; }
  void SetDecimalPlaces(int places);

  const QString& PictureMask() const { return Picture(); }
  void SetPictureMask(const QString& mask);
  void SetPicture(const QString& picture) override;

  // Equal limits give the type's default range; a limit the type cannot hold raises
  // EInvalidRangeValue. The integer limits of a real type are taken as reals.
  void SetRange(int32_t low, int32_t high);
  void SetRealRange(long double low, long double high);
  int32_t RangeLo() const { return value_.RangeLo(); }
  int32_t RangeHi() const { return value_.RangeHi(); }
  long double RealRangeLo() const { return real_ ? real_->RangeLo() : value_.RangeLo(); }
  long double RealRangeHi() const { return real_ ? real_->RangeHi() : value_.RangeHi(); }
  QString RangeLoText() const;
  QString RangeHiText() const;
  void SetRangeLoText(const QString& text);
  void SetRangeHiText(const QString& text);

  // 0 when the text fails the check, its code then in LastError; nothing is shown and the
  // focus stays where it is.
  int32_t GetIntValue() override;
  // A value the type cannot hold raises EInvalidRangeValue; one outside the range but within
  // the type is shown, so that the check reports it, unless the picture cannot show it whole:
  // it is then taken into the range, never shown cut.
  void SetIntValue(int32_t value) override;

  // The same for a real type: 0 and the code in LastError when the check fails. On an
  // integer type both raise EInvalidDataType.
  long double GetRealValue();
  void SetRealValue(long double value);

  // Steps the value by `delta` within the range; past an end with `wrap` to the other end.
  void IncreaseValue(bool wrap, double delta);

  const TWdgNumericEntryBuffer& Buffer() const { return buffer_; }

protected:
  void EditCommand(quint16 code, QChar typed, const QString& pasted) override;
  int CheckField() override;
  QString GetDisplayString() const override;
  void PlaceCaret() override;
  bool IsNumericClass() const override { return true; }
  bool HoldsNumber() const override { return true; }
  TWdgEntryFieldOptions AdjustOptions(TWdgEntryFieldOptions options) const override;
  void Restore() override;

  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  TWdgDataSubtype Subtype() const { return real_ ? real_->Subtype() : value_.Subtype(); }
  QChar DecimalChar() const { return Mask().Settings().DecimalChar(); }
  QString RealText(long double value) const;
  void WriteValue(const QString& text);
  void RebuildEditString();
  void TypeChar(QChar c, bool hadSelection, bool& changed);
  void ClearEntry(bool& changed);

  TNumericDataType dataType_ = nftLongInt;
  TWdgFieldValue value_;
  std::optional<TWdgRealFieldValue> real_;
  int decimalPlaces_ = 0;
  TWdgNumericEntryBuffer buffer_;
};
