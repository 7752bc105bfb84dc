// The stored scripts: listing by model, loading, storing, renaming, deleting, and the
// machine a read script's actions attach to.
#include "ScrptFixture.h"

#include "comm/actions/tActn.h"
#include "comm/scripts/ScrptList.h"
#include "model/EcrForms.h"
#include "model/tMachine.h"
#include "platform/sys/EUserAbort.h"
#include "platform/sys/FormRegistry.h"
#include "comm/scripts/tScrptFile.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {
using ScrptFileTest = ScrptFixture;

TEST_F(ScrptFileTest, AStoredScriptLoadsWithItsIdActionsInOrderAndModel) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PSRL")));
  std::unique_ptr<tScrpt> loaded = LoadScrpt(QStringLiteral("Nightly"));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->ScrptID(), QStringLiteral("Nightly"));
  EXPECT_EQ(&loaded->GetEcrClass(), &tActnTestEcr::StaticClass());
  EXPECT_EQ(Titles(*loaded), (QStringList{"REPORT POLL - Financial", "PROGRAM SEND - Alpha",
                                          "PROGRAM RECEIVE - Alpha", "REPORT POLL - PLU"}));
}

TEST_F(ScrptFileTest, LoadingAnIdNotStoredGivesNone) {
  EXPECT_FALSE(LoadScrpt(QStringLiteral("Nightly"))); // empty file
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("P")));
  EXPECT_FALSE(LoadScrpt(QStringLiteral("Weekly")));
  EXPECT_FALSE(ScrptFileBusy());
}

TEST_F(ScrptFileTest, ListingTakesScriptsOfExactlyTheDriversModel) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Base model"), QStringLiteral("P")));
  InsertScrpt(*MakeScrpt(QStringLiteral("Next model"), QStringLiteral("P"), &tScrptTestEcrNext::StaticClass()));
  std::unique_ptr<tEcr> next = tEcr::New(tScrptTestEcrNext::StaticClass());
  struct Case {
    const char* name;
    const tEcr* driver;
    QStringList expected;
  };
  const QList<Case> cases = {
      {"the test driver: not its later model", driver.get(), {"Base model"}},
      {"the other model", next.get(), {"Next model"}},
      {"no driver: every script", nullptr, {"Base model", "Next model"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QStringList list{QStringLiteral("kept")};
    ListScrpts(list, c.driver);
    EXPECT_EQ(list, QStringList{"kept"} + c.expected) << "the list is appended to";
  }
}

TEST_F(ScrptFileTest, AScriptOfAModelNoLongerBuiltIsDeletedByTheNextListing) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Gone"), QStringLiteral("P"), &tScrptTestEcrGone::StaticClass()));
  std::unique_ptr<tScrpt> loaded = LoadScrpt(QStringLiteral("Gone"));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(&loaded->GetEcrClass(), &tEcr::StaticClass());

  EXPECT_EQ(StoredIds(), QStringList());
  EXPECT_FALSE(LoadScrpt(QStringLiteral("Gone")));
}

TEST_F(ScrptFileTest, OrphansAmongOthersAreDeletedAndTheOthersListedOnce) {
  InsertScrpt(*MakeScrpt(QStringLiteral("A"), QStringLiteral("P"), &tScrptTestEcrGone::StaticClass()));
  InsertScrpt(*MakeScrpt(QStringLiteral("B"), QStringLiteral("P")));
  InsertScrpt(*MakeScrpt(QStringLiteral("C"), QStringLiteral("P"), &tScrptTestEcrGone::StaticClass()));
  InsertScrpt(*MakeScrpt(QStringLiteral("D"), QStringLiteral("S")));
  InsertScrpt(*MakeScrpt(QStringLiteral("E"), QStringLiteral("P"), &tScrptTestEcrGone::StaticClass()));
  EXPECT_EQ(StoredIds(), (QStringList{"B", "D"}));
  EXPECT_EQ(StoredIds(), (QStringList{"B", "D"}));
}

TEST_F(ScrptFileTest, AnIdInUseCannotBeStoredTwice) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("P")));
  EXPECT_THROW(InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("S"))), EDBEngineError);
  EXPECT_FALSE(ScrptFileBusy()) << "the flag is released after a failed store";
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Nightly"))), QStringList{"REPORT POLL - Financial"});
}

TEST_F(ScrptFileTest, RenamingThroughUpdateReplacesTheOldRecord) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Old"), QStringLiteral("P")));
  InsertScrpt(*MakeScrpt(QStringLiteral("Other"), QStringLiteral("L")));
  std::unique_ptr<tScrpt> script = LoadScrpt(QStringLiteral("Old"));
  script->SetScrptID(QStringLiteral("New"));
  script->AddActn(MakeActn('S'));
  EXPECT_TRUE(UpdateScrpt(QStringLiteral("Old"), *script));

  EXPECT_EQ(StoredIds(), (QStringList{"New", "Other"}));
  EXPECT_FALSE(LoadScrpt(QStringLiteral("Old")));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("New"))), (QStringList{"REPORT POLL - Financial", "PROGRAM SEND - Alpha"}));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Other"))), QStringList{"REPORT POLL - PLU"});
}

