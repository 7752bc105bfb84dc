// The browser's export and consolidation.
#include "reports/forms/TfrmAllPolls.h"

#include "model/ZeroSkip.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/Exception.h"
#include "platform/sys/Prompter.h"
#include "reports/AllPollsExport.h"
#include "reports/ConsolidationRanges.h"
#include "reports/PollConsolidation.h"
#include "reports/RptPollReport.h"
#include "reports/forms/PollExportFile.h"
#include "reports/forms/TfrmConsolidate.h"
#include "reports/forms/TfrmStatus.h"

#include <QCheckBox>

namespace {
QString ReportNameOf(const tEcrRpt& report, qint32 pollId) {
  TQuery query(report.GetDataBaseName());
  query.Exec(QStringLiteral("SELECT \"Report Name\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"), {pollId});
  return query.Next() ? query.Value(0).toString() : QString();
}

void ShowError(const Exception& e) { Prompter::ShowMessage(e.Message(), Prompter::Kind::Error); }
} // namespace

void TfrmAllPolls::btnExportClick() {
  QList<qint32> polls = SelectedPollIds();
  if (polls.size() < 2) polls = {CurrentPollId()};
  polls.removeAll(0);
  if (polls.isEmpty()) return;
  const QString file = PollExportFile::Ask(this);
  if (file.isEmpty()) return;
  try {
    Prompter::ShowMessage(AllPollsExport::Export(polls, file));
  } catch (const Exception& e) {
    ShowError(e);
  }
}

void TfrmAllPolls::btnConsClick() {
  const qint32 pollId = CurrentPollId();
  if (pollId <= 0) {
    Prompter::ShowMessage(QStringLiteral("No Reports selected.\r\rYou must click on a report\rbefore consolidating."));
    return;
  }
  try {
    Consolidate(pollId);
  } catch (const Exception& e) {
    ShowError(e);
  }
  Reload(pollId);
}

void TfrmAllPolls::Consolidate(qint32 pollId) {
  const RptPollClasses classes = RptPollReport::ClassesOf(pollId);
  if (ConsolidationRefusal::Refused(classes.driverClass, classes.reportClass)) {
    Prompter::ShowMessage(PollConsolidation::RefusalText());
    return;
  }
  TfrmConsolidate ranges(this);
  if (ranges.exec() != QDialog::Accepted) return;
  TfrmStatus status(this);
  status.show();
  status.ShowStep(QStringLiteral("Starting Consolidation..."));
  ZeroSkip = zeroSkip_->isChecked();
  status.ShowStep(QStringLiteral("Retrieving Report Object..."));
  const RptPollReport report(classes);
  tEcrRpt& rpt = report.Report();
  PollConsolidation run(rpt, classes.driverClass, ReportNameOf(rpt, pollId),
                        [&status](const QString& step) { status.ShowStep(step); });
  const auto outcome = run.Run(ranges.Ranges(), [&](qint32 consolidated) {
    rpt.Present(false, consolidated);
    if (!ranges.ExportToFile()) return;
    status.ShowStep(QStringLiteral("Preparing To Export..."));
    const QString file = PollExportFile::Ask(this);
    if (!file.isEmpty())
      Prompter::ShowMessage(AllPollsExport::Export({consolidated}, file, AllPollsExport::Mode::Consolidated));
  });
  if (outcome == PollConsolidation::Outcome::NoPolls) Prompter::ShowMessage(PollConsolidation::NoPollsText());
}
