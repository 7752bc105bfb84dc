#pragma once
// The faults still to inject, in the order they were added.
#include "crs-sim/SimFault.h"

#include <QList>

#include <optional>

class SimFaultPlan {
public:
  void Add(const SimFault& fault) { faults_.append(fault); }
  void Clear() { faults_.clear(); }
  const QList<SimFault>& Pending() const { return faults_; }

  // Fires the first pending fault of this kind that applies to frame `frame` of an exchange
  // of `command` (its `occurrence`-th); a fault is dropped once it has fired its times.
  std::optional<SimFault> Take(SimFaultKind kind, quint8 command, int occurrence, int frame);

private:
  QList<SimFault> faults_;
};
