#pragma once
// An entry field for integer numbers, edited like a pocket calculator: digits are appended at
// the right, the text is shown flush right with the caret at the right edge, and the value is
// checked against its range when the user leaves the field.
#include "widgets/TWdgPictureBase.h"
#include "widgets/core/TWdgFieldValue.h"
#include "widgets/core/TWdgNumericEntryBuffer.h"

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
  // Brings the type's picture, its default range and its initial value. Only the integer
  // types are held; any other raises EInvalidDataType.
  void SetDataType(TNumericDataType type);
  int DataTypeCode() const { return 128 + int(value_.Subtype()); }

  const QString& PictureMask() const { return Picture(); }
  void SetPictureMask(const QString& mask);
  void SetPicture(const QString& picture) override;

  // Equal limits give the type's default range; a limit the type cannot hold raises
  // EInvalidRangeValue.
  void SetRange(int32_t low, int32_t high);
  int32_t RangeLo() const { return value_.RangeLo(); }
  int32_t RangeHi() const { return value_.RangeHi(); }
  QString RangeLoText() const { return value_.RangeLoText(); }
  QString RangeHiText() const { return value_.RangeHiText(); }
  void SetRangeLoText(const QString& text) { value_.SetRangeLoText(text); }
  void SetRangeHiText(const QString& text) { value_.SetRangeHiText(text); }

  // 0 when the text fails the check, its code then in LastError; nothing is shown and the
  // focus stays where it is.
  int32_t GetIntValue() override;
  // A value the type cannot hold raises EInvalidRangeValue; one outside the range but within
  // the type is shown, so that the check reports it.
  void SetIntValue(int32_t value) override;

  // Steps the value by `delta` within the range; past an end with `wrap` to the other end.
  void IncreaseValue(bool wrap, int delta);

  const TWdgNumericEntryBuffer& Buffer() const { return buffer_; }

protected:
  void EditCommand(quint16 code, QChar typed, const QString& pasted) override;
  int CheckField() override;
  QString GetDisplayString() const override;
  void PlaceCaret() override;
  bool IsNumericClass() const override { return true; }
  bool HoldsNumber() const override { return true; }
  void Restore() override;

  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

private:
  void WriteValue(const QString& text);
  void RebuildEditString();
  void TypeChar(QChar c, bool hadSelection, bool& changed);
  void ClearEntry(bool& changed);

  TNumericDataType dataType_ = nftLongInt;
  TWdgFieldValue value_;
  TWdgNumericEntryBuffer buffer_;
};
