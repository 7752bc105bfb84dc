#include "comm/jobs/JobActions.h"

#include "platform/sys/TObject.h"

const TClass& JobActionClass() { return TObject::StaticClass(); }
void PublishJobMachine(const QString&) {}
TActnOptions ActionOptions(const tActn*) { return {}; }
void SetActionOptions(tActn*, const TActnOptions&) {}
