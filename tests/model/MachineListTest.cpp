// The machine object, its stream form and the machine list over the object file "Machine".
#include "DriverDoubles.h"

#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "model/tMachineFile.h"
#include "model/tMachineSelection.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/EUserAbort.h"
#include "store/settings/SettingsFile.h"
#include "store/odb/StorageGlobals.h"
#include "store/odb/TObjectDatabase.h"
#include "store/streaming/TObjectStream.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {
std::unique_ptr<tMachine> NewMachine(const QString& id, const QString& programId = QString()) {
  auto machine = std::make_unique<tMachine>();
  machine->MachineId = id;
  machine->CommPort = QStringLiteral("Direct to COM3");
  machine->BaudRate = 9600;
  machine->StoreNumber = 12;
  machine->MachineNumber = 3;
  machine->ProgramID = programId;
  machine->SetEcr(DriverDoubles::NewDriver());
  return machine;
}

std::unique_ptr<tMachine> Copy(const tMachine& machine) {
  std::unique_ptr<TObject> copy = CopyObject(&machine);
  return std::unique_ptr<tMachine>(static_cast<tMachine*>(copy.release()));
}

// The stored record as the file holds it, read past the machine list's cache.
std::unique_ptr<tMachine> Stored(const QString& id) {
  tMachineFile* file = OpenMachineFile();
  tMachine key;
  key.MachineId = id;
  file->SetIndexName(QStringLiteral("MachineId"));
  file->SetCurrent(&key);
  if (!file->Find()) return nullptr;
  return Copy(static_cast<const tMachine&>(file->GetCurrent()));
}

class MachineListTest : public ::testing::Test {
protected:
  void SetUp() override {
    CloseMachineFile();
    TDatabase& db = TSession::Default().Database(GetDataAlias());
    if (db.TableExists(QStringLiteral("Machine"))) db.DeleteTable(QStringLiteral("Machine"));
  }
  void TearDown() override { CloseMachineFile(); }
};
} // namespace

TEST_F(MachineListTest, AMachineStreamsEveryFieldAndItsDriver) {
  std::unique_ptr<tMachine> m = NewMachine(QStringLiteral("Front"), QStringLiteral("Store7"));
  m->ROMVersion = QStringLiteral("x");
  m->DialStr = QStringLiteral("5551234");
  m->Contact1 = QStringLiteral("Ann");
  m->Contact2 = QStringLiteral("Bob");
  m->SwitchNumber = 4;
  m->Address = QStringLiteral("1 Main St");
  m->State = QStringLiteral("OH");
  m->City = QStringLiteral("Akron");
  m->Currency = 2;
  m->Zip = 44301;
  m->Phone = QStringLiteral("(330) 555-1234");
  m->Fax = QStringLiteral("(330) 555-9999");
  m->SwitchType = QStringLiteral("8 Port");
  m->Ecr()->Prg(2)->SetProgramID(QStringLiteral("Own"));
  const std::unique_ptr<tMachine> c = Copy(*m);
  const QStringList expected{"Front", "Direct to COM3", "9600", "x", "12", "3", "5551234", "Store7", "Ann", "Bob",
                             "4", "1 Main St", "OH", "Akron", "2", "44301", "(330) 555-1234", "(330) 555-9999",
                             "8 Port"};
  const QStringList actual{c->MachineId, c->CommPort, QString::number(c->BaudRate), c->ROMVersion,
                           QString::number(c->StoreNumber), QString::number(c->MachineNumber), c->DialStr,
                           c->ProgramID, c->Contact1, c->Contact2, QString::number(c->SwitchNumber), c->Address,
                           c->State, c->City, QString::number(c->Currency), QString::number(c->Zip), c->Phone, c->Fax,
                           c->SwitchType};
  EXPECT_EQ(actual, expected);
  ASSERT_TRUE(c->Ecr());
  EXPECT_NE(c->Ecr(), m->Ecr());
  EXPECT_EQ(c->Ecr()->ClassName(), "tDrvTestEcr");
  EXPECT_EQ(c->Ecr()->Owner(), c.get());
  EXPECT_EQ(c->Ecr()->Prg(2)->GetProgramID(), "Own");
  EXPECT_EQ(c->Ecr()->Prg(2)->Owner(), c->Ecr());
  const std::unique_ptr<tMachine> bare = Copy(tMachine());
  EXPECT_EQ(bare->Ecr(), nullptr);
  EXPECT_TRUE(bare->MachineId.isEmpty());
}

