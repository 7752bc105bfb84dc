// Jobs left in "Pending" by a program that ended while they waited or ran.
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"

#include <gtest/gtest.h>

namespace {
const QString Com1 = QStringLiteral("Direct to COM1");

using CrashRecoveryTest = JobsFixture;

TEST_F(CrashRecoveryTest, TheRunningJobFailsAndEveryWaitingJobIsKept) {
  AddMachine(QStringLiteral("A"), Com1);
  const QString waiting = Queue(QStringLiteral("A"), Com1);
  const QString running = Queue(QStringLiteral("A"), Com1, -1, HisStatus::Active);
  const QString deferred = Queue(QStringLiteral("A"), Com1, 0, HisStatus::Retry);
  const QString later = Queue(QStringLiteral("A"), Com1);
  history().SetPortBusy(Com1, true);

  // The program ends without any clean-up; the next start reads "Pending" again.
  FreeTheHistory();
  history().FailPending();

  EXPECT_EQ(history().GetPendingList(), (QStringList{waiting, deferred, later}));
  EXPECT_EQ(Pending(deferred)->Status, HisStatus::Retry);
  EXPECT_EQ(Pending(deferred)->DefRetryCount, 0);
  const auto done = HistoryJobs();
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0]->Status, HisStatus::Failed);
  EXPECT_EQ(done[0]->Mode, QStringLiteral("History"));
  EXPECT_EQ(done[0]->EventId, QStringLiteral("000000"));
  EXPECT_FALSE(history().IsPortBusy(Com1));

  // The kept jobs run, in their order, and new ids follow the kept ones.
  history().StartNext(Com1);
  EXPECT_EQ(starter.Ids(), QStringList{waiting});
  EXPECT_EQ(Queue(QStringLiteral("A"), Com1), QStringLiteral("000005"));
}
} // namespace
