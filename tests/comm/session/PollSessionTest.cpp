// Polling sessions over the job queue: the retry matrix, cancels, waits, and a line that
// cannot be opened.
#include "SessionFixture.h"

#include "LinkTestSupport.h"
#include "comm/jobs/HisStatus.h"
#include "comm/session/TPollSession.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace HisStatus;

namespace {
const QString Com1 = QStringLiteral("Direct to COM1");
const QString Com2 = QStringLiteral("Direct to COM2");
const QString A = QStringLiteral("Till A");
const QString B = QStringLiteral("Till B");

class PollSessionTest : public SessionFixture {
protected:
  void SetUp() override {
    AddTill(A, Com1);
    AddTill(B, Com2);
  }
  void Settings(int initRetry, int defRetry, int waitTime = 30) {
    history().SetInitRetry(initRetry);
    history().SetDefRetry(defRetry);
    history().SetWaitTime(waitTime);
  }
  // The one job "History" holds.
  std::unique_ptr<tHistoryEvent> OnlyEnded() {
    auto jobs = HistoryJobs();
    EXPECT_EQ(jobs.size(), 1u);
    return jobs.empty() ? nullptr : std::move(jobs.front());
  }
  int RetryLines() const { return int(lines.filter(QStringLiteral("Retry Number")).size()); }
};

struct MatrixCase {
  const char* name;
  int initRetry, defRetry;
  QList<tMpMessage> logons, actions;
  qint32 status, phase;
  QList<int> callbacks;
  QStringList retryLines;
  int sessions;
};

class RetryMatrix : public PollSessionTest, public ::testing::WithParamInterface<MatrixCase> {};

TEST_P(RetryMatrix, EndsWithTheStatusPhaseCallbackAndRetryLines) {
  const MatrixCase& c = GetParam();
  Settings(c.initRetry, c.defRetry);
  logons = c.logons;
  actions = c.actions;
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(RunUntilIdle());

  const auto job = OnlyEnded();
  ASSERT_TRUE(job);
  EXPECT_EQ(job->Status, c.status) << StatusText(job->Status).toStdString();
  EXPECT_EQ(job->State, c.phase) << StatusText(job->State).toStdString();
  EXPECT_EQ(callbacks[id], c.callbacks);
  EXPECT_EQ(lines.filter(QStringLiteral("Retry Number")), c.retryLines);
  EXPECT_EQ(windows.size(), c.sessions);
  EXPECT_TRUE(history().GetPendingList().isEmpty());
  EXPECT_FALSE(history().IsPortBusy(Com1));
}

const QList<tMpMessage> ok{MpmSuccessfull};
INSTANTIATE_TEST_SUITE_P(
    Cases, RetryMatrix,
    ::testing::Values(
        MatrixCase{"NeverFailed", 1, 1, ok, ok, Successful, Polling, {2}, {}, 1},
        MatrixCase{"LogonFailsWithoutRetries", 1, 1, {MpmFailed}, {}, Failed, Logon, {4}, {}, 1},
        MatrixCase{"LogonRetriedInANewSession", 2, 1, {MpmFailed, MpmSuccessfull}, ok, SuccessWithRetry, Polling, {2},
                   {QStringLiteral("Retry Number 1")}, 2},
        MatrixCase{"LogonFailsAfterItsRetries", 3, 1, {MpmFailed, MpmFailed, MpmFailed}, {}, Failed, Logon, {4},
                   {QStringLiteral("Retry Number 1"), QStringLiteral("Retry Number 2")}, 3},
        MatrixCase{"ActionRetriedTwiceOnTheSameLine", 3, 1, ok, {MpmFailed, MpmFailed, MpmSuccessfull},
                   SuccessWithRetry, Polling, {2},
                   {QStringLiteral("Retry Number 1"), QStringLiteral("Retry Number 2")}, 1},
        MatrixCase{"ActionFailsWithoutRetries", 1, 1, ok, {MpmFailed}, Failed, Polling, {4}, {}, 1},
        MatrixCase{"ActionFailsAfterItsRetry", 2, 1, ok, {MpmFailed, MpmFailed}, Failed, Polling, {4},
                   {QStringLiteral("Retry Number 1")}, 1}),
    [](const auto& p) { return std::string(p.param.name); });

// A deferred retry waits in "Pending" as Retry, and the session that runs it once the wait
// is over ends Success With Retry.
TEST_F(PollSessionTest, AFailedActionWithADeferredRetryLeftWaitsAndThenSucceedsWithRetry) {
  Settings(1, 2, 30);
  logons = {MpmSuccessfull, MpmSuccessfull};
  actions = {MpmFailed, MpmSuccessfull};
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  // The port's next job is the deferred one: its new session waits out the rest of the 30 s.
  ASSERT_TRUE(WaitFor([&] { return lines.contains(QStringLiteral("Waiting for Deferred Retry in 30 seconds")); }));
  EXPECT_TRUE(HistoryJobs().empty());
  auto waiting = Pending(id);
  ASSERT_TRUE(waiting);
  EXPECT_EQ(waiting->DefRetryCount, 0);
  EXPECT_EQ(waiting->InitRetryCount, -1);
  FakeWindow* second = LastWindow();
  ASSERT_EQ(windows.size(), 2);
  EXPECT_EQ(second->busyMs, 30000);
  EXPECT_FALSE(second->watching);

  clock.Advance(30000);
  second->Post(MpmBusyTimeOut);
  ASSERT_TRUE(RunUntilIdle());
  const auto job = OnlyEnded();
  EXPECT_EQ(job->Status, SuccessWithRetry);
  EXPECT_EQ(callbacks[id], QList<int>{2});
}

struct WaitCase {
  const char* name;
  qint64 lastTryAgoMs;
  QString line; // empty: connects at once
  int busyMs;
};

class DeferredWait : public PollSessionTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(DeferredWait, WaitsTheRestOfTheWaitTimeSinceTheLastTry) {
  const WaitCase& c = GetParam();
  Settings(1, 3, 30);
  logons = {MpmSuccessfull};
  actions = {MpmSuccessfull};
  const QString id = QueuePoll(A, Com1);
  {
    auto job = Pending(id);
    job->Status = Retry;
    job->DefRetryCount = 0;
    job->LastTry = TDateTime::Now();
    history().StoreEvent(*job);
  }
  clock.Advance(c.lastTryAgoMs);
  history().StartNext(Com1);
  if (c.line.isEmpty()) {
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_FALSE(lines.filter(QStringLiteral("Waiting")).size());
    EXPECT_EQ(OnlyEnded()->Status, SuccessWithRetry);
    return;
  }
  ASSERT_TRUE(WaitFor([&] { return lines.contains(c.line); }, 500)) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(LastWindow()->busyMs, c.busyMs);
  EXPECT_TRUE(logons.size() == 1) << "no logon before the wait is over";
  clock.Advance(c.busyMs);
  LastWindow()->Post(MpmBusyTimeOut);
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(OnlyEnded()->Status, SuccessWithRetry);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeferredWait,
                         ::testing::Values(WaitCase{"TenSecondsAgo", 10000,
                                                    QStringLiteral("Waiting for Deferred Retry in 20 seconds"), 20000},
                                           WaitCase{"TwentyFiveHoursAgo", 25LL * 3600 * 1000, QString(), 0}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(PollSessionTest, ACancelWhileLoggingOnCancelsEveryPendingJobOfTheMachine) {
  Settings(3, 3);
  logons = {MpmInitial}; // the register stays silent
  const QString first = QueuePoll(A, Com1);
  const QString second = QueuePoll(A, Com1);
  const QString other = QueuePoll(B, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return LastWindow() != nullptr; }));
  actions = {MpmSuccessfull};
  logons = {MpmSuccessfull};
  LastWindow()->Post(MpmUserCancel);
  ASSERT_TRUE(RunUntilIdle());