TEST_F(MachineListTest, AStoredDriverWithoutProgramListIsRebuiltWithFullLists) {
  std::unique_ptr<tMachine> m = NewMachine(QStringLiteral("Old"));
  // A driver stored without lists (a blank instance streams both as nil).
  std::unique_ptr<TObject> blank(tDrvTestEcr::StaticClass().NewBlank());
  m->SetEcr(std::unique_ptr<tEcr>(static_cast<tEcr*>(blank.release())));
  ASSERT_EQ(m->Ecr()->Prgs(), nullptr);
  const std::unique_ptr<tMachine> c = Copy(*m);
  ASSERT_TRUE(c->Ecr());
  EXPECT_EQ(c->Ecr()->ClassName(), "tDrvTestEcr");
  EXPECT_EQ(c->Ecr()->PrgCount(), 6);
  EXPECT_EQ(c->Ecr()->RptCount(), 5);
  EXPECT_EQ(c->Ecr()->Owner(), c.get());
}

TEST_F(MachineListTest, AMachineWhoseDriverCannotBeReadLoadsWithABaseDriver) {
  const std::unique_ptr<tMachine> m = NewMachine(QStringLiteral("Odd"));
  TObjectStream stream;
  stream.WriteObject(m.get());
  QByteArray bytes = stream.Stream().Bytes();
  const qsizetype at = bytes.indexOf("tDrvTestEcr");
  ASSERT_GT(at, 0);
  bytes.replace(at, 11, "tDrvTestEcX");
  TObjectStream damaged;
  damaged.Stream().Write(bytes.constData(), bytes.size());
  damaged.Rewind();
  std::unique_ptr<TObject> obj = damaged.ReadObject();
  auto* c = dynamic_cast<tMachine*>(obj.get());
  ASSERT_TRUE(c);
  EXPECT_EQ(c->MachineId, "Odd");
  ASSERT_TRUE(c->Ecr());
  EXPECT_EQ(c->Ecr()->ClassName(), "tEcr");
  EXPECT_EQ(c->Ecr()->Owner(), c);
}

TEST_F(MachineListTest, TheFileIsCreatedOnFirstUseAndCountsAsAUser) {
  const qint32 users = ObjectDatabaseUsers();
  ASSERT_TRUE(InitMachineFile());
  EXPECT_EQ(OpenMachineFile(), InitMachineFile());
  EXPECT_EQ(ObjectDatabaseUsers(), users + 1);
  EXPECT_TRUE(TSession::Default().Database(GetDataAlias()).TableExists(QStringLiteral("Machine")));
  CloseMachineFile();
  EXPECT_EQ(ObjectDatabaseUsers(), users);
  EXPECT_EQ(FindMachine(QStringLiteral("none")), nullptr); // an empty file
}

