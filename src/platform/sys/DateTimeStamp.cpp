#include "platform/sys/DateTimeStamp.h"

QString DateTimeStamp(TDateTime value) {
  const QDateTime dt = value.ToQDateTime();
  return dt.date().toString(QStringLiteral("yyyyMMdd")) + dt.time().toString(QStringLiteral("HHmmss"));
}
