// The no-activity watchdog of a session: when it acts, what it closes, and what it never
// touches.
#include "LinkTestSupport.h"
#include "comm/crs/TProgressLines.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TNoActivityWatchdog.h"
#include "comm/session/TSessionWindows.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/TimingProfile.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
// The session's side: every call, at the fake clock's time since the start.
class RecordingHost final : public IWatchdogHost {
public:
  RecordingHost(FakeClock& clock, TProgressLines& progress)
      : clock_(clock), progress_(progress), start_(clock.MonotonicMs()) {}
  void AddStatusLine(const QString& text, bool blankAfter) override {
    progress_.Add(text);
    if (blankAfter) progress_.Add(QString());
    Record(QStringLiteral("line ") + text);
  }
  void FocusWindow() override { Record(QStringLiteral("focus")); }
  void PostFailed() override {
    Record(QStringLiteral("failed"));
    if (onFailed) onFailed();
  }
  void CloseWindow() override {
    Record(QStringLiteral("close"));
    if (closeFails-- > 0) throw Exception(QStringLiteral("cannot close"));
  }

  QStringList calls;
  int closeFails = 0;
  std::function<void()> onFailed;

private:
  void Record(const QString& what) { calls << QStringLiteral("%1 %2").arg(clock_.MonotonicMs() - start_).arg(what); }
  FakeClock& clock_;
  TProgressLines& progress_;
  qint64 start_;
};

class Watchdog : public ::testing::Test {
protected:
  Watchdog() {
    for (int i = 0; i < 3; ++i) progress.Add(QStringLiteral("line %1").arg(i));
  }
  // Moves the clock to ms after the start in steps of a second, letting the watchdog look
  // at every step (it must act only when its time has come).
  void RunTo(qint64 ms) {
    while (clock.MonotonicMs() - start < ms) {
      clock.Advance(std::min<qint64>(1000, ms - (clock.MonotonicMs() - start)));
      watchdog->Poll();
    }
  }
  // Where a window of this session or of someone else is dismissed, it says so here.
  std::function<void()> Dismiss(const QString& name) {
    return [this, name] { dismissed << name; };
  }

  FakeClock clock;
  ScopedClock useClock{clock};
  qint64 start = clock.MonotonicMs();
  TProgressLines progress;
  TSessionWindows windows;
  RecordingHost host{clock, progress};
  std::unique_ptr<TNoActivityWatchdog> watchdog = std::make_unique<TNoActivityWatchdog>(progress, windows, host);
  QStringList dismissed;
};

TEST_F(Watchdog, AStalledSessionIsFailedAndItsWindowClosedThirtySecondsLater) {
  watchdog->Start();
  RunTo(200000);
  // 60 s: the first look remembers; 120 s: nothing changed.
  EXPECT_EQ(host.calls, (QStringList{"120000 line No Activity. Closing", "122000 focus", "124000 failed",
                                     "154000 focus", "154000 close"}));
  EXPECT_EQ(watchdog->CurrentStage(), TNoActivityWatchdog::Off);
}

TEST_F(Watchdog, ProgressBetweenLooksKeepsTheSessionAlive) {
  watchdog->Start();
  for (int minute = 1; minute <= 5; ++minute) {
    RunTo(minute * 60000 - 1000);
    // A letter on the same line counts, and so does a new line of the same text.
    if (minute % 2) progress.AppendToLast(QStringLiteral("P"));
    else progress.Add(progress.Last());
  }
  RunTo(5 * 60000);
  EXPECT_EQ(host.calls, QStringList());
}

TEST_F(Watchdog, TwoLinesOfProgressNeverTriggerIt) {
  progress.Clear();
  progress.Add(QStringLiteral("Initiating Communications"));
  progress.Add(QString());
  watchdog->Start();
  RunTo(10 * 60000);
  EXPECT_EQ(host.calls, QStringList());
}

TEST_F(Watchdog, AnOpenChooserIsDismissedFirstAndTheSessionFailedOnlyLater) {
  // Each closes when dismissed, as a real chooser does.
  std::unique_ptr<TSessionWindows::Entry> chooser, actions;
  chooser = std::make_unique<TSessionWindows::Entry>(windows, TSessionWindows::Chooser,
                                                     QStringLiteral("report chooser"), [&] {
                                                       dismissed << QStringLiteral("report chooser");
                                                       chooser.reset();
                                                     });
  actions = std::make_unique<TSessionWindows::Entry>(windows, TSessionWindows::ActionChooser,
                                                     QStringLiteral("Select Action"), [&] {
                                                       dismissed << QStringLiteral("Select Action");
                                                       actions.reset();
                                                     });
  watchdog->Start();
  RunTo(120000);
  EXPECT_EQ(dismissed, (QStringList{"report chooser", "Select Action"}));
  EXPECT_EQ(host.calls, (QStringList{"120000 line No Activity. Closing", "120000 line No Activity. Closing"}));
  EXPECT_EQ(watchdog->CurrentStage(), TNoActivityWatchdog::Watching);
  // The lines it added are progress to the next look; the one after fails the session.
  RunTo(250000);
  EXPECT_EQ(host.calls.mid(2), (QStringList{"240000 line No Activity. Closing", "242000 focus", "244000 failed"}));
}

