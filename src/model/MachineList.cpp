#include "model/MachineList.h"

#include "model/EcrForms.h"
#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tMachine.h"
#include "model/tMachineFile.h"
#include "model/tMachineSelection.h"
#include "platform/sys/FormRegistry.h"
#include "store/odb/OwnedObjectFile.h"
#include "platform/sys/PumpDelay.h"
#include "store/odb/StorageGlobals.h"
#include "store/streaming/TObjectStream.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>
#include <map>

namespace {
// The machines read lately, by id: every session reads its machine many times (each job
// read from the queue carries it), and sessions on many lines run at once. A full cache
// is emptied before the next machine goes in.
constexpr int kCachedMachines = 256;

// A cached machine is never changed: readers share it, and a write replaces it.
using CachedMachine = std::shared_ptr<const tMachine>;

struct MachineListState {
  std::unique_ptr<tMachineFile> file;
  std::map<QString, CachedMachine> cache;
  bool busy = false;
};

MachineListState& State() {
  static MachineListState state;
  return state;
}

// Every write to the file goes through here and empties the cache, so that no reader is
// handed the copy of a machine that was replaced, renamed, edited or deleted since; the
// machine written, when given, is cached again.
const tMachine* SetCache(std::unique_ptr<const tMachine> machine) {
  MachineListState& s = State();
  s.cache.clear();
  if (!machine) return nullptr;
  const QString id = machine->MachineId;
  return (s.cache[id] = std::move(machine)).get();
}

const CachedMachine& AddToCache(std::unique_ptr<const tMachine> machine) {
  MachineListState& s = State();
  if (int(s.cache.size()) >= kCachedMachines) s.cache.clear();
  const QString id = machine->MachineId;
  return s.cache[id] = std::move(machine);
}

const QString KeyIndex = QStringLiteral("MachineId");

std::unique_ptr<tMachine> Copy(const TObject& machine) {
  std::unique_ptr<TObject> copy = CopyObject(&machine);
  return std::unique_ptr<tMachine>(static_cast<tMachine*>(copy.release()));
}

// Positions the file on the stored machine with that id; false when there is none.
bool FindStored(tMachineFile& file, const QString& machineId) {
  if (file.IsEmpty()) return false;
  file.SetIndexName(KeyIndex);
  tMachine key;
  key.MachineId = machineId;
  file.SetCurrent(&key);
  return file.Find();
}

// The programs still on the common table set take the machine's own.
void ApplyProgramID(tMachine& machine) {
  tEcr* ecr = machine.Ecr();
  if (!ecr) return;
  for (int i = 1; i <= ecr->PrgCount(); ++i)
    if (ecr->Prg(i)->GetProgramID() == QLatin1String("Default")) ecr->Prg(i)->SetProgramID(machine.ProgramID);
}

// A stored machine as the cache holds it: its programs on the common set take its own ID,
// whether it was read from the file or has just been written.
std::unique_ptr<tMachine> CacheCopy(const TObject& stored) {
  std::unique_ptr<tMachine> machine = Copy(stored);
  ApplyProgramID(*machine);
  return machine;
}

void CloseAtExit() { CloseMachineFile(); }
} // namespace

TMachineFileLock::TMachineFileLock() {
  while (State().busy) {
    QThread::msleep(QRandomGenerator::global()->bounded(10));
    PumpMessage();
  }
  State().busy = true;
}

TMachineFileLock::~TMachineFileLock() { State().busy = false; }

bool MachineFileBusy() { return State().busy; }

tMachineFile* OpenMachineFile() {
  MachineListState& s = State();
  if (s.file) return s.file.get();
  s.file = OpenOwnedObjectFile<tMachineFile>(TMissingTableRule::MissingCodesOnly);
  if (s.file) OwnedObjectFile::CloseAtExit(&CloseAtExit);
  return s.file.get();
}

tMachineFile* InitMachineFile() { return OpenMachineFile(); }

void CloseMachineFile() {
  MachineListState& s = State();
  SetCache(nullptr);
  if (!s.file) return;
  CloseOwnedObjectFile(s.file);
  CloseObjectDatabase();
}

namespace {
// The cached machine of that id, read from the file when it is not cached; nullptr
// when none is stored. The caller holds the machine file's lock.
CachedMachine Cached(const QString& machineId) {
  MachineListState& s = State();
  if (auto found = s.cache.find(machineId); found != s.cache.end()) return found->second;
  tMachineFile* file = OpenMachineFile();
  if (!file || !FindStored(*file, machineId)) return nullptr;
  return AddToCache(CacheCopy(file->GetCurrent()));
}
} // namespace

std::unique_ptr<tMachine> FindMachine(const QString& machineId) {
  TMachineFileLock lock;
  const CachedMachine machine = Cached(machineId);
  return machine ? Copy(*machine) : nullptr;
}

std::shared_ptr<const tMachine> ReadMachine(const QString& machineId) {
  TMachineFileLock lock;
  return Cached(machineId);
}

void ListMachines(QStringList& list) {
  TMachineFileLock lock;
  tMachineFile* file = OpenMachineFile();
  if (!file || !file->First()) return;
  do {
    const QString& id = static_cast<const tMachine&>(file->GetCurrent()).MachineId;
    if (!list.contains(id)) list.append(id);
  } while (file->Next());
}

std::unique_ptr<tMachine> SelectMachine(bool maintenance) {
  {
    TMachineFileLock lock;
    if (!OpenMachineFile()) return nullptr;
  }
  tMachineSelection selection(maintenance);
  MachineListRequest request{selection, maintenance};
  if (FormRegistry::Show(request) != EcrForms::FormOk) return nullptr;
  return std::move(selection.Chosen);
}

const tMachine* CurrentMachine(tMachineFile& file) {
  TMachineFileLock lock;
  file.Update();
  return SetCache(CacheCopy(file.GetCurrent()));
}

void UpdateMachine(const tMachine& machine) {
  TMachineFileLock lock;
  tMachineFile* file = OpenMachineFile();
  if (!file || !FindStored(*file, machine.MachineId)) return;
  file->SetCurrent(&machine);
  file->Update();
  SetCache(CacheCopy(machine));
}

void AddMachine(const tMachine& machine) {
  TMachineFileLock lock;
  tMachineFile* file = OpenMachineFile();
  if (!file) return;
  SetCache(nullptr);
  file->SetCurrent(&machine);
  file->Insert();
}

bool DeleteMachine(const QString& machineId) {
  TMachineFileLock lock;
  SetCache(nullptr);
  tMachineFile* file = OpenMachineFile();
  if (!file || !FindStored(*file, machineId)) return false;
  file->Delete();
  return true;
}