  EXPECT_TRUE(lines.contains(QStringLiteral("Cancelling Initializing Communications")));
  EXPECT_TRUE(lines.contains(QStringLiteral("    ") + A));
  EXPECT_EQ(callbacks[first], QList<int>{4});
  EXPECT_EQ(callbacks[second], QList<int>{4});
  EXPECT_EQ(callbacks[other], QList<int>{2}) << "the next machine on the port runs";
  int cancelled = 0;
  for (const auto& job : HistoryJobs())
    if (job->MachineId == A) {
      EXPECT_EQ(job->Status, UserCancel);
      ++cancelled;
    }
  EXPECT_EQ(cancelled, 2);
  EXPECT_EQ(ends.first(), MpmUserCancelAll);
}

TEST_F(PollSessionTest, ACancelDuringAnActionCancelsThatJobAndTheNextRunsOnTheSameLine) {
  logons = {MpmSuccessfull};
  actions = {MpmInitial, MpmSuccessfull}; // the first poll hangs
  const QString first = QueuePoll(A, Com1);
  const QString second = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return performed.size() == 1; }));
  LastWindow()->Post(MpmUserCancel);
  ASSERT_TRUE(RunUntilIdle());

  EXPECT_EQ(callbacks[first], QList<int>{4});
  EXPECT_EQ(callbacks[second], QList<int>{2});
  EXPECT_EQ(windows.size(), 1) << "one session, one line";
  EXPECT_TRUE(lines.contains(QStringLiteral("Cancelling Financial")));
  EXPECT_EQ(performed.size(), 2);
}