TEST_F(Watchdog, AnOpenProgressWindowHoldsItBack) {
  auto progressWindow = std::make_unique<TSessionWindows::Entry>(windows, TSessionWindows::Progress,
                                                                 QStringLiteral("Save Progress"),
                                                                 Dismiss(QStringLiteral("Save Progress")));
  watchdog->Start();
  RunTo(600000);
  EXPECT_EQ(host.calls, QStringList());
  progressWindow.reset();
  RunTo(660000);
  EXPECT_EQ(host.calls, (QStringList{"660000 line No Activity. Closing"}));
  EXPECT_EQ(dismissed, QStringList());
}

// It closes only the windows its session opened: another session's windows and windows
// of no session (the main window, a user's dialog) stay.
TEST_F(Watchdog, ItClosesOnlyTheWindowsItsSessionOpened) {
  TSessionWindows otherSession;
  TSessionWindows::Entry theirs(otherSession, TSessionWindows::Notice, QStringLiteral("their notice"),
                                Dismiss(QStringLiteral("their notice")));
  TSessionWindows::Entry theirChooser(otherSession, TSessionWindows::Chooser, QStringLiteral("their chooser"),
                                      Dismiss(QStringLiteral("their chooser")));
  TSessionWindows::Entry notice(windows, TSessionWindows::Notice, QStringLiteral("Unexpected Message"),
                                Dismiss(QStringLiteral("Unexpected Message")));
  watchdog->Start();
  RunTo(200000);
  EXPECT_EQ(dismissed, (QStringList{"Unexpected Message", "Unexpected Message"}));
  EXPECT_EQ(otherSession.Count(), 2);
}

TEST_F(Watchdog, AWindowThatClosesWhenDismissedIsDismissedOnce) {
  std::unique_ptr<TSessionWindows::Entry> notice;
  notice = std::make_unique<TSessionWindows::Entry>(windows, TSessionWindows::Notice, QStringLiteral("notice"), [&] {
    dismissed << QStringLiteral("notice");
    notice.reset();
  });
  watchdog->Start();
  RunTo(200000);
  EXPECT_EQ(dismissed, QStringList{"notice"});
  EXPECT_EQ(windows.Count(), 0);
}

TEST_F(Watchdog, AFailedCloseIsTriedAgainThirtySecondsLater) {
  host.closeFails = 1;
  watchdog->Start();
  RunTo(200000);
  EXPECT_EQ(host.calls.mid(3), (QStringList{"154000 focus", "154000 close", "184000 focus", "184000 close"}));
}

TEST_F(Watchdog, ASessionThatEndsWhenFailedIsNotClosedAgain) {
  host.onFailed = [&] { watchdog->Stop(); };
  watchdog->Start();
  RunTo(300000);
  EXPECT_EQ(host.calls.last(), "124000 failed");
}

TEST_F(Watchdog, ASessionThatEndsWhenFailedMayDeleteTheWatchdog) {
  host.onFailed = [&] { watchdog.reset(); };
  watchdog->Start();
  while (watchdog && clock.MonotonicMs() - start < 300000) {
    clock.Advance(1000);
    watchdog->Poll();
  }
  EXPECT_EQ(host.calls.last(), "124000 failed");
}

TEST_F(Watchdog, ACancelledSessionIsWatchedEveryFiveSeconds) {
  watchdog->Start();
  RunTo(30000);
  watchdog->SetInterval(SessionTiming::Ms(SessionTiming::NoActivityCancel));
  RunTo(45000);
  EXPECT_EQ(host.calls, (QStringList{"40000 line No Activity. Closing", "42000 focus", "44000 failed"}));
}

TEST_F(Watchdog, ACancelWhileAStalledSessionIsBeingFailedKeepsItsClose) {
  watchdog->Start();
  RunTo(125000);
  watchdog->SetInterval(SessionTiming::Ms(SessionTiming::NoActivityCancel));
  RunTo(200000);
  EXPECT_EQ(host.calls, (QStringList{"120000 line No Activity. Closing", "122000 focus", "124000 failed",
                                     "154000 focus", "154000 close"}));
}

TEST_F(Watchdog, AStoppedWatchdogDoesNothing) {
  watchdog->Start();
  watchdog->Stop();
  RunTo(600000);
  EXPECT_EQ(host.calls, QStringList());
  EXPECT_FALSE(watchdog->DueMs().has_value());
}

// On the system's clock, with the intervals scaled down, its own timer drives it.
TEST(WatchdogTimer, EndsASilentSessionByItself) {
  TimingProfile profile;
  profile.scale = 0.001; // 60 ms looks, 2 ms pauses, 30 ms to the close
  ScopedTimingProfile useProfile(profile);
  TProgressLines progress;
  for (int i = 0; i < 3; ++i) progress.Add(QStringLiteral("line %1").arg(i));
  TSessionWindows windows;
  FakeClock unused;
  class Host final : public IWatchdogHost {
  public:
    void AddStatusLine(const QString&, bool) override { ++lines; }
    void FocusWindow() override {}
    void PostFailed() override { ++failed; }
    void CloseWindow() override { ++closed; }
    int lines = 0, failed = 0, closed = 0;
  } host;
  TNoActivityWatchdog watchdog(progress, windows, host);
  watchdog.Start();
  ASSERT_TRUE(WaitFor([&] { return host.closed == 1; }, 3000));
  EXPECT_EQ(host.lines, 1);
  EXPECT_EQ(host.failed, 1);
}
} // namespace
