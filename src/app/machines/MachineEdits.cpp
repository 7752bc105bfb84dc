#include "app/machines/MachineEdits.h"

#include "model/MachineList.h"
#include "model/tMachine.h"
#include "model/tMachineFile.h"

bool MachineEdits::ReplaceMachine(const QString& oldId, const tMachine& edited) {
  tMachineFile* file = nullptr;
  {
    TMachineFileLock lock;
    file = OpenMachineFile();
    if (!file || file->IsEmpty()) return false;
    file->SetIndexName(QStringLiteral("MachineId"));
    tMachine key;
    key.MachineId = oldId;
    file->SetCurrent(&key);
    if (!file->Find()) return false;
    file->SetCurrent(&edited);
  }
  CurrentMachine(*file); // rewrites the found record and refreshes the cache
  return true;
}