TEST_F(ScrptFileTest, UpdateAndDeleteOfAnIdNotStoredChangeNothing) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Kept"), QStringLiteral("P")));
  EXPECT_FALSE(UpdateScrpt(QStringLiteral("Missing"), *MakeScrpt(QStringLiteral("Kept"), QStringLiteral("S"))));
  EXPECT_FALSE(DeleteScrpt(QStringLiteral("Missing")));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Kept"))), QStringList{"REPORT POLL - Financial"});
  EXPECT_TRUE(DeleteScrpt(QStringLiteral("Kept")));
  EXPECT_EQ(StoredIds(), QStringList());
}

TEST_F(ScrptFileTest, ADuplicateUnderANewIdLeavesTheOriginal) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PS")));
  std::unique_ptr<tScrpt> copy = LoadScrpt(QStringLiteral("Nightly"));
  copy->SetScrptID(QStringLiteral("Nightly 2"));
  InsertScrpt(*copy);
  EXPECT_EQ(StoredIds(), (QStringList{"Nightly", "Nightly 2"}));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Nightly 2"))), Titles(*LoadScrpt(QStringLiteral("Nightly"))));
}

TEST_F(ScrptFileTest, ReadActionsAttachToTheScriptWindowsMachineOnly) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PS")));
  SetScrptMachineId(QStringLiteral("Back"));
  const TActnMachineScope elsewhere(QStringLiteral("Elsewhere"));
  std::unique_ptr<tScrpt> loaded = LoadScrpt(QStringLiteral("Nightly"));
  ASSERT_EQ(loaded->ActnCount(), 2);
  for (int i = 1; i <= 2; ++i) {
    ASSERT_TRUE(loaded->Actn(i)->Machine());
    EXPECT_EQ(loaded->Actn(i)->Machine()->MachineId, QStringLiteral("Back"));
    EXPECT_TRUE(loaded->Actn(i)->TargetAttached());
  }
  EXPECT_EQ(LastActnMachineId(), QStringLiteral("Elsewhere")) << "the published id comes back after the read";
}

TEST_F(ScrptFileTest, ScriptsOfOtherMachinesKeepTheirIdsAcrossReads) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("P")));
  SetScrptMachineId(QStringLiteral("Front"));
  EXPECT_EQ(LoadScrpt(QStringLiteral("Nightly"))->Actn(1)->Machine()->MachineId, QStringLiteral("Front"));
  SetScrptMachineId(QStringLiteral("Back"));
  EXPECT_EQ(LoadScrpt(QStringLiteral("Nightly"))->Actn(1)->Machine()->MachineId, QStringLiteral("Back"));
  CloseScrptFile();
  EXPECT_EQ(ScrptMachineId(), QString()) << "cleared at program end";
}

TEST_F(ScrptFileTest, AScriptWhoseActionsCannotBeReadLoadsWithoutThem) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Broken"), QStringLiteral("P"));
  script->Actn(1)->EcrClass = &tScrptTestEcrGone::StaticClass(); // no stream knows it
  InsertScrpt(*script);
  std::unique_ptr<tScrpt> loaded = LoadScrpt(QStringLiteral("Broken"));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->ActnCount(), 0);
  EXPECT_EQ(loaded->ScrptID(), QStringLiteral("Broken"));
}

TEST_F(ScrptFileTest, ANewScriptWithoutDriverAsksForTheModelAndACancelAborts) {
  ScopedForm<ModelChoiceRequest> cancel([](ModelChoiceRequest&) { return 0; });
  EXPECT_THROW(tScrpt script(nullptr), EUserAbort);
  const tScrpt script(driver.get());
  EXPECT_EQ(&script.GetEcrClass(), &tActnTestEcr::StaticClass());
  EXPECT_EQ(script.ActnCount(), 0);
}
TEST_F(ScrptFileTest, ARecordThatCannotBeReadIsLeftOutAndKept) {
  for (const char* id : {"A", "B", "C"}) InsertScrpt(*MakeScrpt(QString::fromLatin1(id), QStringLiteral("P")));
  TQuery(TSession::Default().Database(GetDataAlias()))
      .Exec(QStringLiteral("UPDATE \"Scripts\" SET \"Object\" = ? WHERE \"ScrptId\" = ?"),
            {QByteArray("not a script"), QStringLiteral("B")});
  EXPECT_EQ(StoredIds(), (QStringList{"A", "C"}));
  EXPECT_FALSE(LoadScrpt(QStringLiteral("B")));
  EXPECT_TRUE(LoadScrpt(QStringLiteral("C")));
  EXPECT_EQ(OpenScrptFile()->Ids(), (QStringList{"A", "B", "C"})) << "the damaged record is not deleted";
  EXPECT_FALSE(ScrptFileBusy());
}

TEST_F(ScrptFileTest, AnOperationWaitsForTheBusyFlagLettingEventsRun) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("P")));
  auto holder = std::make_unique<TScrptFileLock>();
  bool released = false;
  QTimer::singleShot(0, [&] {
    released = true;
    holder.reset();
  });
  std::unique_ptr<tScrpt> loaded = LoadScrpt(QStringLiteral("Nightly"));
  EXPECT_TRUE(released) << "the load waited for the holder";
  EXPECT_TRUE(loaded);
  EXPECT_FALSE(ScrptFileBusy());
}
} // namespace
