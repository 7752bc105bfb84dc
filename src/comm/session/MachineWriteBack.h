#pragma once
// What a session writes back into the stored machine: only the driver state the session
// itself changed, its program tables' stamps (last saved, sent, modified), into the
// machine's current record. Every other field of the record, edited in "Machine
// Maintenance" while the session ran, stays as it is now. The table sizes a logon reads
// live in the session's driver only and are not stored with a machine.
#include "platform/sys/TDateTime.h"

#include <QHash>
#include <QString>

class tMachine;

class MachineWriteBack {
public:
  // The stamps of the session's machine copy when the session starts.
  explicit MachineWriteBack(const tMachine& copy);
  // Writes the stamps that changed since then into the stored record of the machine's id,
  // when it has one and any changed. True when the record was written.
  bool Merge(const tMachine& copy);

private:
  struct Stamps {
    TDateTime mod, svd, snt;
  };
  static QHash<QString, Stamps> Read(const tMachine& machine);
  QHash<QString, Stamps> start_;
};
