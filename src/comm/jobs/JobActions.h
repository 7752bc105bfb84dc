#pragma once
// The options an action carries in memory only (they are not stored with it), which the
// job queue keeps beside a pending job and puts back into the job's action on loading.
#include <QString>

class tActn;

struct TActnOptions {
  bool AutoReport = false;
  bool AutoExport = false;
  bool AppendExport = false;
  QString ExportFile;
};
// The action's options; all off for no action.
TActnOptions ActionOptions(const tActn* action);
// Nothing for no action.
void SetActionOptions(tActn* action, const TActnOptions& options);
