// Every ROM version chosen for a machine through the model choice, stored in the machine
// file, read back and answering its lists.
#include "Crs3000StandIns.h"

#include "crs3000/Crs3000RomLists.h"
#include "crs3000/Crs3000RomVersions.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrModelChoice.h"
#include "model/tMachine.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/sys/FormRegistry.h"
#include "store/settings/SettingsFile.h"
#include "store/containers/TArray.h"

#include <gtest/gtest.h>

namespace {
class Crs3000Machine : public ::testing::Test {
protected:
  void SetUp() override {
    StandIns::RegisterAll();
    CloseMachineFile();
    TDatabase& db = TSession::Default().Database(GetDataAlias());
    if (db.TableExists(QStringLiteral("Machine"))) db.DeleteTable(QStringLiteral("Machine"));
  }
  void TearDown() override { CloseMachineFile(); }

  // A new machine whose driver the user chooses: CRS, 3000, then the ROM text.
  std::unique_ptr<tMachine> ChooseMachine(const QString& id, const QString& romName) {
    const QStringList picks{QStringLiteral("CRS"), QStringLiteral("3000"), romName};
    int level = 0;
    ScopedForm<ModelChoiceRequest> chooser([&](ModelChoiceRequest& request) {
      tEcrModelChoice& choice = request.choice;
      for (int i = 0; i < choice.Count(); ++i)
        if (choice.Text(i) == picks.value(level)) {
          ++level;
          choice.Choose(i);
          return EcrForms::FormOk;
        }
      return 0;
    });
    ScopedForm<MachineMaintRequest> maint([](MachineMaintRequest&) { return EcrForms::FormOk; });
    auto machine = std::make_unique<tMachine>();
    machine->MachineId = id;
    machine->ProgramID = QStringLiteral("Set1");
    EXPECT_TRUE(machine->DoMaint(true, {}));
    return machine;
  }
};
} // namespace

TEST_F(Crs3000Machine, EveryRomCanBeChosenStoredAndReadBackWithItsLists) {
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All()) {
    const std::unique_ptr<tMachine> machine = ChooseMachine(version.ClassName, version.RomName);
    ASSERT_TRUE(machine->Ecr());
    EXPECT_EQ(machine->Ecr()->ClassName(), version.ClassName);
    AddMachine(*machine);
  }
  CloseMachineFile(); // nothing cached: every machine comes from the file
  QStringList ids;
  ListMachines(ids);
  EXPECT_EQ(ids.size(), 18);
  for (const Crs3000RomVersion& version : Crs3000RomVersions::All()) {
    SCOPED_TRACE(version.ClassName.toStdString());
    const std::unique_ptr<tMachine> machine = FindMachine(version.ClassName);
    ASSERT_TRUE(machine && machine->Ecr());
    const tEcr& ecr = *machine->Ecr();
    EXPECT_EQ(ecr.ClassName(), version.ClassName);
    EXPECT_EQ(ecr.RomName(), version.RomName);
    EXPECT_EQ(ecr.Owner(), machine.get());
    const std::unique_ptr<tEcr> today = tEcr::New(ecr.ClassType());
    EXPECT_EQ(StandIns::ClassNames(ecr, true), StandIns::ClassNames(*today, true));
    EXPECT_EQ(StandIns::ClassNames(ecr, false), StandIns::ClassNames(*today, false));
    for (int i = 1; i <= ecr.PrgCount(); ++i) EXPECT_EQ(ecr.Prg(i)->GetProgramID(), "Set1");
    QStringList reports;
    ecr.MakeRptLstBx(reports);
    EXPECT_EQ(reports.size(), ecr.RptCount());
  }
}

TEST_F(Crs3000Machine, AMachineStoredByAnOlderBuildGetsTodaysListsAndKeepsItsTableSets) {
  const std::unique_ptr<tMachine> machine = ChooseMachine(QStringLiteral("Till"), QStringLiteral("2.23"));
  tEcr& ecr = *machine->Ecr();
  ASSERT_GE(ecr.PrgCount(), 2);
  const QStringList today = StandIns::ClassNames(ecr, true);
  ecr.FindPrgByClass(QString::fromLatin1(StandIns::PLU))->SetProgramID(QStringLiteral("Plus"));
  ecr.FindPrgByClass(QString::fromLatin1(StandIns::Coupon224))->SetProgramID(QStringLiteral("Coupons"));
  ecr.Prgs()->Delete(ecr.Prgs()->IndexOf(ecr.FindPrgByClass(QString::fromLatin1(StandIns::DateTime))));
  AddMachine(*machine);
  CloseMachineFile();
  const std::unique_ptr<tMachine> back = FindMachine(QStringLiteral("Till"));
  ASSERT_TRUE(back && back->Ecr());
  EXPECT_EQ(StandIns::ClassNames(*back->Ecr(), true), today);
  EXPECT_EQ(back->Ecr()->FindPrgByClass(QString::fromLatin1(StandIns::PLU))->GetProgramID(), "Plus");
  EXPECT_EQ(back->Ecr()->FindPrgByClass(QString::fromLatin1(StandIns::Coupon224))->GetProgramID(), "Coupons");
  // The program the old build did not have starts on the common set, which the machine's own replaces.
  EXPECT_EQ(back->Ecr()->FindPrgByClass(QString::fromLatin1(StandIns::DateTime))->GetProgramID(), "Set1");
}
