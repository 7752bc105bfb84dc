#pragma once
// The value side of an integer entry field without its window: the data subtype, the range
// limits, and the field's text read and written as a number.
#include "widgets/core/WdgDataSubtype.h"
#include "widgets/core/WdgFieldText.h"

#include <QString>
#include <cstdint>

// Codes of a field check; 0 is a good value.
namespace WdgFieldError {
constexpr int kNone = 0;
constexpr int kNotInRange = 256;
constexpr int kNotANumber = 257;
} // namespace WdgFieldError

class TWdgFieldValue {
public:
  // A field of an integer subtype (LongInt, Word, SmallInt, Byte, ShortInt) with the
  // subtype's default range; others raise EInvalidDataType. The picture gives the radix.
  explicit TWdgFieldValue(TWdgDataSubtype subtype, const QString& picture = QString());

  TWdgDataSubtype Subtype() const { return subtype_; }
  // A new subtype brings its default range and shows its initial value; a subtype that is
  // not an integer raises EInvalidDataType and changes nothing.
  void SetSubtype(TWdgDataSubtype subtype);
  int DataSize() const;

  // Equal limits stand for "not set": the subtype's default range. A limit the subtype cannot
  // hold raises EInvalidRangeValue and keeps the old range.
  void SetRange(int32_t low, int32_t high);
  void SetDefaultRange();
  int32_t RangeLo() const { return low_; }
  int32_t RangeHi() const { return high_; }

  // The limits as the field shows them; a text that does not read as a value of the subtype
  // raises EInvalidRangeValue and keeps the old limit.
  QString RangeLoText() const;
  QString RangeHiText() const;
  void SetRangeLoText(const QString& text);
  void SetRangeHiText(const QString& text);

  const QString& Text() const { return text_; }
  void SetText(const QString& text) { text_ = text; }

  // The check of the text: 0, kNotANumber, or kNotInRange.
  int Check() const;
  // The text's value; 0 when the check fails, its code then in LastError. Never raises for
  // the contents and never changes the text.
  int32_t GetIntValue();
  int LastError() const { return lastError_; }
  // Writes the value's text. A value the subtype cannot hold raises EInvalidRangeValue and
  // leaves the text alone: it is never cut to the subtype's width. A value outside the range
  // but within the subtype is written, so that the check reports it.
  void SetIntValue(int32_t value);
  // The value a new field shows: 0, or the low limit when 0 lies outside the range.
  void SetInitialValue();

private:
  enum class Reading { Value, NotANumber, TooWide };
  Reading Read(const QString& text, int32_t& value) const;
  int CheckedRead(int32_t& value) const;
  bool ReadLimit(const QString& text, int32_t& value) const;

  TWdgDataSubtype subtype_;
  TWdgRadix radix_;
  int32_t low_ = 0;
  int32_t high_ = 0;
  QString text_;
  int lastError_ = WdgFieldError::kNone;
};
