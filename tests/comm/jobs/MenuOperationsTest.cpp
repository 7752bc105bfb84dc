// The menu operations that make jobs, and the follow-up offered after a single job.
#include "JobsFixture.h"

#include "ActnDoubles.h"
#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/ActnForms.h"
#include "comm/actions/tActnChoice.h"
#include "comm/actions/tActnRpt.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcrSelection.h"
#include "model/tMachine.h"
#include "model/tMachineSelection.h"
#include "platform/sys/FormRegistry.h"

#include <gtest/gtest.h>
#include <functional>

namespace {
const QString Till = QStringLiteral("Till 1");
const QString Com3 = QStringLiteral("Direct to COM3"); // the port of the test machines
const int Ok = EcrForms::FormOk;

struct MenuCase {
  const char* name;
  std::function<void(tHistory&)> operation;
  bool machineChosen;
  QStringList picked;       // the program selector's answer; empty: cancelled
  QString scriptId;         // every job's name
  const TClass* actnClass;
  QStringList targets;      // the jobs' programs, in queue order
  bool started;
};

class MenuOperationsTest : public JobsFixture {
protected:
  void SetUp() override { ActnDoubles::StoreMachine(Till); }
};

TEST_F(MenuOperationsTest, EachOperationQueuesItsJobsAndStartsThePort) {
  const QList<MenuCase> cases = {
      {"send one program", [](tHistory& h) { h.QueueSendAPrg(); }, true, {"Alpha"}, "Send a Prog",
       &tActnPrgSnd::StaticClass(), {"Alpha"}, true},
      {"save one program", [](tHistory& h) { h.QueueSaveAPrg(); }, true, {"Alpha"}, "Save a Prog",
       &tActnPrgRec::StaticClass(), {"Alpha"}, true},
      {"no program chosen", [](tHistory& h) { h.QueueSendAPrg(); }, true, {}, "", nullptr, {}, false},
      {"no machine chosen", [](tHistory& h) { h.QueueSendPrgs(); }, false, {"Alpha"}, "", nullptr, {}, false},
      {"send chosen programs", [](tHistory& h) { h.QueueSendPrgs(); }, true, {"Alpha", "Bravo"}, "Send Programs",
       &tActnPrgSnd::StaticClass(), {"Alpha", "Bravo"}, true},
      {"save chosen programs", [](tHistory& h) { h.QueueSavePrgs(); }, true, {"Alpha"}, "Save Programs",
       &tActnPrgRec::StaticClass(), {"Alpha"}, true},
      {"send all", [](tHistory& h) { h.QueueSendAll(); }, true, {}, "Send All", &tActnPrgSnd::StaticClass(),
       {"Alpha", "Bravo"}, true},
      {"save all (what can be received)", [](tHistory& h) { h.QueueSaveAll(); }, true, {}, "Save All",
       &tActnPrgRec::StaticClass(), {"Alpha"}, true},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(c.name);
    FreeTheHistory();
    starter.started.clear();
    ScopedForm<MachineListRequest> machines([&](MachineListRequest& r) {
      if (!c.machineChosen) return 0;
      r.selection.Chosen = FindMachine(Till);
      return Ok;
    });
    ScopedForm<PrgSelectRequest> prgs([&](PrgSelectRequest& r) {
      r.selection.Chosen = c.picked;
      return c.picked.isEmpty() ? 0 : Ok;
    });
    ScopedForm<PrgOptsRequest> opts([](PrgOptsRequest&) { return Ok; }, ActnDoubles::kOptsForm);

    c.operation(history());

    const QStringList ids = history().GetPendingList();
    QStringList targets;
    for (const QString& id : ids) {
      std::unique_ptr<tHistoryEvent> job = Pending(id);
      EXPECT_EQ(job->ScriptId, c.scriptId);
      EXPECT_EQ(job->ScheduleId, QStringLiteral("User"));
      EXPECT_FALSE(job->StartedByCalendar);
      EXPECT_EQ(job->MachineId, Till);
      EXPECT_EQ(job->Mode, Com3);
      ASSERT_TRUE(job->GetActn());
      EXPECT_EQ(&job->GetActn()->ClassType(), c.actnClass);
      EXPECT_TRUE(job->GetActn()->TargetAttached());
      targets << job->GetActn()->GetSubTitle();
    }
    EXPECT_EQ(targets, c.targets);
    EXPECT_EQ(starter.started.size(), c.started ? 1 : 0);
    if (c.started) {
      EXPECT_EQ(starter.Ids().first(), ids.first());
    }
    for (const QString& id : ids) history().RemovePending(*Pending(id));
  }
}

TEST_F(MenuOperationsTest, APromptedJobCarriesTheChosenActionForTheChosenMachine) {
  for (bool chosen : {true, false}) {
    SCOPED_TRACE(chosen);
    FreeTheHistory();
    starter.started.clear();
    ScopedForm<MachineListRequest> machines([&](MachineListRequest& r) {
      r.selection.Chosen = FindMachine(Till);
      return Ok;
    });
    ScopedForm<RptSelectRequest> rpts([&](RptSelectRequest& r) {
      r.selection.Chosen = QStringList{QStringLiteral("PLU")};
      return Ok;
    });
    ScopedForm<ActnSelectRequest> chooser([&](ActnSelectRequest& r) {
      if (!chosen) return 0;
      EXPECT_EQ(r.choice.Title(2), QStringLiteral("REPORT POLL"));
      return r.choice.Choose(2) ? ActnForms::FormOk : 0;
    });
    history().QueuePrompted();
    const QStringList ids = history().GetPendingList();
    if (!chosen) {
      EXPECT_TRUE(ids.isEmpty());
      EXPECT_TRUE(starter.started.isEmpty());
      continue;
    }
    ASSERT_EQ(ids.size(), 1);
    std::unique_ptr<tHistoryEvent> job = Pending(ids.first());
    EXPECT_EQ(job->ScriptId, QStringLiteral("Prompted"));
    ASSERT_TRUE(job->GetActn());
    EXPECT_EQ(job->GetActn()->DispTitle(), QStringLiteral("REPORT POLL - PLU"));
    ASSERT_TRUE(job->GetActn()->Machine());
    EXPECT_EQ(job->GetActn()->Machine()->MachineId, Till);
    EXPECT_EQ(starter.Ids(), ids);
    history().RemovePending(*job);
  }
}

TEST_F(MenuOperationsTest, TheFollowUpQueuesTheNextChoiceAndMakesItTheSessionsJob) {
  struct Case {
    const char* name;
    const TClass* done;
    QString pick;    // empty: the user declines
    int options;     // the report's options form answer
    bool followed;
    QString target;
  };
  const Case cases[] = {
      {"another program to send", &tActnPrgSnd::StaticClass(), "Bravo", Ok, true, "Bravo"},
      {"another program to save", &tActnPrgRec::StaticClass(), "Alpha", Ok, true, "Alpha"},
      {"declined", &tActnPrgSnd::StaticClass(), "", Ok, false, ""},
      {"another report", &tActnRpt::StaticClass(), "Financial", Ok, true, "Financial"},
      {"report options cancelled", &tActnRpt::StaticClass(), "Financial", 0, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FreeTheHistory();
    ScopedForm<PrgSelectRequest> prgs([&](PrgSelectRequest& r) {
      r.selection.Chosen = QStringList{c.pick};
      return c.pick.isEmpty() ? 0 : Ok;
    });
    ScopedForm<RptSelectRequest> rpts([&](RptSelectRequest& r) {
      r.selection.Chosen = QStringList{c.pick};
      return c.pick.isEmpty() ? 0 : Ok;
    });
    ScopedForm<RptOptsRequest> opts([&](RptOptsRequest&) { return c.options; }, ActnDoubles::kOptsForm);
    std::unique_ptr<tMachine> machine = FindMachine(Till);
    std::unique_ptr<tActn> done = tActn::New(*c.done, machine.get(), machine->Ecr());
    const QString first = Queue(Till, Com3, -1, 5, done.get());
    std::unique_ptr<tHistoryEvent> job = Pending(first);
    job->ScriptId = QStringLiteral("Send a Prog");
    job->Status = 8;
    job->Mode = QStringLiteral("History");
    history().StoreEvent(*job);

    EXPECT_EQ(history().FollowUp(job, *machine), c.followed);
    if (!c.followed) {
      EXPECT_TRUE(history().GetPendingList().isEmpty());
      continue;
    }
    ASSERT_EQ(history().GetPendingList(), QStringList{job->EventId});
    EXPECT_EQ(job->ScriptId, QStringLiteral("Send a Prog"));
    EXPECT_EQ(&job->GetActn()->ClassType(), c.done);
    EXPECT_EQ(job->GetActn()->GetSubTitle(), c.target);
    EXPECT_FALSE(job->EventCallBack);
    history().RemovePending(*job);
  }
}
} // namespace