TEST_F(MachineListTest, FindReadsTheFileOnceAndGivesIndependentCopies) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  std::unique_ptr<tMachine> first = FindMachine(QStringLiteral("Front"));
  ASSERT_TRUE(first);
  // Changed behind the list's back: a hit of the cache does not see it.
  std::unique_ptr<tMachine> changed = NewMachine(QStringLiteral("Front"));
  changed->StoreNumber = 99;
  tMachineFile* file = OpenMachineFile();
  ASSERT_TRUE(Stored(QStringLiteral("Front")));
  file->SetCurrent(changed.get());
  file->Update();
  std::unique_ptr<tMachine> second = FindMachine(QStringLiteral("Front"));
  ASSERT_TRUE(second);
  EXPECT_EQ(second->StoreNumber, 12);
  EXPECT_NE(first.get(), second.get());
  EXPECT_NE(first->Ecr(), second->Ecr());
  first->StoreNumber = 1;
  EXPECT_EQ(FindMachine(QStringLiteral("Front"))->StoreNumber, 12);
  // Another letter case misses the cache and finds nothing; a machine written through the
  // list drops every cached one, and the change is seen.
  EXPECT_EQ(FindMachine(QStringLiteral("front")), nullptr);
  EXPECT_EQ(FindMachine(QStringLiteral("Front"))->StoreNumber, 12);
  AddMachine(*NewMachine(QStringLiteral("Back")));
  EXPECT_EQ(FindMachine(QStringLiteral("Front"))->StoreNumber, 99);
}

// Sessions on many lines read their machines in turn: each is read from the file once, not
// again whenever another machine was read in between.
TEST_F(MachineListTest, MachinesReadInTurnAreEachReadFromTheFileOnce) {
  const QStringList ids{QStringLiteral("Till 1"), QStringLiteral("Till 2"), QStringLiteral("Till 3")};
  for (const QString& id : ids) AddMachine(*NewMachine(id));
  for (const QString& id : ids) ASSERT_TRUE(FindMachine(id));
  tMachineFile* file = OpenMachineFile();
  for (const QString& id : ids) {
    std::unique_ptr<tMachine> changed = NewMachine(id);
    changed->StoreNumber = 99;
    ASSERT_TRUE(Stored(id));
    file->SetCurrent(changed.get());
    file->Update(); // behind the list's back: only a read of the file would see it
  }
  for (int round = 0; round < 2; ++round)
    for (const QString& id : ids) EXPECT_EQ(FindMachine(id)->StoreNumber, 12) << qPrintable(id);
}

// The cache holds 256 machines: reading one more empties it, so a change made behind the
// list's back is seen at the next read of a machine cached before.
TEST_F(MachineListTest, TheCacheHoldsAtMost256Machines) {
  QStringList ids;
  for (int n = 1; n <= 257; ++n) ids << QStringLiteral("Till %1").arg(n);
  for (const QString& id : ids) AddMachine(*NewMachine(id));
  const auto changeStored = [](const QString& id) {
    std::unique_ptr<tMachine> changed = NewMachine(id);
    changed->StoreNumber = 99;
    tMachineFile* file = OpenMachineFile();
    ASSERT_TRUE(Stored(id));
    file->SetCurrent(changed.get());
    file->Update(); // behind the list's back
  };
  for (qsizetype n = 0; n < 256; ++n) ASSERT_TRUE(ReadMachine(ids[n]));
  changeStored(ids[0]);
  EXPECT_EQ(ReadMachine(ids[0])->StoreNumber, 12) << "still cached";
  ASSERT_TRUE(ReadMachine(ids[256]));
  EXPECT_EQ(ReadMachine(ids[0])->StoreNumber, 99) << "read again";
}

