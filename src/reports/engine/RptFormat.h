#pragma once
// The text of a report value under one pinned locale: the default display of each kind of
// value, and a value under a number picture. A null value prints as the empty text.
#include "reports/engine/RptLocale.h"

#include <QDateTime>
#include <QString>
#include <QVariant>

class RptFormat {
public:
  // The kinds of value whose default display differs.
  enum class Kind { Integer, Money, Float, Date, Time, DateTime, Boolean, Text };

  // The locale is copied: a later RptLocale::SetReport does not change this formatter.
  explicit RptFormat(const RptLocale& locale = RptLocale::Report());
  const RptLocale& Locale() const { return locale_; }

  // Integer: digits. Money: the currency text. Float: the shortest form. Time: the long time.
  // Date: the short date. DateTime: the short date and the long time, the time left out at
  // midnight. Boolean: the locale's true and false texts. Text: as it is. Dates and times
  // come as QDate, QTime, QDateTime or a day number (double, days since 1899-12-30).
  QString Display(const QVariant& value, Kind kind) const;
  // A number under a picture (RptPictureMask); an empty picture, or a value that is no
  // number, gives the default display.
  QString Masked(const QVariant& value, Kind kind, const QString& mask) const;

  QString Currency(double value, int significantDigits = 15) const;
  QString Shortest(double value) const;
  // Two decimals, no grouping: 1234.50.
  QString Fixed2(double value) const;
  QString LongTime(const QTime& time) const;
  QString ShortDate(const QDate& date) const;

private:
  QString DisplayDate(const QVariant& value, Kind kind) const;

  RptLocale locale_;
};
