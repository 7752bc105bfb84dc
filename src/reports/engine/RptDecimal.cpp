#include "reports/engine/RptDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

RptDecimal::RptDecimal(double value, int significantDigits) {
  negative_ = std::signbit(value);
  significantDigits = std::clamp(significantDigits, 1, 17);
  char buffer[64];
  // "d.ddddde+XX": the digits of the mantissa and the exponent of the first one.
  std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
  const QString text = QString::fromLatin1(buffer);
  const qsizetype e = text.indexOf(QLatin1Char('e'));
  const QString digits = text.left(e).remove(QLatin1Char('.'));
  const int exponent = text.mid(e + 1).toInt();
  if (exponent >= 0) {
    const QString padded = digits + QString(std::max<qsizetype>(0, exponent + 1 - digits.size()), u'0');
    whole_ = padded.left(exponent + 1);
    fraction_ = padded.mid(exponent + 1);
  } else {
    fraction_ = QString(-exponent - 1, u'0') + digits;
  }
  Normalise();
}

RptDecimal RptDecimal::FromUnits(int64_t units, int scale) {
  RptDecimal number;
  number.negative_ = units < 0;
  // The magnitude as unsigned, so that the lowest int64 has one too.
  const uint64_t magnitude = units < 0 ? 0 - uint64_t(units) : uint64_t(units);
  QString digits = QString::number(magnitude);
  scale = std::max(scale, 0);
  if (digits.size() <= scale) digits.prepend(QString(scale - digits.size() + 1, u'0'));
  number.whole_ = digits.left(digits.size() - scale);
  number.fraction_ = digits.right(scale);
  number.Normalise();
  return number;
}

void RptDecimal::Normalise() {
  qsizetype lead = 0;
  while (lead < whole_.size() && whole_[lead] == u'0') ++lead;
  whole_.remove(0, lead);
  qsizetype end = fraction_.size();
  while (end > 0 && fraction_[end - 1] == u'0') --end;
  fraction_.truncate(end);
  if (IsZero()) negative_ = false;
}

int RptDecimal::Exponent() const {
  if (!whole_.isEmpty()) return int(whole_.size()) - 1;
  qsizetype zeros = 0;
  while (zeros < fraction_.size() && fraction_[zeros] == u'0') ++zeros;
  return -int(zeros) - 1;
}

void RptDecimal::RoundAt(int decimals, bool up) {
  fraction_.truncate(decimals);
  if (up) {
    // Add one unit in the last kept place, carrying to the left through the whole part.
    QString digits = whole_ + fraction_ + QString(decimals - fraction_.size(), u'0');
    qsizetype i = digits.size() - 1;
    for (; i >= 0 && digits[i] == u'9'; --i) digits[i] = u'0';
    if (i >= 0) digits[i] = QChar(digits[i].unicode() + 1);
    else digits.prepend(u'1');
    whole_ = digits.left(digits.size() - decimals);
    fraction_ = digits.right(decimals);
  }
  Normalise();
}

RptDecimal& RptDecimal::RoundHalfAwayFromZero(int decimals) {
  if (fraction_.size() > decimals) RoundAt(decimals, fraction_[decimals] >= u'5');
  return *this;
}

RptDecimal& RptDecimal::RoundHalfEven(int decimals) {
  if (fraction_.size() <= decimals) return *this;
  const QChar next = fraction_[decimals];
  // Trailing zeros are stripped, so the dropped part is an exact half only when "5" ends it.
  const bool half = next == u'5' && fraction_.size() == decimals + 1;
  const QString kept = whole_ + fraction_.left(decimals);
  const bool lastOdd = !kept.isEmpty() && (kept.back().unicode() - '0') % 2 == 1;
  RoundAt(decimals, half ? lastOdd : next >= u'5');
  return *this;
}

RptDecimal& RptDecimal::Truncate(int decimals) {
  if (fraction_.size() > decimals) RoundAt(decimals, false);
  return *this;
}

int64_t RptDecimal::ToInt64() const {
  const int64_t magnitude = whole_.isEmpty() ? 0 : whole_.toLongLong();
  return negative_ ? -magnitude : magnitude;
}
