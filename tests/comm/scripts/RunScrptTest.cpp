// Running a script: one job per action in order on the machine's port, the port started
// once, and the run's callback counting the jobs as they end.
#include "ScrptFixture.h"

#include "comm/actions/tActn.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobActions.h"
#include "comm/scripts/ScrptList.h"
#include "model/EcrForms.h"
#include "model/tMachine.h"
#include "platform/sys/FormRegistry.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
using Calls = QList<std::pair<int, qint32>>;

class RunScrptTest : public ScrptFixture {
protected:
  // The pending jobs in queue order.
  std::vector<std::unique_ptr<tHistoryEvent>> Jobs() {
    std::vector<std::unique_ptr<tHistoryEvent>> jobs;
    for (const QString& id : history().GetPendingList()) jobs.push_back(Pending(id));
    return jobs;
  }
  // A session ends the job: its callback gets the code, as a session's end gives it.
  void End(const tHistoryEvent& job, int code) { Pending(job.EventId)->CallBack(code); }
};

TEST_F(RunScrptTest, EachActionBecomesAJobInOrderWithTheSameNameSourceAndOptions) {
  history();
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PSL"));
  script->RunScrpt(*front, true, nullptr, true, false, QStringLiteral("night.txt"), true, QStringLiteral("SCHED01"));

  const auto jobs = Jobs();
  ASSERT_EQ(jobs.size(), 3u);
  const QStringList titles{"REPORT POLL - Financial", "PROGRAM SEND - Alpha", "REPORT POLL - PLU"};
  for (size_t i = 0; i < jobs.size(); ++i) {
    SCOPED_TRACE(i);
    const tHistoryEvent& job = *jobs[i];
    EXPECT_EQ(job.ScriptId, QStringLiteral("Nightly"));
    EXPECT_EQ(job.ScheduleId, QStringLiteral("SCHED01"));
    EXPECT_TRUE(job.StartedByCalendar);
    EXPECT_EQ(job.MachineId, QStringLiteral("Front"));
    EXPECT_EQ(job.ComPort, Com1);
    ASSERT_TRUE(job.GetActn());
    EXPECT_EQ(job.GetActn()->DispTitle(), titles[int(i)]);
    const TActnOptions options = ActionOptions(job.GetActn());
    EXPECT_TRUE(options.AutoReport);
    EXPECT_TRUE(options.AutoExport);
    EXPECT_FALSE(options.AppendExport);
    EXPECT_EQ(options.ExportFile, QStringLiteral("night.txt"));
    EXPECT_FALSE(job.EventCallBack) << "no callback was given";
  }
  ASSERT_EQ(starter.started.size(), 1) << "the port is started once";
  EXPECT_EQ(starter.started[0].pendingId, jobs[0]->EventId);
  EXPECT_TRUE(history().IsPortBusy(Com1));
}

TEST_F(RunScrptTest, TheCallbackCountsTheJobsInTheOrderTheyEnd) {
  history();
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PSL"));
  Calls calls;
  script->RunScrpt(*front, false, [&](int result, qint32 finished) { calls.append({result, finished}); }, false,
                   false, QString(), false, QStringLiteral("User"));
  const auto jobs = Jobs();
  ASSERT_EQ(jobs.size(), 3u);
  End(*jobs[1], JobCallback::Failure);
  End(*jobs[0], JobCallback::Success);
  End(*jobs[2], JobCallback::Success);
  EXPECT_EQ(calls, (Calls{{4, 1}, {2, 2}, {2, 3}}));
  EXPECT_EQ(script->Finished(), 3);
}

TEST_F(RunScrptTest, ACancelledMachineEndsTheRunsJobsThroughTheCallback) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PSL"));
  Calls calls;
  script->RunScrpt(*front, false, [&](int result, qint32 finished) { calls.append({result, finished}); }, false,
                   false, QString(), false, QStringLiteral("User"));
  history().CancelMachine(QStringLiteral("Front"));
  EXPECT_EQ(calls, (Calls{{4, 1}, {4, 2}, {4, 3}}));
}

TEST_F(RunScrptTest, JobsEndingAfterTheScriptWasFreedCallNoOne) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PS"));
  int calls = 0;
  script->RunScrpt(*front, false, [&](int, qint32) { ++calls; }, false, false, QString(), false,
                   QStringLiteral("User"));
  script.reset();
  for (const auto& job : Jobs()) End(*job, JobCallback::Success);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(Jobs().size(), 2u) << "the jobs themselves stay queued";
}

TEST_F(RunScrptTest, AScriptWithoutActionsQueuesNothingButStartsThePort) {
  const QString waiting = Queue(QStringLiteral("Back"), Com1);
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Empty"), QString());
  script->RunScrpt(*front, false, nullptr, false, false, QString(), false, QStringLiteral("User"));
  EXPECT_EQ(history().GetPendingList(), QStringList{waiting});
  EXPECT_EQ(starter.Ids(), QStringList{waiting});
}

TEST_F(RunScrptTest, TheRunShowsItsProgressUpTo100AndCloses) {
  history();
  QList<int> steps;
  bool closed = false;
  ScopedForm<SaveProgressRequest> progress([&](SaveProgressRequest& r) {
    EXPECT_EQ(r.caption, QStringLiteral("Getting Script List"));
    if (r.close) closed = true;
    else steps << r.percent;
    return 1;
  });
  MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PSL"))
      ->RunScrpt(*front, false, nullptr, false, false, QString(), false, QStringLiteral("User"));
  EXPECT_EQ(steps, (QList<int>{0, 33, 66, 100}));
  EXPECT_TRUE(closed);
}

TEST_F(RunScrptTest, TheScriptsOwnCallbackMethodCountsToo) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("P"));
  script->ScrptCallBack(JobCallback::Success);
  Calls calls;
  script->RunScrpt(*front, false, [&](int result, qint32 finished) { calls.append({result, finished}); }, false,
                   false, QString(), false, QStringLiteral("User"));
  script->ScrptCallBack(JobCallback::Failure);
  EXPECT_EQ(calls, (Calls{{4, 2}})) << "the count runs from the object's creation";
}
TEST_F(RunScrptTest, AScriptReadForOneMachineRunsItsJobsOnTheMachineItIsRunFor) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PS")));
  SetScrptMachineId(QStringLiteral("Back")); // the script windows were last open for "Back"
  std::unique_ptr<tScrpt> script = LoadScrpt(QStringLiteral("Nightly"));
  const TActnMachineScope elsewhere(QStringLiteral("Back"));
  script->RunScrpt(*front, false, nullptr, false, false, QString(), false, QStringLiteral("User"));
  const auto jobs = Jobs();
  ASSERT_EQ(jobs.size(), 2u);
  for (const auto& job : jobs) {
    EXPECT_EQ(job->MachineId, QStringLiteral("Front"));
    ASSERT_TRUE(job->GetActn() && job->GetActn()->Machine());
    EXPECT_EQ(job->GetActn()->Machine()->MachineId, QStringLiteral("Front"));
  }
}
} // namespace