TEST_F(MachineListTest, ProgramsOnTheDefaultSetTakeTheMachinesProgramId) {
  std::unique_ptr<tMachine> m = NewMachine(QStringLiteral("Front"), QStringLiteral("Store7"));
  m->Ecr()->Prg(2)->SetProgramID(QStringLiteral("Own"));
  AddMachine(*m);
  const std::unique_ptr<tMachine> found = FindMachine(QStringLiteral("Front"));
  ASSERT_TRUE(found);
  EXPECT_EQ(found->Ecr()->Prg(1)->GetProgramID(), "Store7");
  EXPECT_EQ(found->Ecr()->Prg(2)->GetProgramID(), "Own");
  EXPECT_EQ(Stored(QStringLiteral("Front"))->Ecr()->Prg(1)->GetProgramID(), "Default");
  // A machine whose programs all have their own IDs comes back unchanged.
  std::unique_ptr<tMachine> own = NewMachine(QStringLiteral("Back"), QStringLiteral("Store8"));
  for (int i = 1; i <= own->Ecr()->PrgCount(); ++i) own->Ecr()->Prg(i)->SetProgramID(QStringLiteral("Mine"));
  AddMachine(*own);
  const std::unique_ptr<tMachine> back = FindMachine(QStringLiteral("Back"));
  for (int i = 1; i <= back->Ecr()->PrgCount(); ++i) EXPECT_EQ(back->Ecr()->Prg(i)->GetProgramID(), "Mine");
  // A machine just written is found as one read from the file would be.
  std::unique_ptr<tMachine> rewritten = NewMachine(QStringLiteral("Front"), QStringLiteral("Store9"));
  UpdateMachine(*rewritten);
  EXPECT_EQ(FindMachine(QStringLiteral("Front"))->Ecr()->Prg(1)->GetProgramID(), "Store9");
}

TEST_F(MachineListTest, ListUpdateAndDelete) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  AddMachine(*NewMachine(QStringLiteral("Back")));
  QStringList list{QStringLiteral("Back")};
  ListMachines(list);
  EXPECT_EQ(list, (QStringList{"Back", "Front"}));

  std::unique_ptr<tMachine> front = FindMachine(QStringLiteral("Front"));
  front->StoreNumber = 40;
  front->Update();
  EXPECT_EQ(Stored(QStringLiteral("Front"))->StoreNumber, 40);
  EXPECT_EQ(FindMachine(QStringLiteral("Front"))->StoreNumber, 40);

  // An id that is not stored: nothing written, the cache as it was.
  std::unique_ptr<tMachine> stranger = NewMachine(QStringLiteral("Stranger"));
  stranger->Update();
  EXPECT_EQ(Stored(QStringLiteral("Stranger")), nullptr);
  EXPECT_EQ(FindMachine(QStringLiteral("Front"))->StoreNumber, 40);

  EXPECT_TRUE(DeleteMachine(QStringLiteral("Front")));
  EXPECT_EQ(FindMachine(QStringLiteral("Front")), nullptr);
  EXPECT_FALSE(DeleteMachine(QStringLiteral("Front")));
  EXPECT_TRUE(Stored(QStringLiteral("Back")));
}

TEST_F(MachineListTest, ReadersShareOneCopyUntilTheMachineChanges) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  AddMachine(*NewMachine(QStringLiteral("Back")));
  const std::shared_ptr<const tMachine> first = ReadMachine(QStringLiteral("Front"));
  ASSERT_TRUE(first);
  EXPECT_EQ(ReadMachine(QStringLiteral("Front")), first); // no copy for a second reader
  EXPECT_EQ(ReadMachine(QStringLiteral("front")), nullptr);

  // Stored anew: later readers see the change, an earlier one keeps what it read.
  std::unique_ptr<tMachine> edited = FindMachine(QStringLiteral("Front"));
  edited->StoreNumber = 77;
  edited->Update();
  const std::shared_ptr<const tMachine> after = ReadMachine(QStringLiteral("Front"));
  EXPECT_NE(after, first);
  EXPECT_EQ(after->StoreNumber, 77);
  EXPECT_NE(first->StoreNumber, 77);

  // Another machine read in between keeps it; then a rename through the file's cursor.
  EXPECT_EQ(ReadMachine(QStringLiteral("Back"))->MachineId, "Back");
  EXPECT_EQ(ReadMachine(QStringLiteral("Front")), after);
  tMachineFile* file = OpenMachineFile();
  ASSERT_TRUE(Stored(QStringLiteral("Front")));
  std::unique_ptr<tMachine> renamed = NewMachine(QStringLiteral("Renamed"));
  file->SetCurrent(renamed.get());
  CurrentMachine(*file);
  EXPECT_EQ(ReadMachine(QStringLiteral("Front")), nullptr);
  EXPECT_EQ(ReadMachine(QStringLiteral("Renamed"))->MachineId, "Renamed");

  EXPECT_TRUE(DeleteMachine(QStringLiteral("Renamed")));
  EXPECT_EQ(ReadMachine(QStringLiteral("Renamed")), nullptr);
}

