#include "comm/scripts/ScrptList.h"

#include "comm/scripts/ScrptForms.h"
#include "comm/scripts/tScrpt.h"
#include "comm/scripts/tScrptFile.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "platform/sys/Exception.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/PumpDelay.h"
#include "store/odb/OwnedObjectFile.h"
#include "store/odb/StorageGlobals.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

namespace {
struct ScrptListState {
  std::unique_ptr<tScrptFile> file;
  QString machineId;
  bool busy = false;
};

ScrptListState& State() {
  static ScrptListState state;
  return state;
}

void CloseAtExit() { CloseScrptFile(); }

const tScrpt& Current(tScrptFile& file) { return static_cast<const tScrpt&>(file.GetCurrent()); }
} // namespace

TScrptFileLock::TScrptFileLock() {
  while (State().busy) {
    QThread::msleep(QRandomGenerator::global()->bounded(10));
    PumpMessage();
  }
  State().busy = true;
}

TScrptFileLock::~TScrptFileLock() { State().busy = false; }

bool ScrptFileBusy() { return State().busy; }

QString ScrptMachineId() { return State().machineId; }
void SetScrptMachineId(const QString& machineId) { State().machineId = machineId; }

tScrptFile* OpenScrptFile() {
  ScrptListState& s = State();
  if (s.file) return s.file.get();
  s.file = OpenOwnedObjectFile<tScrptFile>(TMissingTableRule::AnyEngineError);
  if (s.file) OwnedObjectFile::CloseAtExit(&CloseAtExit);
  return s.file.get();
}

void CloseScrptFile() {
  ScrptListState& s = State();
  s.machineId.clear();
  if (!s.file) return;
  CloseOwnedObjectFile(s.file);
  CloseObjectDatabase();
}

void ListScrpts(QStringList& list, const tEcr* driver) {
  TScrptFileLock lock;
  tScrptFile* file = OpenScrptFile();
  if (!file) return;
  QStringList orphans;
  for (const QString& id : file->Ids()) {
    PumpMessage();
    const TClass* cls = nullptr;
    try {
      if (!file->FindId(id)) continue;
      cls = &Current(*file).GetEcrClass();
    } catch (const Exception&) {
      qWarning("Script %s could not be read", qUtf8Printable(id)); // left as it is, not listed
      continue;
    }
    if (cls == &tEcr::StaticClass()) orphans << id;
    else if (!driver || &driver->ClassType() == cls) list << id;
  }
  for (const QString& id : orphans)
    if (file->FindId(id)) file->Delete();
  file->SetCurrent(nullptr);
}

std::unique_ptr<tScrpt> LoadScrpt(const QString& id) {
  TScrptFileLock lock;
  tScrptFile* file = OpenScrptFile();
  if (!file) return nullptr;
  std::unique_ptr<tScrpt> result;
  try {
    if (file->FindId(id)) result = CopyScrpt(Current(*file));
  } catch (const Exception&) {
    qWarning("Script %s could not be read", qUtf8Printable(id));
  }
  file->SetCurrent(nullptr);
  return result;
}

void InsertScrpt(const tScrpt& script) {
  TScrptFileLock lock;
  tScrptFile* file = OpenScrptFile();
  if (!file) return;
  file->SetCurrent(&script);
  file->Insert();
  file->SetCurrent(nullptr);
}

bool UpdateScrpt(const QString& oldId, const tScrpt& script) {
  TScrptFileLock lock;
  tScrptFile* file = OpenScrptFile();
  if (!file || !file->FindId(oldId)) return false;
  file->SetCurrent(&script);
  file->Update();
  file->SetCurrent(nullptr);
  return true;
}

bool DeleteScrpt(const QString& id) {
  TScrptFileLock lock;
  tScrptFile* file = OpenScrptFile();
  if (!file || !file->FindId(id)) return false;
  file->Delete();
  file->SetCurrent(nullptr);
  return true;
}

std::unique_ptr<tScrpt> SelectScrpt(const tMachine* machine, const tEcr* driver, bool maintenanceOnly) {
  SetScrptMachineId(machine ? machine->MachineId : QString());
  {
    TScrptFileLock lock;
    if (!OpenScrptFile()) return nullptr;
  }
  ScrptListRequest request{machine, driver, maintenanceOnly, nullptr};
  if (FormRegistry::Show(request) != ScrptForms::FormOk) return nullptr;
  return std::move(request.chosen);
}
