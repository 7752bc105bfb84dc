#include "reports/RptTrackTime.h"

#include <cmath>

QString RptTrackTime::Text(const RptValue& seconds, const RptValue& orders, bool padded) {
  const qint64 total = seconds.ToInteger(), count = orders.ToInteger();
  if (total == 0 || count == 0) return QStringLiteral("0:00:00");
  const qint64 average = qint64(std::trunc(double(total) / double(count)));
  const qint64 hours = average / 3600, minutes = (average - 3600 * hours) / 60, rest = average - 3600 * hours - 60 * minutes;
  const int width = padded ? 2 : 0;
  return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, width, 10, QLatin1Char('0')).arg(rest, width, 10, QLatin1Char('0'));
}
