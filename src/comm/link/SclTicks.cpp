#include "comm/link/SclTicks.h"

#include "platform/sys/Clock.h"
#include "platform/sys/TimingProfile.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <climits>
#include <thread>

namespace {
// An exit code no caller of QCoreApplication::exit is expected to use.
constexpr int kOwnExit = INT_MIN + 55;

// Runs a nested event loop until done() holds or the program is asked to quit (which ends
// every running loop, this one included). Returns true when it was the quit.
template <class Done> bool RunLoop(Done done, int pollMs) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.exit(kOwnExit);
  });
  poll.start(pollMs);
  QTimer::singleShot(0, &loop, [&] {
    if (done()) loop.exit(kOwnExit);
  });
  return loop.exec() != kOwnExit;
}
} // namespace

int32_t SecondsToTicks(int32_t seconds) { return seconds * 1675 / 92; }

int32_t CurrentTick() {
  const auto ms = static_cast<int32_t>(static_cast<uint32_t>(Clock::Current().MonotonicMs()));
  return ms / 55;
}

void ArmTickTimer(TTickTimer& timer, int32_t ticks) {
  timer.StartTick = CurrentTick();
  timer.ExpireTick = timer.StartTick + std::min(ticks, kSclMaxTicks);
}

int32_t TickTimerElapsed(const TTickTimer& timer) {
  const int32_t now = CurrentTick();
  if (now >= timer.StartTick) return now - timer.StartTick;
  // The count went from +kSclMaxTicks to -kSclMaxTicks in between.
  return (kSclMaxTicks - timer.StartTick) + (now + kSclMaxTicks);
}

bool TickTimerDue(const TTickTimer& timer) {
  return TickTimerElapsed(timer) > timer.ExpireTick - timer.StartTick;
}

int PumpOneMessage() {
  // The loop's first look is queued behind every event already pending.
  return RunLoop([] { return true; }, 1000) ? kSclQuitMessage : 0;
}

int WaitTicks(int32_t ticks, bool processMessages) {
  if (ticks < 1) return 0;
  TTickTimer timer;
  ArmTickTimer(timer, ticks);
  if (processMessages) {
    const int pollMs = TimingMs("link.tickPollMs", 5);
    return RunLoop([&] { return TickTimerDue(timer); }, pollMs) ? kSclQuitMessage : 0;
  }
  while (!TickTimerDue(timer)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return 0;
}
