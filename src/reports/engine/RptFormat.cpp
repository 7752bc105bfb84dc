#include "reports/engine/RptFormat.h"

#include "reports/engine/RptDateTimeText.h"
#include "reports/engine/RptNumberText.h"
#include "reports/engine/RptPictureMask.h"

#include <QDateTime>

namespace {
bool IsNull(const QVariant& value) { return !value.isValid() || value.isNull(); }

QDateTime ToDateTime(const QVariant& value) {
  switch (value.typeId()) {
  case QMetaType::QDateTime: return value.toDateTime();
  case QMetaType::QDate: return QDateTime(value.toDate(), QTime(0, 0));
  case QMetaType::QTime: return QDateTime(QDate(1899, 12, 30), value.toTime());
  default: return TDateTime(value.toDouble()).ToQDateTime();
  }
}
} // namespace

RptFormat::RptFormat(const RptLocale& locale) : locale_(locale) {}

QString RptFormat::DisplayDate(const QVariant& value, Kind kind) const {
  const QDateTime dateTime = ToDateTime(value);
  if (kind == Kind::Date) return ShortDate(dateTime.date());
  if (kind == Kind::Time) return LongTime(dateTime.time());
  return RptDateTimeText::DateTime(dateTime, locale_);
}

QString RptFormat::Display(const QVariant& value, Kind kind) const {
  if (IsNull(value)) return QString();
  switch (kind) {
  case Kind::Integer: return RptNumberText::Integer(value.toLongLong());
  case Kind::Money: return Currency(value.toDouble());
  case Kind::Float: return Shortest(value.toDouble());
  case Kind::Date:
  case Kind::Time:
  case Kind::DateTime: return DisplayDate(value, kind);
  case Kind::Boolean: return value.toBool() ? locale_.trueText : locale_.falseText;
  case Kind::Text: break;
  }
  return value.toString();
}

QString RptFormat::Masked(const QVariant& value, Kind kind, const QString& mask) const {
  if (IsNull(value)) return QString();
  const bool number = kind == Kind::Integer || kind == Kind::Money || kind == Kind::Float;
  if (mask.isEmpty() || !number) return Display(value, kind);
  return RptPictureMask::Format(mask, value.toDouble(), locale_);
}

QString RptFormat::Currency(double value, int significantDigits) const {
  return RptNumberText::Currency(value, locale_, significantDigits);
}

QString RptFormat::Shortest(double value) const { return RptNumberText::Shortest(value, locale_); }

QString RptFormat::Fixed2(double value) const { return RptNumberText::Fixed(value, 2, locale_); }

QString RptFormat::LongTime(const QTime& time) const { return RptDateTimeText::LongTime(time, locale_); }

QString RptFormat::ShortDate(const QDate& date) const { return RptDateTimeText::ShortDate(date, locale_); }
