#include "crs-sim/SimFaultPlan.h"

std::optional<SimFault> SimFaultPlan::Take(SimFaultKind kind, quint8 command, int occurrence, int frame) {
  for (qsizetype i = 0; i < faults_.size(); ++i) {
    SimFault& f = faults_[i];
    if (f.kind != kind) continue;
    if (f.command != 0 && f.command != command) continue;
    if (f.occurrence != SimFault::Any && f.occurrence != occurrence) continue;
    if (f.frame != SimFault::Any && f.frame != frame) continue;
    const SimFault fired = f;
    if (f.times != SimFault::Forever && --f.times <= 0) faults_.removeAt(i);
    return fired;
  }
  return std::nullopt;
}