TEST_F(MachineListTest, CurrentMachineRewritesTheRecordAndBecomesTheCache) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  tMachineFile* file = OpenMachineFile();
  ASSERT_TRUE(Stored(QStringLiteral("Front")));
  std::unique_ptr<tMachine> edited = NewMachine(QStringLiteral("Renamed"));
  file->SetCurrent(edited.get());
  const tMachine* current = CurrentMachine(*file);
  ASSERT_TRUE(current);
  EXPECT_EQ(current->MachineId, "Renamed");
  EXPECT_EQ(Stored(QStringLiteral("Front")), nullptr);
  EXPECT_TRUE(Stored(QStringLiteral("Renamed")));
  EXPECT_EQ(FindMachine(QStringLiteral("Renamed"))->MachineId, "Renamed");
}

TEST_F(MachineListTest, AFindArrivingWhileTheFileIsBusyWaitsItsTurn) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  std::optional<TMachineFileLock> holder;
  holder.emplace();
  bool released = false;
  QTimer::singleShot(30, [&] {
    released = true;
    holder.reset();
  });
  const std::unique_ptr<tMachine> found = FindMachine(QStringLiteral("Front"));
  EXPECT_TRUE(released);
  EXPECT_TRUE(found);
  EXPECT_FALSE(MachineFileBusy());
}

TEST_F(MachineListTest, TheBusyFlagIsClearedWhenAnOperationFails) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  EXPECT_ANY_THROW(AddMachine(*NewMachine(QStringLiteral("Front")))); // key violation
  EXPECT_FALSE(MachineFileBusy());
  EXPECT_TRUE(FindMachine(QStringLiteral("Front")));
}

TEST_F(MachineListTest, SelectMachineGivesWhatTheListWindowChose) {
  AddMachine(*NewMachine(QStringLiteral("Front")));
  bool maintenance = false;
  int answer = EcrForms::FormOk;
  ScopedForm<MachineListRequest> window([&](MachineListRequest& request) {
    maintenance = request.maintenance && request.selection.Maintenance;
    EXPECT_FALSE(MachineFileBusy()); // the window itself may look machines up
    request.selection.Chosen = FindMachine(QStringLiteral("Front"));
    return answer;
  });
  std::unique_ptr<tMachine> chosen = SelectMachine(true);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->MachineId, "Front");
  EXPECT_TRUE(maintenance);
  answer = 0;
  EXPECT_EQ(SelectMachine(false), nullptr);
}

TEST_F(MachineListTest, MaintenanceOfAMachineWithoutDriverStartsWithTheModelChoice) {
  tMachine machine;
  int windows = 0;
  ScopedForm<ModelChoiceRequest> chooser([](ModelChoiceRequest&) { return 0; });
  ScopedForm<MachineMaintRequest> maint([&](MachineMaintRequest& request) {
    ++windows;
    EXPECT_EQ(&request.machine, &machine);
    EXPECT_TRUE(request.isNew);
    EXPECT_EQ(request.usedIds, QStringList{"Front"});
    return EcrForms::FormOk;
  });
  EXPECT_THROW(machine.DoMaint(true, {QStringLiteral("Front")}), EUserAbort);
  EXPECT_EQ(windows, 0);
  machine.SetEcr(DriverDoubles::NewDriver());
  EXPECT_TRUE(machine.DoMaint(true, {QStringLiteral("Front")}));
  EXPECT_EQ(windows, 1);
  EXPECT_EQ(machine.Ecr()->Owner(), &machine);
}
