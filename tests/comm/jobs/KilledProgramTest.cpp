// Jobs survive the program being killed: a child run of this test program queues jobs,
// marks one as running and is killed; the next start finds them in "Pending".
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"
#include "model/ScopedDataFolder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {
const char* const FolderVariable = "TB_JOBS_KILLED_DIR";
const QString Com1 = QStringLiteral("Direct to COM1");

// The child's part: leaves three waiting jobs and one running, then dies without clean-up.
TEST(KilledProgramChild, QueuesJobsAndIsKilled) {
  const QByteArray folder = qgetenv(FolderVariable);
  if (folder.isEmpty()) GTEST_SKIP() << "the child run of KilledProgramTest";
  ScopedDataFolder data(QString::fromLocal8Bit(folder));
  tHistory& history = TheHistory();
  QStringList ids;
  for (int i = 0; i < 4; ++i) {
    tHistoryEvent job(nullptr, nullptr, Com1, QStringLiteral("A"), QStringLiteral("Prompted"), QStringLiteral("User"),
                      false);
    history.QueueEvent(job);
    ids << job.EventId;
  }
  std::unique_ptr<tHistoryEvent> running = history.LoadPendingEvent(ids[1]);
  running->Status = HisStatus::Active;
  running->State = HisStatus::Polling;
  history.StoreEvent(*running);
  std::unique_ptr<tHistoryEvent> deferred = history.LoadPendingEvent(ids[2]);
  deferred->Status = HisStatus::Retry;
  deferred->DefRetryCount = 0;
  history.StoreEvent(*deferred);
  ::kill(::getpid(), SIGKILL);
}

using KilledProgramTest = JobsFixture;

TEST_F(KilledProgramTest, TheNextStartFailsTheRunningJobAndKeepsTheOthers) {
  FreeTheHistory();
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QString::fromLatin1(FolderVariable), dir.path());
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_filter=KilledProgramChild.QueuesJobsAndIsKilled")});
  ASSERT_TRUE(child.waitForFinished(60000));
  ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();

  history().FailPending();

  EXPECT_EQ(history().GetPendingList(),
            (QStringList{QStringLiteral("000001"), QStringLiteral("000003"), QStringLiteral("000004")}));
  EXPECT_EQ(Pending(QStringLiteral("000003"))->Status, HisStatus::Retry);
  EXPECT_EQ(Pending(QStringLiteral("000003"))->DefRetryCount, 0);
  const auto done = HistoryJobs();
  ASSERT_EQ(done.size(), 1u);
  EXPECT_EQ(done[0]->Status, HisStatus::Failed);
  EXPECT_EQ(done[0]->State, HisStatus::Polling);
  AddMachine(QStringLiteral("A"), Com1);
  history().StartNext(Com1);
  EXPECT_EQ(starter.Ids(), QStringList{QStringLiteral("000001")});
}
} // namespace
