#include "comm/session/TNoActivityWatchdog.h"

#include "comm/crs/TProgressLines.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TSessionWindows.h"
#include "platform/sys/Clock.h"

#include <QPointer>

#include <algorithm>
#include <limits>

namespace {
const QString kClosing = QStringLiteral("No Activity. Closing");
qint64 Now() { return Clock::Current().MonotonicMs(); }
} // namespace

TNoActivityWatchdog::TNoActivityWatchdog(const TProgressLines& progress, TSessionWindows& windows,
                                         IWatchdogHost& host, QObject* parent)
    : QObject(parent), progress_(progress), windows_(windows), host_(host),
      intervalMs_(SessionTiming::Ms(SessionTiming::NoActivity)) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &TNoActivityWatchdog::Poll);
}

void TNoActivityWatchdog::Start() { Schedule(Watching, intervalMs_); }

void TNoActivityWatchdog::SetInterval(int ms) {
  intervalMs_ = ms;
  // A stalled session on its way to being failed and closed stays on that way.
  if (stage_ == Watching) Schedule(Watching, intervalMs_);
}

void TNoActivityWatchdog::Stop() {
  stage_ = Off;
  timer_.stop();
}

std::optional<qint64> TNoActivityWatchdog::DueMs() const {
  if (stage_ == Off) return std::nullopt;
  return dueMs_;
}

void TNoActivityWatchdog::Poll() {
  if (stage_ == Off) return;
  if (Now() < dueMs_) {
    Arm();
    return;
  }
  // The host may end the session from inside a call, and with it this watchdog.
  QPointer<TNoActivityWatchdog> alive(this);
  switch (stage_) {
  case Watching:
    Look();
    break;
  case PauseBeforeFocus:
    Schedule(PauseBeforeFail, SessionTiming::Ms(SessionTiming::NoActivityPause));
    host_.FocusWindow();
    break;
  case PauseBeforeFail:
    Fail();
    break;
  case Closing:
    CloseSession();
    break;
  case Off:
    break;
  }
  if (alive) Arm();
}

void TNoActivityWatchdog::Look() {
  const int count = int(progress_.Lines().size());
  const QString last = progress_.Last();
  const bool stalled = count > 2 && watchedLine_ == last && watchedCount_ == count;
  if (!stalled) {
    watchedLine_ = last;
    watchedCount_ = count;
    Schedule(Watching, intervalMs_);
    return;
  }
  Schedule(Watching, intervalMs_);
  const QStringList dismissed = windows_.Dismiss({TSessionWindows::Chooser, TSessionWindows::ActionChooser});
  for (int i = 0; i < dismissed.size(); ++i) host_.AddStatusLine(kClosing, true);
  if (!dismissed.isEmpty() || windows_.Has(TSessionWindows::Progress)) return;

  Schedule(PauseBeforeFocus, SessionTiming::Ms(SessionTiming::NoActivityPause));
  host_.AddStatusLine(kClosing, true);
  windows_.Dismiss({TSessionWindows::Notice});
}

void TNoActivityWatchdog::Fail() {
  Schedule(Closing, SessionTiming::Ms(SessionTiming::NoActivityClose));
  host_.PostFailed();
}

void TNoActivityWatchdog::CloseSession() {
  stage_ = Off;
  windows_.Dismiss({TSessionWindows::Chooser, TSessionWindows::ActionChooser, TSessionWindows::Notice});
  host_.FocusWindow();
  try {
    host_.CloseWindow();
  } catch (const std::exception&) {
    Schedule(Closing, SessionTiming::Ms(SessionTiming::NoActivityClose));
  }
}

void TNoActivityWatchdog::Schedule(Stage stage, int inMs) {
  stage_ = stage;
  dueMs_ = Now() + inMs;
  Arm();
}

void TNoActivityWatchdog::Arm() {
  if (stage_ == Off) {
    timer_.stop();
    return;
  }
  timer_.start(int(std::clamp<qint64>(dueMs_ - Now(), 0, std::numeric_limits<int>::max())));
}
