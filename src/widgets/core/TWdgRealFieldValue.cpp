#include "widgets/core/TWdgRealFieldValue.h"

#include "widgets/core/WdgExceptions.h"
#include "widgets/core/WdgMisc.h"
#include "widgets/core/WdgStr.h"

#include <cmath>
#include <cstdlib>

namespace {
struct RealSubtype {
  TWdgDataSubtype subtype;
  long double limit;  // the range is -limit .. limit
};

constexpr RealSubtype kRealSubtypes[] = {
    {TWdgDataSubtype::Real, 1.7e38L},   {TWdgDataSubtype::Extended, 1.1e4932L},
    {TWdgDataSubtype::Double, 1.7e308L}, {TWdgDataSubtype::Single, 3.4e38L},
    {TWdgDataSubtype::Comp, 9.2e18L},
};

const RealSubtype* Find(TWdgDataSubtype subtype) {
  for (const RealSubtype& entry : kRealSubtypes)
    if (entry.subtype == subtype) return &entry;
  return nullptr;
}

// The number reader: the whole text must be one decimal number, '.' as the point and an
// optional exponent; no blanks, no hexadecimal, no infinity.
bool ReadNumber(const QString& text, long double& value) {
  const QByteArray bytes = text.toLatin1();
  for (char c : bytes)
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  char* end = nullptr;
  errno = 0;
  const long double read = std::strtold(bytes.constData(), &end);
  if (end != bytes.constData() + bytes.size() || errno == ERANGE || !std::isfinite(read))
    return false;
  value = read;
  return true;
}
} // namespace

bool TWdgRealFieldValue::IsRealSubtype(TWdgDataSubtype subtype) { return Find(subtype) != nullptr; }

TWdgRealFieldValue::TWdgRealFieldValue(TWdgDataSubtype subtype) : subtype_(subtype) {
  if (!Find(subtype)) throw EInvalidDataType();
  SetDefaultRange();
}

void TWdgRealFieldValue::SetDefaultRange() {
  const long double limit = Find(subtype_)->limit;
  low_ = -limit;
  high_ = limit;
}

void TWdgRealFieldValue::SetRange(long double low, long double high) {
  if (low == high) {
    SetDefaultRange();
    return;
  }
  const long double limit = Find(subtype_)->limit;
  if (std::fabs(low) > limit || std::fabs(high) > limit) throw EInvalidRangeValue(subtype_);
  low_ = low;
  high_ = high;
}

QString TWdgRealFieldValue::RangeLoText() const {
  return QString::number(double(low_), 'g', 17);
}

QString TWdgRealFieldValue::RangeHiText() const {
  return QString::number(double(high_), 'g', 17);
}

bool TWdgRealFieldValue::ReadLimit(const QString& text, long double& value) const {
  QString s = text;
  TrimBlanks(s);
  if (s.isEmpty()) {
    value = 0;
    return true;
  }
  return Read(s, u'.', value);
}

void TWdgRealFieldValue::SetRangeLoText(const QString& text) {
  if (!ReadLimit(text, low_)) throw EInvalidRangeValue(subtype_);
}

void TWdgRealFieldValue::SetRangeHiText(const QString& text) {
  if (!ReadLimit(text, high_)) throw EInvalidRangeValue(subtype_);
}

bool TWdgRealFieldValue::Read(const QString& text, QChar decimalChar, long double& value) const {
  QString s = text;
  FixRealString(s, decimalChar);
  long double read = 0;
  if (!ReadNumber(s, read) || std::fabs(read) > Find(subtype_)->limit) return false;
  switch (subtype_) {
  case TWdgDataSubtype::Single: read = static_cast<float>(read); break;
  case TWdgDataSubtype::Double:
  case TWdgDataSubtype::Real: read = static_cast<double>(read); break;
  case TWdgDataSubtype::Comp: read = std::nearbyintl(read); break;
  default: break;
  }
  value = read;
  return true;
}

int TWdgRealFieldValue::Check(const QString& text, QChar decimalChar, long double& value) const {
  if (!Read(text, decimalChar, value)) return 257;
  return value < low_ || value > high_ ? 256 : 0;
}

QString TWdgRealFieldValue::ValueText(long double value, int decimals, bool trimZeros) {
  QString text = QString::asprintf("%.*Lf", qMax(0, decimals), value);
  if (trimZeros) TrimTrailingZeros(text);
  else TrimBlanks(text);
  return text;
}

long double TWdgRealFieldValue::InitialValue() const {
  return low_ > 0 || high_ < 0 ? low_ : 0;
}