// The user's close of the window, or the watchdog's, ends the session through it: the
// job ends, the slot and the port are free and the window goes with the session.
TEST_F(PollSessionTest, ClosingTheWindowEndsTheSessionAndFreesSlotPortAndWindow) {
  logons = {MpmSuccessfull};
  actions = {MpmInitial};
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return performed.size() == 1; }));
  QPointer<FakeWindow> window = LastWindow();
  ASSERT_TRUE(history().IsPortBusy(Com1));
  window->session->CloseRequested();
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(callbacks[id], QList<int>{4});
  EXPECT_EQ(OnlyEnded()->Status, UserCancel);
  EXPECT_FALSE(history().IsPortBusy(Com1));
  EXPECT_EQ(ctrl.HighSlot(), 0);
  EXPECT_TRUE(window.isNull());
}

// The watchdog fails a silent session; the failure goes through the retries like any other.
TEST_F(PollSessionTest, TheWatchdogsFailureEndsASilentLogon) {
  logons = {MpmInitial};
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return LastWindow() != nullptr; }));
  LastWindow()->Post(MpmFailed);
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_TRUE(lines.contains(QStringLiteral("Logon Failed")));
  EXPECT_EQ(OnlyEnded()->Status, Failed);
  EXPECT_FALSE(history().IsPortBusy(Com1));
}

// A line that cannot be opened fails the logon at once, with the reason on the progress;
// the port does not stay busy.
TEST_F(PollSessionTest, AConnectThatFailsFailsTheLogonAtOnce) {
  connects = {ConnectFault::Fails};
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(RunUntilIdle(1000));
  EXPECT_TRUE(lines.contains(QStringLiteral("'Direct to COM' is not a valid integer value")));
  EXPECT_TRUE(lines.contains(QStringLiteral("Logon Failed")));
  EXPECT_EQ(callbacks[id], QList<int>{4});
  EXPECT_FALSE(history().IsPortBusy(Com1));
}

TEST_F(PollSessionTest, ADeviceInUseIsTriedAgainAfterTheBusyWait) {
  connects = {ConnectFault::Busy};
  logons = {MpmSuccessfull};
  actions = {MpmSuccessfull};
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return lines.contains(QStringLiteral("Device Busy")); }));
  EXPECT_EQ(LastWindow()->busyMs, 1); // the profile's device-busy wait
  EXPECT_FALSE(LastWindow()->watching);
  LastWindow()->Post(MpmBusyTimeOut);
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(callbacks[id], QList<int>{2});
}

