#include "comm/jobs/JobIds.h"

QString PadNumber(qint64 number) { return QString::number(number).rightJustified(6, QLatin1Char('0')); }

qint64 IdNumber(const QString& id) {
  bool ok = false;
  const qint64 n = id.trimmed().toLongLong(&ok);
  return ok ? n : -1;
}

QString NextId(const QString& last, qint64 first) {
  if (last.isEmpty()) return PadNumber(first);
  return PadNumber(qMax<qint64>(IdNumber(last) + 1, first));
}
