#include "reports/RptTrackTime.h"

#include <cmath>

QString RptTrackTime::Text(const RptValue& seconds, const RptValue& orders, bool padded) {
  const qint64 total = seconds.ToInteger(), count = orders.ToInteger();
  if (total == 0 || count == 0) return QStringLiteral("0:00:00");
  const qint64 average = qint64(std::trunc(double(total) / double(count)));
  // A negative average (a register's correction) keeps its sign in front of the whole time.
  const qint64 magnitude = average < 0 ? -average : average;
  const qint64 hours = magnitude / 3600, minutes = magnitude % 3600 / 60, rest = magnitude % 60;
  const int width = padded ? 2 : 0;
  return QStringLiteral("%1%2:%3:%4")
      .arg(average < 0 ? QStringLiteral("-") : QString())
      .arg(hours)
      .arg(minutes, width, 10, QLatin1Char('0'))
      .arg(rest, width, 10, QLatin1Char('0'));
}
