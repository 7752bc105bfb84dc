#include "FakeSchedules.h"

#include "ActnDoubles.h"
#include "JobsFixture.h"
#include "MaintDriver.h"
#include "app/NotYetAvailable.h"
#include "app/TdmEffector.h"
#include "app/setup/SetupForms.h"
#include "comm/jobs/JobForms.h"
#include "comm/scripts/ScrptForms.h"
#include "comm/scripts/ScrptList.h"
#include "comm/session/CommLogForms.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcrSelection.h"
#include "model/tMachine.h"
#include "model/tMachineSelection.h"
#include "platform/sys/FormRegistry.h"
#include "reports/InvtUpdtForms.h"
#include "reports/RptForms.h"

#include <gtest/gtest.h>

namespace {
// Records which window each operation asks for; the machine list answers with a copy of
// the machine named in `pick` (cancelled when empty).
class EffectorTest : public JobsFixture {
protected:
  EffectorTest() {
    history(); // the job queue exists from the first activation on
    ActnDoubles::StoreMachine(QStringLiteral("Shop"));
  }
  ~EffectorTest() override { CloseScrptFile(); }

  template <class R>
  ScopedForm<R> Record(int answer = 0) {
    return ScopedForm<R>([this, answer](R&) {
      opened << QString::fromLatin1(R::kForm);
      return answer;
    });
  }

  QStringList opened;
  QString pick;
  QList<bool> listModes;
  ScopedForm<MachineListRequest> machineList{[this](MachineListRequest& request) {
    opened << QStringLiteral("TfmMachSelct");
    listModes << request.maintenance;
    if (pick.isEmpty()) return 0;
    request.selection.Chosen = FindMachine(pick);
    return EcrForms::FormOk;
  }};
  TdmEffector effector;
};

TEST_F(EffectorTest, WindowOperationsOpenTheirWindows) {
  struct Case {
    void (TdmEffector::*operation)();
    const char* form;
  };
  const auto polls = Record<AllPollsRequest>();
  const auto prefs = Record<PreferencesRequest>();
  const auto comm = Record<CommSetupRequest>();
  const auto about = Record<AboutRequest>();
  const auto log = Record<ViewCommLogRequest>();
  const auto exports = Record<InvtUpdtRequest>();
  for (const Case& c : {Case{&TdmEffector::DoReports, "TfrmAllPolls"}, Case{&TdmEffector::DoFileNames, "TfrmFiles"},
                        Case{&TdmEffector::DoExports, "TfrmInvtUpdt"},
                        Case{&TdmEffector::SetupCommPort, "TfmCommSetup"}, Case{&TdmEffector::ShowAbout, "TAboutBox"},
                        Case{&TdmEffector::ShowLog, "TfrmViewComLog"}}) {
    opened.clear();
    (effector.*c.operation)();
    EXPECT_EQ(opened, QStringList{QString::fromLatin1(c.form)});
  }
}

TEST_F(EffectorTest, HistoryOpensTheQueueWindowOfEndedJobs) {
  QString name;
  ScopedForm<HistoryQueueRequest> queue([&](HistoryQueueRequest& request) {
    name = request.queueName;
    return 0;
  });
  effector.ShowHistory();
  EXPECT_EQ(name, "History");
}

TEST_F(EffectorTest, EntriesOfLaterWindowsSayTheyAreNotAvailable) {
  effector.ShowHelp();
  effector.PollASchedule();
  effector.DoSchedMaint();
  effector.EditCalendar();
  ASSERT_EQ(prompter.shown.size(), 4);
  for (const auto& shown : prompter.shown) EXPECT_TRUE(shown.text.endsWith(" is not available in this version yet."));
  EXPECT_EQ(prompter.shown[0].text, NotYetAvailableText("Help"));
}

TEST_F(EffectorTest, ScheduleEntriesGoToTheScheduleService) {
  FakeSchedules schedules;
  schedules.stored = {{"Nightly", {0.5}}};
  SetScheduleService(&schedules);
  effector.DoSchedMaint();
  EXPECT_EQ(schedules.selectMode, 1);
  schedules.selectAnswer = "Nightly";
  effector.PollASchedule();
  EXPECT_EQ(schedules.selectMode, 0);
  EXPECT_EQ(schedules.runs, (QList<QPair<QString, int>>{{"Nightly", 0}})); // started by the user
  effector.EditCalendar();
  EXPECT_EQ(schedules.calendarEdits, 1);
  SetScheduleService(nullptr);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EffectorTest, MachineMaintenanceKeepsWhatTheListReturns) {
  effector.DoMachineMaint();
  EXPECT_EQ(listModes, QList<bool>{true});
  EXPECT_EQ(effector.CurrentMachine(), nullptr);
  pick = "Shop";
  effector.DoMachineMaint();
  ASSERT_NE(effector.CurrentMachine(), nullptr);
  EXPECT_EQ(effector.CurrentMachine()->MachineId, "Shop");
}

TEST_F(EffectorTest, ACancelledMachineChoiceEndsTheOperationQuietly) {
  const auto scripts = Record<ScrptListRequest>();
  const auto programs = Record<PrgSelectRequest>();
  for (auto operation : {&TdmEffector::PollAScript, &TdmEffector::ScriptMaint, &TdmEffector::TestFm}) {
    opened.clear();
    (effector.*operation)();
    EXPECT_EQ(opened, QStringList{"TfmMachSelct"});
  }
  EXPECT_EQ(listModes, (QList<bool>{false, false, false}));
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(EffectorTest, ScriptEntriesOpenTheScriptListForTheChosenMachine) {
  pick = "Shop";
  QList<bool> maintenance;
  QString machineId;
  ScopedForm<ScrptListRequest> list([&](ScrptListRequest& request) {
    maintenance << request.maintenanceOnly;
    machineId = request.machine ? request.machine->MachineId : QString();
    return 0;
  });
  effector.PollAScript();
  effector.ScriptMaint();
  EXPECT_EQ(maintenance, (QList<bool>{false, true}));
  EXPECT_EQ(machineId, "Shop");
}

TEST_F(EffectorTest, ProgramMaintenanceOffersTheSelectorUntilCancelled) {
  StoreMaintMachine(QStringLiteral("Counter"));
  pick = "Counter";
  tAppTestPrg::maintained = 0;
  int asked = 0;
  QList<int> modes;
  ScopedForm<PrgSelectRequest> selector([&](PrgSelectRequest& request) {
    modes << request.selection.Mode();
    if (++asked == 3) return 0;
    request.selection.Chosen = QStringList{QStringLiteral("Counted")};
    return EcrForms::FormOk;
  });
  effector.TestFm();
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(tAppTestPrg::maintained, 2);
  EXPECT_EQ(modes, (QList<int>{tEcr::ModeMaint, tEcr::ModeMaint, tEcr::ModeMaint}));
}

TEST_F(EffectorTest, JobEntriesStartWithTheMachineChoiceOfTheQueue) {
  for (auto operation : {&TdmEffector::PromptedPoll, &TdmEffector::SaveAPrg, &TdmEffector::SaveSelectedPrgs,
                         &TdmEffector::SaveAllPrg, &TdmEffector::SendAPrg, &TdmEffector::SendSelectedPrgs,
                         &TdmEffector::SendAllPrg}) {
    opened.clear();
    (effector.*operation)();
    EXPECT_EQ(opened, QStringList{"TfmMachSelct"});
  }
}
} // namespace
