#pragma once
// Where the job queue meets the actions: the class of the actions a job holds, the
// machine id that action readers attach to, and the options that travel with an action
// in memory only.
#include <QString>

class TClass;
class tActn;

// The element class of a job's action array.
const TClass& JobActionClass();
// Makes the machine id the one that actions read from now on attach to.
void PublishJobMachine(const QString& machineId);

// The options an action carries in memory only (they are not stored).
struct TActnOptions {
  bool AutoReport = false;
  bool AutoExport = false;
  bool AppendExport = false;
  QString ExportFile;
};
TActnOptions ActionOptions(const tActn* action);
void SetActionOptions(tActn* action, const TActnOptions& options);
