#pragma once
// Dates and times as reports print them: the long time (2:05:09 PM), the short date
// (6/30/2024), and a date-time as both, with the time left out at exactly midnight.
#include "reports/engine/RptLocale.h"
#include "platform/sys/TDateTime.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace RptDateTimeText {
// Hours without a leading zero, minutes and seconds in two digits; milliseconds dropped.
// On a twelve-hour clock midnight is "12:00:00 AM" and noon "12:00:00 PM".
QString LongTime(const QTime& time, const RptLocale& locale);
QString ShortDate(const QDate& date, const RptLocale& locale);
QString DateTime(const QDateTime& dateTime, const RptLocale& locale);
// A time of day or a date-time in the stored day-number form.
QString LongTime(TDateTime time, const RptLocale& locale);
QString DateTime(TDateTime dateTime, const RptLocale& locale);
} // namespace RptDateTimeText
