// The next job of a session's machine on its port.
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"

#include <gtest/gtest.h>

namespace {
const QString Com1 = QStringLiteral("Direct to COM1");
const QString Com2 = QStringLiteral("Direct to COM2");

class NextForMachineTest : public JobsFixture {
protected:
  void SetUp() override {
    AddMachine(QStringLiteral("A"), Com1);
    AddMachine(QStringLiteral("B"), Com1);
  }
  // The session's job ends successfully and leaves for "History".
  std::unique_ptr<tHistoryEvent> Finish(const QString& id) {
    std::unique_ptr<tHistoryEvent> job = Pending(id);
    job->Status = HisStatus::Successful;
    job->Mode = QStringLiteral("History");
    history().StoreEvent(*job);
    return job;
  }
  // Fills "History" with n ended jobs of machine B.
  void FillHistory(int n) {
    for (int i = 0; i < n; ++i) Finish(Queue(QStringLiteral("B"), Com2));
  }
};

TEST_F(NextForMachineTest, AFinishedJobIsFollowedByItsMachinesNextJobInQueueOrder) {
  FillHistory(3); // the next history id is "000003"
  const QString first = Queue(QStringLiteral("A"), Com1);  // 000001 (the pending list was empty)
  const QString second = Queue(QStringLiteral("A"), Com1); // 000002
  const QString other = Queue(QStringLiteral("B"), Com1);  // 000003
  const QString third = Queue(QStringLiteral("A"), Com1);  // 000004
  ASSERT_EQ(other, QStringLiteral("000003"));

  std::unique_ptr<tHistoryEvent> job = Finish(first);
  // Its history id is the same text as another job's pending id.
  ASSERT_EQ(job->EventId, QStringLiteral("000003"));
  ASSERT_TRUE(history().NextForMachine(job));
  EXPECT_EQ(job->EventId, second);
  EXPECT_EQ(history().PortEvent(Com1), second);
  job = Finish(second);
  ASSERT_TRUE(history().NextForMachine(job));
  EXPECT_EQ(job->EventId, third);
  job = Finish(third);
  EXPECT_FALSE(history().NextForMachine(job));
}

TEST_F(NextForMachineTest, AJobStoredAgainAfterItMovedLeavesThePendingJobOfTheSameIdAlone) {
  FillHistory(2); // the next history id is "000002"
  const QString first = Queue(QStringLiteral("A"), Com1);  // 000001
  const QString second = Queue(QStringLiteral("B"), Com1); // 000002
  std::unique_ptr<tHistoryEvent> job = Finish(first);
  ASSERT_EQ(job->EventId, second); // the same text, the other sequence
  job->Status = HisStatus::SuccessWithRetry;
  history().StoreEvent(*job);
  job->Status = HisStatus::Retry; // even a pending status does not reach "Pending"
  history().StoreEvent(*job);

  ASSERT_TRUE(Pending(second));
  EXPECT_EQ(Pending(second)->MachineId, QStringLiteral("B"));
  EXPECT_EQ(Pending(second)->Status, HisStatus::Pending);
  EXPECT_EQ(history().GetPendingList(), QStringList{second});
  const auto done = HistoryJobs();
  ASSERT_EQ(done.size(), 3u);
  EXPECT_EQ(done[2]->MachineId, QStringLiteral("A"));
  EXPECT_EQ(done[2]->Status, HisStatus::SuccessWithRetry);
}

TEST_F(NextForMachineTest, ADeferredJobIsNotRunAgainAtOnceByItsOwnSession) {
  const QString only = Queue(QStringLiteral("A"), Com1);
  std::unique_ptr<tHistoryEvent> job = Pending(only);
  job->Status = HisStatus::Retry;
  job->DefRetryCount = 0;
  job->InitRetryCount = -1;
  history().StoreEvent(*job);
  EXPECT_FALSE(history().NextForMachine(job));
  EXPECT_EQ(job->EventId, only);
}

TEST_F(NextForMachineTest, TheMachinesNextJobMustBeOnTheSessionsPortAndNotMoreDeferred) {
  const struct {
    const char* name;
    QString port;
    qint32 defRetryCount;
    bool found;
  } cases[] = {{"same port, fresh", Com1, -1, true},
               {"same port, as deferred as the session's job", Com1, 0, true},
               {"same port, deferred further", Com1, 1, false},
               {"another port", Com2, -1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FreeTheHistory();
    const QString sessionJob = Queue(QStringLiteral("A"), Com1, 0, HisStatus::Active);
    Queue(QStringLiteral("B"), Com1);
    const QString candidate = Queue(QStringLiteral("A"), c.port, c.defRetryCount, HisStatus::Retry);
    std::unique_ptr<tHistoryEvent> job = Finish(sessionJob);
    EXPECT_EQ(history().NextForMachine(job), c.found);
    if (c.found) {
      EXPECT_EQ(job->EventId, candidate);
    }
    for (const QString& id : history().GetPendingList()) history().RemovePending(*Pending(id));
  }
}
} // namespace
