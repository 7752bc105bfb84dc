// A job's codes, ids, stream form and the queue's settings.
#include "JobsFixture.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobIds.h"
#include "comm/jobs/tHisEvFile.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"
#include "store/streaming/TObjectStream.h"

#include <gtest/gtest.h>

namespace {
TEST(HisStatusTest, TextsByCode) {
  const struct {
    qint32 code;
    const char* text;
  } cases[] = {{1, "Logon"},       {2, "Polling"},      {3, "User Cancel"}, {4, "Failed"},
               {5, "Pending"},     {6, "Active"},       {7, "Busy"},        {8, "Successful"},
               {9, "Undefined"},   {10, "Retry"},       {11, "Device Busy"}, {12, "Phone Busy"},
               {13, "Logon Successful"}, {14, "Success With Retry"}, {0, "Undefined"}, {15, "Undefined"},
               {-1, "Undefined"}};
  for (const auto& c : cases) EXPECT_EQ(HisStatus::StatusText(c.code), QString::fromLatin1(c.text)) << c.code;
}

TEST(JobIdsTest, PadNumber) {
  const struct {
    qint64 number;
    const char* id;
  } cases[] = {{0, "000000"}, {1, "000001"}, {42, "000042"}, {999999, "999999"}, {1000000, "1000000"},
               {123456789, "123456789"}, {1234567890, "1234567890"}};
  for (const auto& c : cases) EXPECT_EQ(PadNumber(c.number), QString::fromLatin1(c.id)) << c.number;
}

using JobRecordTest = JobsFixture;

TEST_F(JobRecordTest, FirstPendingIdIsOneAndFirstHistoryIdIsZero) {
  AddMachine(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  const QString first = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  const QString second = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  EXPECT_EQ(first, QStringLiteral("000001"));
  EXPECT_EQ(second, QStringLiteral("000002"));

  std::unique_ptr<tHistoryEvent> job = Pending(second);
  job->Status = HisStatus::Successful;
  history().MoveToHistory(*job);
  EXPECT_EQ(job->EventId, QStringLiteral("000000"));
  EXPECT_EQ(job->PendingId, second);
  job = Pending(first);
  history().MoveToHistory(*job);
  EXPECT_EQ(job->EventId, QStringLiteral("000001"));
  EXPECT_TRUE(history().GetPendingList().isEmpty());
  // A new job after the queue emptied starts the pending sequence again.
  EXPECT_EQ(Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1")), QStringLiteral("000001"));
}

TEST_F(JobRecordTest, IdsGoOnPastSixDigitsInBothSequences) {
  AddMachine(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  tHistory& h = history();
  tHistoryEvent big(nullptr, nullptr, QStringLiteral("Direct to COM1"), QStringLiteral("M1"), QStringLiteral("Prompted"),
                    QStringLiteral("User"), false);
  big.EventId = QStringLiteral("999999");
  h.QueueEvent(big);
  const QString next = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  EXPECT_EQ(next, QStringLiteral("1000000"));
  // The queue order survives a restart, though the key's text order puts "1000000" first.
  FreeTheHistory();
  EXPECT_EQ(history().GetPendingList(), (QStringList{QStringLiteral("999999"), QStringLiteral("1000000")}));
  EXPECT_EQ(Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1")), QStringLiteral("1000001"));

  // History: three moves past "999999" each get a new id.
  tHistoryEvent old{TBlank{}};
  old.EventId = QStringLiteral("999999");
  old.Status = HisStatus::Successful;
  tHistoryFile& file = history().HistoryFile();
  file.SetCurrent(&old);
  file.Insert();
  QStringList moved;
  for (const QString& id : history().GetPendingList()) {
    std::unique_ptr<tHistoryEvent> job = Pending(id);
    job->Status = HisStatus::Failed;
    history().StoreEvent(*job);
    moved << job->EventId;
  }
  EXPECT_EQ(moved, (QStringList{QStringLiteral("1000000"), QStringLiteral("1000001"), QStringLiteral("1000002")}));
}

TEST_F(JobRecordTest, StreamKeepsEveryStoredFieldAndDropsLastTryAndCallback) {
  tHistoryEvent job{TBlank{}};
  job.EventId = QStringLiteral("000123");
  job.MachineId = QStringLiteral("Front till");
  job.Mode = QStringLiteral("Direct to COM4");
  job.StartedByCalendar = true;
  job.ScheduleId = QStringLiteral("Nightly");
  job.ScriptId = QStringLiteral("End of day");
  job.State = HisStatus::Polling;
  job.Status = HisStatus::Retry;
  job.DefRetryCount = 2;
  job.InitRetryCount = 0;
  job.Created = TDateTime(46085.75);
  job.ComPort = QStringLiteral("Direct to COM3");
  job.LastTry = TDateTime(46085.5);
  int called = 0;
  job.EventCallBack = [&called](int) { ++called; };

  std::unique_ptr<TObject> obj = CopyObject(&job);
  ASSERT_TRUE(obj && obj->Is<tHistoryEvent>());
  const auto& copy = static_cast<const tHistoryEvent&>(*obj);
  EXPECT_EQ(copy.EventId, job.EventId);
  EXPECT_EQ(copy.MachineId, job.MachineId);
  EXPECT_EQ(copy.Mode, job.Mode);
  EXPECT_EQ(copy.StartedByCalendar, true);
  EXPECT_EQ(copy.ScheduleId, job.ScheduleId);
  EXPECT_EQ(copy.ScriptId, job.ScriptId);
  EXPECT_EQ(copy.State, job.State);
  EXPECT_EQ(copy.Status, job.Status);
  EXPECT_EQ(copy.DefRetryCount, 2);
  EXPECT_EQ(copy.InitRetryCount, 0);
  EXPECT_EQ(copy.Created, job.Created);
  EXPECT_EQ(copy.ComPort, job.ComPort);
  EXPECT_TRUE(copy.LastTry.IsZero());
  EXPECT_FALSE(copy.EventCallBack);
  EXPECT_EQ(copy.GetActn(), nullptr);
}

TEST_F(JobRecordTest, NewJobIsPendingWithNoRetriesUsed) {
  clock.SetNow(QDateTime(QDate(2026, 5, 6), QTime(7, 8, 9)));
  tHistoryEvent job(nullptr, nullptr, QStringLiteral("Direct to COM2"), QStringLiteral("M9"),
                    QStringLiteral("Send All"), QStringLiteral("User"), false);
  EXPECT_EQ(job.Status, HisStatus::Pending);
  EXPECT_EQ(job.State, HisStatus::Pending);
  EXPECT_EQ(job.InitRetryCount, -1);
  EXPECT_EQ(job.DefRetryCount, -1);
  EXPECT_EQ(job.Mode, QStringLiteral("Direct to COM2"));
  EXPECT_EQ(job.ComPort, QStringLiteral("Direct to COM2"));
  EXPECT_EQ(job.Created.ToQDateTime(), QDateTime(QDate(2026, 5, 6), QTime(7, 8, 9)));
  EXPECT_TRUE(job.LastTry.IsZero());
}

TEST_F(JobRecordTest, SettingsComeFromTheHistorySectionWithTheirDefaults) {
  EXPECT_EQ(history().GetInitRetry(), 1);
  EXPECT_EQ(history().GetDefRetry(), 1);
  EXPECT_EQ(history().GetWaitTime(), 30);
  FreeTheHistory();
  {
    auto ini = OpenSettingsFile(QStringLiteral("History"));
    ini->WriteInteger(QStringLiteral("InitRetry"), 3);
    ini->WriteInteger(QStringLiteral("DefRetry"), 0);
    ini->WriteInteger(QStringLiteral("WaitTime"), 120);
  }
  EXPECT_EQ(history().GetInitRetry(), 3);
  EXPECT_EQ(history().GetDefRetry(), 0);
  EXPECT_EQ(history().GetWaitTime(), 120);
  {
    auto ini = OpenSettingsFile(QStringLiteral("History"));
    ini->WriteInteger(QStringLiteral("InitRetry"), 1);
    ini->WriteInteger(QStringLiteral("DefRetry"), 1);
    ini->WriteInteger(QStringLiteral("WaitTime"), 30);
  }
}

TEST_F(JobRecordTest, StoreEventWritesOnlyAJobStillInPending) {
  AddMachine(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  const QString id = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  std::unique_ptr<tHistoryEvent> job = Pending(id);
  job->Status = HisStatus::Active;
  job->State = HisStatus::Logon;
  history().StoreEvent(*job);
  EXPECT_EQ(Pending(id)->State, HisStatus::Logon);

  tHistoryEvent stray{TBlank{}};
  stray.EventId = QStringLiteral("000077");
  stray.Status = HisStatus::Retry;
  history().StoreEvent(stray);
  EXPECT_EQ(Pending(QStringLiteral("000077")), nullptr);
  EXPECT_EQ(history().GetPendingList(), QStringList{id});
}

TEST_F(JobRecordTest, AnUnreadablePendingRecordIsDeletedWhenLookedUpAndThePortGoesOn) {
  RecordingStarter& started = starter;
  AddMachine(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  const QString broken = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  const QString good = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  TQuery(TSession::Default().Database(GetDataAlias()))
      .Exec(QStringLiteral("UPDATE \"Pending\" SET \"Object\" = ? WHERE \"HisEvId\" = ?"),
            {QByteArray("TPF0garbage"), broken});
  history().StartNext(QStringLiteral("Direct to COM1"));
  EXPECT_EQ(started.Ids(), QStringList{good});
  EXPECT_EQ(history().GetPendingList(), QStringList{good});
  FreeTheHistory();
  EXPECT_EQ(history().GetPendingList(), QStringList{good}); // gone from the file too

  // One that breaks while the program is not running is dropped at the next start.
  const QString later = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  FreeTheHistory();
  TQuery(TSession::Default().Database(GetDataAlias()))
      .Exec(QStringLiteral("UPDATE \"Pending\" SET \"Object\" = ? WHERE \"HisEvId\" = ?"),
            {QByteArray("TPF0garbage"), good});
  EXPECT_EQ(history().GetPendingList(), QStringList{later});
}

TEST_F(JobRecordTest, RequeueGivesANewPendingIdAndLeavesHistory) {
  AddMachine(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  const QString id = Queue(QStringLiteral("M1"), QStringLiteral("Direct to COM1"));
  std::unique_ptr<tHistoryEvent> job = Pending(id);
  job->Status = HisStatus::Failed;
  history().StoreEvent(*job);
  ASSERT_EQ(HistoryJobs().size(), 1u);
  std::unique_ptr<tHistoryEvent> back = history().LoadHistoryEvent(job->EventId);
  ASSERT_TRUE(back);
  back->Status = HisStatus::Pending;
  history().Requeue(*back);
  EXPECT_EQ(back->EventId, QStringLiteral("000000")); // "Pending" was empty
  EXPECT_TRUE(HistoryJobs().empty());
  EXPECT_EQ(history().GetPendingList(), QStringList{QStringLiteral("000000")});
}
} // namespace
