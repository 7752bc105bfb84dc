#include "reports/engine/RptNumberText.h"

#include "reports/engine/RptCurrencyForms.h"

#include <cmath>

namespace {
QString NotFinite(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString Grouped(const QString& whole, QChar separator) {
  QString text;
  for (qsizetype i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) text += separator;
    text += whole[i];
  }
  return text;
}

// Whole part ("0" when empty), then the decimal separator and the fraction padded to `decimals`.
QString Plain(const RptDecimal& number, int decimals, QChar groupSeparator, const RptLocale& locale) {
  QString whole = number.Whole().isEmpty() ? QStringLiteral("0") : number.Whole();
  if (!groupSeparator.isNull()) whole = Grouped(whole, groupSeparator);
  QString fraction = number.Fraction();
  fraction += QString(std::max<qsizetype>(0, decimals - fraction.size()), u'0');
  return fraction.isEmpty() ? whole : whole + locale.decimalSeparator + fraction;
}

QString Exponential(const RptDecimal& number, const RptLocale& locale) {
  QString significant = number.Whole() + number.Fraction();
  while (significant.startsWith(u'0')) significant.remove(0, 1);
  while (significant.endsWith(u'0')) significant.chop(1);
  QString text = significant.left(1);
  if (significant.size() > 1) text += locale.decimalSeparator + significant.mid(1);
  return text + QLatin1Char('E') + QString::number(number.Exponent());
}
} // namespace

QString RptNumberText::Shortest(double value, const RptLocale& locale) {
  if (!std::isfinite(value)) return NotFinite(value);
  const RptDecimal number(value);
  if (number.IsZero()) return QStringLiteral("0");
  const int exponent = number.Exponent();
  const QString body = exponent >= 15 || exponent < -5 ? Exponential(number, locale)
                                                       : Plain(number, 0, QChar(), locale);
  return number.Negative() ? QLatin1Char('-') + body : body;
}

QString RptNumberText::Fixed(double value, int decimals, const RptLocale& locale) {
  if (!std::isfinite(value)) return NotFinite(value);
  RptDecimal number(value);
  number.RoundHalfAwayFromZero(decimals);
  const QString body = Plain(number, decimals, QChar(), locale);
  return number.Negative() ? QLatin1Char('-') + body : body;
}

QString RptNumberText::Integer(int64_t value) { return QString::number(value); }

QString RptNumberText::Currency(double value, const RptLocale& locale, int significantDigits) {
  if (!std::isfinite(value)) return NotFinite(value);
  return Currency(RptDecimal(value, significantDigits), locale);
}

QString RptNumberText::Currency(RptDecimal number, const RptLocale& locale) {
  number.RoundHalfAwayFromZero(locale.currencyDecimals);
  const QString body = Plain(number, locale.currencyDecimals, locale.groupSeparator, locale);
  const bool negative = number.Negative();
  return RptCurrencyForms::Apply(negative, negative ? locale.negativeCurrencyForm : locale.currencyForm,
                                 locale.currencySymbol, body);
}
