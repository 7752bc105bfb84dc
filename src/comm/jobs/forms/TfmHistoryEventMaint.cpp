#include "comm/jobs/forms/TfmHistoryEventMaint.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/forms/JobText.h"
#include "comm/jobs/tHistoryEvent.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmHistoryEventMaint::TfmHistoryEventMaint(QWidget* parent, const tHistoryEvent& job) : QDialog(parent) {
  setObjectName(QStringLiteral("fmHistoryEventMaint"));
  const QString name = JobTargetText(job);
  setWindowTitle(name);
  const struct {
    const char* label;
    const char* control;
    QString value;
  } fields[] = {
      {"Event Id", "edtEventId", job.EventId},
      {"Machine Id", "edtMachineId", job.MachineId},
      {"Type", "edtType", JobTypeText(job)},
      {"Event Name", "edtEventName", name},
      {"Successful", "edtSuccessful", HisStatus::StatusText(job.Status)},
      {"Date", "edtDate", JobDateText(job)},
      {"Time", "edtTime", JobTimeText(job)},
      {"Started By Calendar", "edtStartedByCalendar",
       job.StartedByCalendar ? QStringLiteral("True") : QStringLiteral("False")},
      {"Schedule Id", "edtScheduleId", job.ScheduleId},
      {"Script Id", "edtScriptId", job.ScriptId},
      {"ComPort", "edtComPort", job.ComPort},
      {"Mode", "edtMode", job.Mode},
      {"State", "edtState", HisStatus::StatusText(job.State)},
      {"Initial Retry Count", "edtInitRetryCount", QString::number(job.InitRetryCount + 1)},
      {"Deferred Retry Count", "edtDefRetryCount", QString::number(job.DefRetryCount + 1)},
  };
  auto* form = new QFormLayout;
  for (const auto& f : fields) {
    auto* edit = new QLineEdit(f.value);
    edit->setObjectName(QString::fromLatin1(f.control));
    edit->setReadOnly(true);
    edit->setMinimumWidth(220);
    form->addRow(QString::fromLatin1(f.label), edit);
  }
  auto* close = new QPushButton(QStringLiteral("Close"));
  close->setObjectName(QStringLiteral("btnClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(close, 0, Qt::AlignRight);
}
