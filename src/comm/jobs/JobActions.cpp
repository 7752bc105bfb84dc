#include "comm/jobs/JobActions.h"

#include "comm/actions/tActn.h"

TActnOptions ActionOptions(const tActn* action) {
  if (!action) return {};
  return {action->AutoReport, action->AutoExport, action->AppendExport, action->ExportFile};
}

void SetActionOptions(tActn* action, const TActnOptions& options) {
  if (!action) return;
  action->AutoReport = options.AutoReport;
  action->AutoExport = options.AutoExport;
  action->AppendExport = options.AppendExport;
  action->ExportFile = options.ExportFile;
}
