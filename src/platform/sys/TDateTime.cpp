#include "platform/sys/TDateTime.h"

#include "platform/sys/Clock.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
} // namespace

TDateTime TDateTime::FromDate(const QDate& date) {
  return TDateTime(static_cast<double>(kEpoch.daysTo(date)));
}

TDateTime TDateTime::FromTime(const QTime& time) {
  return TDateTime(time.msecsSinceStartOfDay() / kMsPerDay);
}

TDateTime TDateTime::FromQDateTime(const QDateTime& dt) {
  const double date = FromDate(dt.date()).days_;
  const double frac = FromTime(dt.time()).days_;
  // Before the epoch the fraction still counts forward from midnight, as a magnitude.
  return TDateTime(date >= 0 ? date + frac : date - frac);
}

TDateTime TDateTime::Now() { return FromQDateTime(Clock::Current().Now()); }

QDate TDateTime::Date() const { return kEpoch.addDays(static_cast<qint64>(std::trunc(days_))); }

QTime TDateTime::Time() const {
  const double frac = std::fabs(days_ - std::trunc(days_));
  qint64 ms = std::llround(frac * kMsPerDay);
  if (ms >= 86400000) ms = 86399999;
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
}

QDateTime TDateTime::ToQDateTime() const { return QDateTime(Date(), Time()); }

TDateTime TDateTime::DatePart() const { return TDateTime(std::trunc(days_)); }

TDateTime TDateTime::TimePart() const { return TDateTime(std::fabs(days_ - std::trunc(days_))); }
