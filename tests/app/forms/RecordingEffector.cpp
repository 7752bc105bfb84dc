#include "RecordingEffector.h"

#include "platform/sys/Exception.h"

TB_EXCEPTION(ERecordedFailure, Exception)

void RecordingEffector::Record(const QString& name) {
  called << name;
  if (during) during(name);
  if (name == failing) throw ERecordedFailure(QStringLiteral("Table AllPolls is damaged"));
}
