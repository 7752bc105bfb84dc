#include "reports/engine/RptLocale.h"

#include "reports/engine/RptCurrencyForms.h"

#include <cmath>

namespace {
RptLocale& ReportLocale() {
  static RptLocale locale = RptLocale::UnitedStates();
  return locale;
}

// A Qt currency text in the pattern form of RptCurrencyForms: "$" for the symbol, "1.1" for
// the number, plain blanks for the non-breaking ones.
QString Normalised(const QLocale& locale, double value) {
  QString text = locale.toCurrencyString(value);
  const QString number = locale.toString(std::abs(value), 'f', 2);
  text.replace(number, QStringLiteral("1.1"));
  text.replace(locale.currencySymbol(), QStringLiteral("$"));
  text.replace(QChar(0x00A0), QLatin1Char(' '));
  text.replace(QChar(0x202F), QLatin1Char(' '));
  text.replace(QChar(0x2212), QLatin1Char('-'));
  return text;
}

int FormIndex(const QString& normalised, bool negative, int fallback) {
  const int count = negative ? RptCurrencyForms::kNegativeCount : RptCurrencyForms::kPositiveCount;
  for (int form = 0; form < count; ++form)
    if (RptCurrencyForms::Pattern(negative, form) == normalised) return form;
  return fallback;
}
void SetChar(const QHash<QString, QString>& values, const char* key, QChar& field) {
  const QString value = values.value(QLatin1String(key));
  if (!value.isEmpty()) field = value.at(0);
}

void SetText(const QHash<QString, QString>& values, const char* key, QString& field) {
  const QString value = values.value(QLatin1String(key));
  if (!value.isEmpty()) field = value;
}

void SetInt(const QHash<QString, QString>& values, const char* key, int low, int high, int& field) {
  bool ok = false;
  const int value = values.value(QLatin1String(key)).trimmed().toInt(&ok);
  if (ok && value >= low && value <= high) field = value;
}
} // namespace

RptLocale RptLocale::WithSettings(const QHash<QString, QString>& values) const {
  RptLocale result = *this;
  SetChar(values, "sDecimal", result.decimalSeparator);
  SetChar(values, "sThousand", result.groupSeparator);
  SetText(values, "sCurrency", result.currencySymbol);
  SetInt(values, "iCurrency", 0, RptCurrencyForms::kPositiveCount - 1, result.currencyForm);
  SetInt(values, "iNegCurr", 0, RptCurrencyForms::kNegativeCount - 1, result.negativeCurrencyForm);
  SetInt(values, "iCurrDigits", 0, 9, result.currencyDecimals);
  SetText(values, "sShortDate", result.shortDateFormat);
  const QString time = values.value(QStringLiteral("sTimeFormat"));
  if (!time.isEmpty()) result.twelveHourClock = time.contains(QLatin1Char('t'), Qt::CaseInsensitive);
  SetChar(values, "sTime", result.timeSeparator);
  SetText(values, "s1159", result.amText);
  SetText(values, "s2359", result.pmText);
  return result;
}

RptLocale RptLocale::UnitedStates() { return RptLocale(); }

RptLocale RptLocale::FromQLocale(const QLocale& locale) {
  RptLocale result;
  result.decimalSeparator = locale.decimalPoint().at(0);
  const QString group = locale.groupSeparator();
  result.groupSeparator = group.isEmpty() ? QChar(u' ') : group.at(0);
  if (result.groupSeparator == QChar(0x00A0) || result.groupSeparator == QChar(0x202F))
    result.groupSeparator = u' ';
  result.currencySymbol = locale.currencySymbol();
  result.currencyForm = FormIndex(Normalised(locale, 1.5), false, 0);
  result.negativeCurrencyForm = FormIndex(Normalised(locale, -1.5), true, 1);
  QString date = locale.dateFormat(QLocale::ShortFormat);
  if (!date.contains(QLatin1String("yyyy"))) date.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  result.shortDateFormat = date;
  const QString time = locale.timeFormat(QLocale::LongFormat);
  result.twelveHourClock = time.contains(QLatin1String("ap"), Qt::CaseInsensitive);
  result.amText = locale.amText();
  result.pmText = locale.pmText();
  return result;
}

const RptLocale& RptLocale::Report() { return ReportLocale(); }

void RptLocale::SetReport(const RptLocale& locale) { ReportLocale() = locale; }
