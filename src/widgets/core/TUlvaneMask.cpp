#include "widgets/core/TUlvaneMask.h"

#include "widgets/core/UlvaneEditTexts.h"

namespace {
const QLatin1Char kPeriod('.');
const QLatin1Char kDollar('$');

// Keeps the first "." and removes every later one.
QString FirstPeriodOnly(const QString& mask) {
  const qsizetype first = mask.indexOf(kPeriod);
  QString kept = mask.left(first + 1);
  for (qsizetype i = first + 1; i < mask.size(); ++i)
    if (mask[i] != kPeriod) kept += mask[i];
  return kept;
}
} // namespace

TUlvaneMask TUlvaneMask::Repaired(const QString& raw, TDataType type, QStringList& messages) {
  QString text;
  bool hasDollar = false;
  bool removed = false;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const QChar c = raw[i];
    if (c == kDollar && i == 0) {
      hasDollar = true;
      text += c;
    } else if (c == kDollar) {
      messages << QString::fromLatin1(UlvaneText::kDollarFirst);
      removed = true;
    } else if (c == QLatin1Char('0') || c == kPeriod) {
      text += c;
    } else {
      removed = true;
    }
  }
  if (removed) messages << QString::fromLatin1(UlvaneText::kMaskCharacters);
  if (text.count(kPeriod) > 1) {
    text = FirstPeriodOnly(text);
    messages << QString::fromLatin1(UlvaneText::kOnePeriod);
  }
  TUlvaneMask mask(text, hasDollar);
  return type == DTInteger ? mask.WithoutDecimals() : mask;
}

QString TUlvaneMask::DigitPart() const {
  QString digits;
  for (const QChar c : text_)
    if (c == QLatin1Char('0') || c == kPeriod) digits += c;
  return digits;
}

int TUlvaneMask::IntegerDigits() const {
  const QString digits = DigitPart();
  const qsizetype period = digits.indexOf(kPeriod);
  return int(period < 0 ? digits.size() : period);
}

int TUlvaneMask::Decimals() const {
  const QString digits = DigitPart();
  const qsizetype period = digits.indexOf(kPeriod);
  return period < 0 ? 0 : int(digits.size() - period - 1);
}

TUlvaneMask TUlvaneMask::WithoutDecimals() const {
  const qsizetype period = text_.indexOf(kPeriod);
  return period < 0 ? *this : TUlvaneMask(text_.left(period), hasDollar_);
}

QString TUlvaneMask::DefaultRangeHigh(TDataType type) const {
  if (text_ == QLatin1String("0"))
    return type == DTInteger ? QStringLiteral("32767") : QStringLiteral("1.7E+0308");
  const QString whole(IntegerDigits(), QLatin1Char('9'));
  return type == DTInteger ? whole : whole + kPeriod + QString(Decimals(), QLatin1Char('9'));
}

QString TUlvaneMask::DefaultRangeLow(TDataType type) const {
  if (text_ == QLatin1String("0"))
    return type == DTInteger ? QStringLiteral("-32768") : QStringLiteral("-1.7E+0308");
  return QLatin1Char('-') + DefaultRangeHigh(type);
}
