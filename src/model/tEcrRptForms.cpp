// The windows of a report: its options form and the presentation of a stored poll.
#include "model/EcrForms.h"
#include "model/TdmAllPolls.h"
#include "model/tEcrRpt.h"
#include "platform/engine/TTable.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"

bool tEcrRpt::MntRptOpts() {
  const QString form = GetOptsFormClass();
  if (form == QLatin1String(kNoOptionsForm)) return true;
  RptOptsRequest request{*this, GetRptName()};
  return FormRegistry::Show(request, form) == EcrForms::FormOk;
}

void tEcrRpt::Present(bool print, qint32 pollId) {
  const QString form = ReportFormClass();
  if (form.isEmpty()) {
    Prompter::ShowMessage(QStringLiteral("ReportFormClass is NIL."));
    return;
  }
  OpenAllPolls();
  TTable& polls = dmAllPolls().tblAllPolls;
  polls.SetIndexName(QString());
  // The report form follows the current row of the shared cursor.
  if (!polls.FindKey({pollId})) return;
  TTable rows;
  OpenTable(rows);
  const bool hasRows = rows.Active() && rows.Locate({QStringLiteral("Poll Id")}, {pollId});
  rows.Close();
  if (!hasRows) {
    Prompter::ShowMessage(QStringLiteral("No Data Available"));
    return;
  }
  RptPresentRequest request{*this, print, pollId};
  FormRegistry::Show(request, form);
}
