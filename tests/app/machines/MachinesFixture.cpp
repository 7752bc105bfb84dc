#include "MachinesFixture.h"

#include "ActnDoubles.h"
#include "model/MachineList.h"
#include "model/tMachineFile.h"
#include "store/streaming/TObjectStream.h"

MachinesFixture::MachinesFixture() { CloseMachineFile(); }
MachinesFixture::~MachinesFixture() { CloseMachineFile(); }

std::unique_ptr<tMachine> MachinesFixture::Machine(const QString& id, int store, int number) {
  std::unique_ptr<tMachine> machine = ActnDoubles::NewMachine(id);
  machine->StoreNumber = store;
  machine->MachineNumber = number;
  machine->ProgramID = QStringLiteral("Set") + id;
  machine->SwitchNumber = 3;
  machine->SwitchType = QStringLiteral("4 Port");
  return machine;
}

void MachinesFixture::Store(const tMachine& machine) { AddMachine(machine); }

std::unique_ptr<tMachine> MachinesFixture::Stored(const QString& id) {
  tMachineFile* file = OpenMachineFile();
  if (file->IsEmpty()) return nullptr;
  tMachine key;
  key.MachineId = id;
  file->SetIndexName(QStringLiteral("MachineId"));
  file->SetCurrent(&key);
  if (!file->Find()) return nullptr;
  std::unique_ptr<TObject> copy = CopyObject(&file->GetCurrent());
  return std::unique_ptr<tMachine>(static_cast<tMachine*>(copy.release()));
}