TEST_F(PollSessionTest, MoreThanFiveBusyWaitsFailTheJobAsPhoneBusy) {
  const QString id = QueuePoll(A, Com1);
  connects = QList<ConnectFault>(7, ConnectFault::Busy);
  history().StartNext(Com1);
  for (int i = 0; i < 6 && WaitFor([&] { return LastWindow() && LastWindow()->busyMs > 0; }); ++i) {
    LastWindow()->busyMs = 0;
    LastWindow()->Post(MpmBusyTimeOut);
    QCoreApplication::processEvents();
  }
  ASSERT_TRUE(RunUntilIdle());
  const auto job = OnlyEnded();
  EXPECT_EQ(job->Status, Failed);
  EXPECT_EQ(job->State, PhoneBusy);
  EXPECT_EQ(callbacks[id], QList<int>{4});
}

// A message that does not fit the state is a line and a notice, never a modal box; the
// session stays as it was and goes on.
TEST_F(PollSessionTest, AnUnexpectedMessageIsNotedAndTheSessionGoesOn) {
  QStringList notices;
  TPollSession::SetNoticeSink([&](const QString& text) { notices << text; });
  logons = {MpmInitial};
  const QString id = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return LastWindow() != nullptr; }));
  LastWindow()->Post(MpmPollStart);
  ASSERT_TRUE(WaitFor([&] { return !notices.isEmpty(); }));
  EXPECT_EQ(notices.first(), QStringLiteral("Unexpected Message: MpmPollStart State: MpsLoggingOn"));
  EXPECT_TRUE(prompter.shown.isEmpty());
  actions = {MpmSuccessfull};
  LastWindow()->Post(MpmSuccessfull);
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(callbacks[id], QList<int>{2});
  TPollSession::SetNoticeSink(nullptr);
}

// The pause before an action's retry is a timer: other work goes on meanwhile.
TEST_F(PollSessionTest, TheRetryPauseLetsOtherSessionsGoOn) {
  profile.intervals.insert(QStringLiteral("session.actionRetryPauseMs"), 300);
  Settings(2, 1);
  logons = {MpmSuccessfull};
  actions = {MpmFailed};
  QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return performed.size() == 1 && actions.isEmpty(); }));
  // While A's session pauses, B's starts and logs on.
  logons = {MpmInitial};
  QueuePoll(B, Com2);
  history().StartNext(Com2);
  EXPECT_EQ(windows.size(), 2);
  EXPECT_EQ(RetryLines(), 0) << "the pause is still under way";
  actions = {MpmSuccessfull};
  ASSERT_TRUE(WaitFor([&] { return RetryLines() == 1; }));
  windows[1]->Post(MpmUserCancelAll);
  ASSERT_TRUE(RunUntilIdle());
}
} // namespace

namespace {
// A line that closes under an action fails that job and ends the session; the machine's
// next job gets a session of its own, with a line.
TEST_F(PollSessionTest, AClosedLineFailsTheJobAndTheNextJobGetsANewSession) {
  logons = {MpmSuccessfull, MpmSuccessfull};
  actions = {MpmInitial, MpmSuccessfull};
  const QString first = QueuePoll(A, Com1);
  const QString second = QueuePoll(A, Com1);
  history().StartNext(Com1);
  ASSERT_TRUE(WaitFor([&] { return performed.size() == 1; }));
  LastWindow()->Post(MpmTapiClosed);
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(callbacks[first], QList<int>{4});
  EXPECT_EQ(callbacks[second], QList<int>{2});
  EXPECT_EQ(windows.size(), 2);
  EXPECT_EQ(ends.first(), MpmTapiClosed);
}
} // namespace
