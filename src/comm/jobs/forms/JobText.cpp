#include "comm/jobs/forms/JobText.h"

#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/jobs/tHistoryEvent.h"

#include <QLocale>

QString JobTypeText(const tHistoryEvent& job) {
  const tActn* actn = job.GetActn();
  if (actn && actn->Is<tActnRpt>()) return QStringLiteral("Report");
  if (actn && actn->Is<tActnPrgSnd>()) return QStringLiteral("Program Send");
  return QStringLiteral("Program Receive");
}

QString JobTargetText(const tHistoryEvent& job) {
  const tActn* actn = job.GetActn();
  return actn ? actn->GetSubTitle() : QString();
}

QString JobDateText(const tHistoryEvent& job) {
  return QLocale::system().toString(job.Created.Date(), QLocale::ShortFormat);
}

QString JobTimeText(const tHistoryEvent& job) {
  // The system's long time form without the zone.
  const QLocale locale = QLocale::system();
  const QString format = locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
  return locale.toString(job.Created.Time(), format);
}
