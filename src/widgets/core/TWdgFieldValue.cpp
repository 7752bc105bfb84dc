#include "widgets/core/TWdgFieldValue.h"

#include "widgets/core/WdgExceptions.h"

namespace {
struct IntegerSubtype {
  TWdgDataSubtype subtype;
  int dataSize;
  int32_t low;
  int32_t high;
};

constexpr IntegerSubtype kIntegerSubtypes[] = {
    {TWdgDataSubtype::LongInt, 4, INT32_MIN, INT32_MAX},
    {TWdgDataSubtype::Word, 2, 0, 65535},
    {TWdgDataSubtype::SmallInt, 2, -32768, 32767},
    {TWdgDataSubtype::Byte, 1, 0, 255},
    {TWdgDataSubtype::ShortInt, 1, -128, 127},
};

const IntegerSubtype& IntegerSubtypeOf(TWdgDataSubtype subtype) {
  for (const IntegerSubtype& entry : kIntegerSubtypes)
    if (entry.subtype == subtype) return entry;
  throw EInvalidDataType();
}

bool Holds(const IntegerSubtype& type, int32_t value) {
  return value >= type.low && value <= type.high;
}

// A hexadecimal, octal or binary text is the bit pattern of the value: "FFFF" on a SmallInt
// field is -1. A pattern wider than the subtype is no value of it (false), never cut.
bool PatternValue(const IntegerSubtype& type, int32_t read, int32_t& value) {
  if (type.dataSize == 4) {
    value = read;
    return true;
  }
  const uint32_t bits = uint32_t(read);
  const int width = 8 * type.dataSize;
  if (bits >> width) return false;
  const bool negative = type.low < 0 && (bits >> (width - 1));
  value = negative ? int32_t(int64_t(bits) - (int64_t(1) << width)) : int32_t(bits);
  return true;
}
} // namespace

TWdgFieldValue::TWdgFieldValue(TWdgDataSubtype subtype, const QString& picture)
    : subtype_(subtype), radix_(RadixOfPicture(picture)) {
  SetDefaultRange();
}

void TWdgFieldValue::SetSubtype(TWdgDataSubtype subtype) {
  IntegerSubtypeOf(subtype);
  subtype_ = subtype;
  SetDefaultRange();
  SetInitialValue();
}

int TWdgFieldValue::DataSize() const { return IntegerSubtypeOf(subtype_).dataSize; }

void TWdgFieldValue::SetDefaultRange() {
  const IntegerSubtype& type = IntegerSubtypeOf(subtype_);
  low_ = type.low;
  high_ = type.high;
}

void TWdgFieldValue::SetRange(int32_t low, int32_t high) {
  if (low == high) {
    SetDefaultRange();
    return;
  }
  const IntegerSubtype& type = IntegerSubtypeOf(subtype_);
  if (!Holds(type, low) || !Holds(type, high)) throw EInvalidRangeValue(subtype_);
  low_ = low;
  high_ = high;
}

QString TWdgFieldValue::RangeLoText() const { return IntToFieldText(low_, radix_, DataSize()); }
QString TWdgFieldValue::RangeHiText() const { return IntToFieldText(high_, radix_, DataSize()); }

TWdgFieldValue::Reading TWdgFieldValue::Read(const QString& text, int32_t& value) const {
  int32_t read = 0;
  if (!FieldTextToInt(text, radix_, read)) return Reading::NotANumber;
  const IntegerSubtype& type = IntegerSubtypeOf(subtype_);
  if (radix_ != TWdgRadix::Decimal && !PatternValue(type, read, read)) return Reading::TooWide;
  if (!Holds(type, read)) return Reading::TooWide;
  value = read;
  return Reading::Value;
}

bool TWdgFieldValue::ReadLimit(const QString& text, int32_t& value) const {
  return Read(text, value) == Reading::Value;
}

void TWdgFieldValue::SetRangeLoText(const QString& text) {
  if (!ReadLimit(text, low_)) throw EInvalidRangeValue(subtype_);
}

void TWdgFieldValue::SetRangeHiText(const QString& text) {
  if (!ReadLimit(text, high_)) throw EInvalidRangeValue(subtype_);
}

int TWdgFieldValue::Check() const {
  int32_t value = 0;
  return CheckedRead(value);
}

int TWdgFieldValue::CheckedRead(int32_t& value) const {
  switch (Read(text_, value)) {
  case Reading::NotANumber: return WdgFieldError::kNotANumber;
  case Reading::TooWide: return WdgFieldError::kNotInRange;
  case Reading::Value: break;
  }
  return value < low_ || value > high_ ? WdgFieldError::kNotInRange : WdgFieldError::kNone;
}

int32_t TWdgFieldValue::GetIntValue() {
  int32_t value = 0;
  lastError_ = CheckedRead(value);
  return lastError_ == WdgFieldError::kNone ? value : 0;
}

void TWdgFieldValue::SetIntValue(int32_t value) {
  if (!Holds(IntegerSubtypeOf(subtype_), value)) throw EInvalidRangeValue(subtype_);
  text_ = IntToFieldText(value, radix_, DataSize());
}

void TWdgFieldValue::SetInitialValue() {
  SetIntValue(low_ > 0 || high_ < 0 ? low_ : 0);
}
