#include "comm/session/CommLogDuration.h"

#include <algorithm>
#include <cmath>

QString CommLogDuration(TDateTime start, TDateTime end) {
  // Day numbers carry float noise: whole milliseconds first, so that an exact half second
  // still rounds up and 3723 s does not come out as 3722.9999.
  const qint64 ms = std::llround((end.Days() - start.Days()) * 86400000.0);
  const qint64 seconds = (std::max<qint64>(ms, 0) + 500) / 1000;
  return QStringLiteral("%1:%2:%3")
      .arg(seconds / 3600)
      .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
