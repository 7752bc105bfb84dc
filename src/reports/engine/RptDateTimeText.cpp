#include "reports/engine/RptDateTimeText.h"

QString RptDateTimeText::LongTime(const QTime& time, const RptLocale& locale) {
  int hour = time.hour();
  QString suffix;
  if (locale.twelveHourClock) {
    suffix = QLatin1Char(' ') + (hour < 12 ? locale.amText : locale.pmText);
    hour = hour % 12 == 0 ? 12 : hour % 12;
  }
  return QStringLiteral("%1%2%3%4%5%6")
      .arg(hour)
      .arg(locale.timeSeparator)
      .arg(time.minute(), 2, 10, QLatin1Char('0'))
      .arg(locale.timeSeparator)
      .arg(time.second(), 2, 10, QLatin1Char('0'))
      .arg(suffix);
}

QString RptDateTimeText::ShortDate(const QDate& date, const RptLocale& locale) {
  return date.toString(locale.shortDateFormat);
}

QString RptDateTimeText::DateTime(const QDateTime& dateTime, const RptLocale& locale) {
  const QString date = ShortDate(dateTime.date(), locale);
  if (dateTime.time() == QTime(0, 0)) return date;
  return date + QLatin1Char(' ') + LongTime(dateTime.time(), locale);
}

QString RptDateTimeText::LongTime(TDateTime time, const RptLocale& locale) {
  return LongTime(time.Time(), locale);
}

QString RptDateTimeText::DateTime(TDateTime dateTime, const RptLocale& locale) {
  return DateTime(dateTime.ToQDateTime(), locale);
}
