#include "reports/RptPeriodRange.h"

#include "reports/engine/RptDateTimeText.h"
#include "reports/engine/RptLocale.h"
#include "reports/engine/RptRowSource.h"

namespace {
QString Bound(const RptRowSource& timeRange, const char* which, int period) {
  const RptValue value = timeRange.Field(QStringLiteral("%1 Time %2").arg(QLatin1String(which), RptTwoDigits(period)));
  return RptDateTimeText::LongTime(value.IsNull() ? QTime(0, 0) : value.ToTime(), RptLocale::Report());
}
} // namespace

QString RptTwoDigits(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

QString RptPeriodRange(const RptRowSource& timeRange, int period) {
  return Bound(timeRange, "Start", period) + QLatin1Char('-') + Bound(timeRange, "End", period);
}
