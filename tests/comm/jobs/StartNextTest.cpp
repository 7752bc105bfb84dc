// Which job a port runs next, and a port's busy flag around it.
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"
#include "model/MachineList.h"

#include <gtest/gtest.h>

namespace {
const QString Com1 = QStringLiteral("Direct to COM1");
const QString Com2 = QStringLiteral("Direct to COM2");

struct QueuedJob {
  const char* machine;
  QString port;
  qint32 defRetryCount;
  qint32 status;
};

struct ScanCase {
  const char* name;
  qint32 defRetry;
  QList<QueuedJob> jobs;
  QList<int> expected; // indexes into jobs, in the order their sessions start on COM1
};

class StartNextTest : public JobsFixture {
protected:
  void SetUp() override {
    AddMachine(QStringLiteral("A"), Com1);
    AddMachine(QStringLiteral("B"), Com1);
    AddMachine(QStringLiteral("C"), Com2);
  }
};

TEST_F(StartNextTest, LevelScanTable) {
  const QList<ScanCase> cases = {
      {"fresh jobs first, in queue order", 1,
       {{"A", Com1, 0, 10}, {"B", Com1, -1, 5}, {"A", Com1, -1, 5}},
       {1, 2, 0}},
      {"DefRetry 0 still runs level 0", 0, {{"A", Com1, 0, 10}}, {0}},
      {"DefRetry 0 leaves level 1 queued", 0, {{"A", Com1, 1, 10}, {"B", Com1, -1, 5}}, {1}},
      {"a level beyond DefRetry never runs", 1, {{"A", Com1, 2, 10}}, {}},
      {"DefRetry below 0 still scans -1 and 0", -3, {{"A", Com1, 0, 10}, {"B", Com1, -1, 5}}, {1, 0}},
      {"lower levels before higher, queue order within", 2,
       {{"A", Com1, 1, 10}, {"B", Com1, 0, 10}, {"A", Com1, 1, 10}, {"B", Com1, 0, 10}},
       {1, 3, 0, 2}},
      {"other ports' jobs are not taken", 1, {{"C", Com2, -1, 5}, {"A", Com1, -1, 5}}, {1}},
      {"an Active job left by a logon retry runs again", 1, {{"A", Com1, -1, 6}, {"B", Com1, -1, 5}}, {0, 1}},
  };
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    FreeTheHistory();
    history().SetDefRetry(c.defRetry);
    QStringList ids;
    for (const QueuedJob& job : c.jobs)
      ids << Queue(QString::fromLatin1(job.machine), job.port, job.defRetryCount, job.status);
    QStringList expected;
    for (int i : c.expected) expected << ids[i];

    starter.started.clear();
    for (int round = 0; round <= c.jobs.size(); ++round) {
      const qsizetype before = starter.started.size();
      history().StartNext(Com1);
      if (starter.started.size() == before) break;
      EXPECT_TRUE(history().IsPortBusy(Com1));
      EndSession(starter.started.last().pendingId);
    }
    EXPECT_EQ(starter.Ids(), expected);
    EXPECT_FALSE(history().IsPortBusy(Com1));
    // Clear the queue for the next case.
    for (const QString& id : history().GetPendingList()) {
      std::unique_ptr<tHistoryEvent> job = Pending(id);
      history().RemovePending(*job);
    }
  }
}

TEST_F(StartNextTest, ABusyPortStartsNothingUntilItsSessionEnds) {
  const QString first = Queue(QStringLiteral("A"), Com1, 1, HisStatus::Retry);
  const QString second = Queue(QStringLiteral("B"), Com1, 1, HisStatus::Retry);
  history().StartNext(Com1);
  ASSERT_EQ(starter.Ids(), QStringList{first});
  // The job found at deferral level 1 holds the port while its session runs.
  EXPECT_TRUE(history().IsPortBusy(Com1));
  EXPECT_EQ(history().PortEvent(Com1), first);
  history().StartNext(Com1);
  EXPECT_EQ(starter.Ids(), QStringList{first});
  EndSession(first);
  history().StartNext(Com1);
  EXPECT_EQ(starter.Ids(), (QStringList{first, second}));
}

TEST_F(StartNextTest, AJobDeferredByItsSessionGoesBehindTheFreshOnes) {
  const QString first = Queue(QStringLiteral("A"), Com1);
  const QString second = Queue(QStringLiteral("B"), Com1);
  history().StartNext(Com1);
  ASSERT_EQ(starter.Ids(), QStringList{first});
  std::unique_ptr<tHistoryEvent> job = Pending(first);
  job->Status = HisStatus::Retry;
  job->DefRetryCount = 0;
  history().StoreEvent(*job);
  history().SetPortBusy(Com1, false);
  history().StartNext(Com1);
  EndSession(second);
  history().StartNext(Com1);
  EXPECT_EQ(starter.Ids(), (QStringList{first, second, first}));
}

TEST_F(StartNextTest, TheSessionGetsTheJobWithItsLastTry) {
  history().SetInitRetry(2);
  history().SetDefRetry(3);
  const QString id = Queue(QStringLiteral("A"), Com1);
  history().DeferMachine(QStringLiteral("A")); // counts its immediate retry
  ASSERT_TRUE(Pending(id)->LastTry.IsZero());
  clock.SetNow(QDateTime(QDate(2026, 3, 4), QTime(11, 0)));
  history().DeferMachine(QStringLiteral("A")); // defers it
  ASSERT_EQ(Pending(id)->Status, HisStatus::Retry);
  history().StartNext(Com1);
  ASSERT_EQ(starter.started.size(), 1);
  EXPECT_EQ(starter.started[0].lastTry.ToQDateTime(), QDateTime(QDate(2026, 3, 4), QTime(11, 0)));
  EXPECT_EQ(starter.started[0].defRetryCount, 0);

  // A session that defers its own job stores the time beside the pending id, too.
  std::unique_ptr<tHistoryEvent> job = Pending(id);
  job->LastTry = TDateTime::FromQDateTime(QDateTime(QDate(2026, 3, 4), QTime(11, 5)));
  job->DefRetryCount = 1;
  history().StoreEvent(*job);
  history().SetPortBusy(Com1, false);
  history().StartNext(Com1);
  ASSERT_EQ(starter.started.size(), 2);
  EXPECT_EQ(starter.started[1].lastTry.ToQDateTime(), QDateTime(QDate(2026, 3, 4), QTime(11, 5)));
}

TEST_F(StartNextTest, ADeferredJobWaitsUntilWaitTimeHasPassedSinceItsLastTry) {
  history().SetWaitTime(30);
  const QDateTime now = clock.Now();
  const struct {
    const char* name;
    QDateTime lastTry; // invalid: never tried
    qint32 seconds;
  } cases[] = {{"never tried", QDateTime(), 0},
               {"tried 10 s ago", now.addSecs(-10), 20},
               {"tried 10.6 s ago (whole seconds)", now.addMSecs(-10600), 20},
               {"tried just now", now, 30},
               {"tried 30 s ago", now.addSecs(-30), 0},
               {"tried 25 hours ago", now.addSecs(-25 * 3600), 0}};
  for (const auto& c : cases) {
    tHistoryEvent job{TBlank{}};
    if (c.lastTry.isValid()) job.LastTry = TDateTime::FromQDateTime(c.lastTry);
    EXPECT_EQ(history().SecondsToDeferredRetry(job), c.seconds) << c.name;
  }
}

TEST_F(StartNextTest, AJobOfADeletedMachineFailsIntoHistoryAndThePortGoesOn) {
  AddMachine(QStringLiteral("Gone"), Com1);
  const QString orphan = Queue(QStringLiteral("Gone"), Com1);
  const QString next = Queue(QStringLiteral("A"), Com1);
  ASSERT_TRUE(DeleteMachine(QStringLiteral("Gone")));

  history().StartNext(Com1);

  EXPECT_EQ(starter.Ids(), QStringList{next});
  EXPECT_EQ(history().GetPendingList(), QStringList{next});
  const auto done = HistoryJobs();
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0]->PendingId, QString()); // not stored
  EXPECT_EQ(done[0]->MachineId, QStringLiteral("Gone"));
  EXPECT_EQ(done[0]->Status, HisStatus::Failed);
  EXPECT_EQ(done[0]->Mode, QStringLiteral("History"));
  EXPECT_EQ(callbacks[orphan], QList<int>{4});
  EXPECT_EQ(notices, QStringList{QStringLiteral("Machine Gone does not exist")});
}

TEST_F(StartNextTest, OnlyOrphansLeaveThePortFree) {
  AddMachine(QStringLiteral("Gone"), Com1);
  Queue(QStringLiteral("Gone"), Com1);
  Queue(QStringLiteral("Gone"), Com1);
  DeleteMachine(QStringLiteral("Gone"));
  history().StartNext(Com1);
  EXPECT_TRUE(starter.started.isEmpty());
  EXPECT_TRUE(history().GetPendingList().isEmpty());
  EXPECT_FALSE(history().IsPortBusy(Com1));
}

TEST_F(StartNextTest, APortWhoseStarterRefusesIsFreeAgain) {
  starter.accept = false;
  Queue(QStringLiteral("A"), Com1);
  history().StartNext(Com1);
  EXPECT_EQ(starter.started.size(), 1);
  EXPECT_FALSE(history().IsPortBusy(Com1));
  EXPECT_EQ(history().GetPendingList().size(), 1);
}
} // namespace
