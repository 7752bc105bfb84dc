#include "widgets/core/TWdgTimerPool.h"

#include "platform/sys/Clock.h"
#include "widgets/core/WdgExceptions.h"

#include <QDebug>
#include <algorithm>
#include <limits>

namespace {
quint32 Tick() { return quint32(Clock::Current().MonotonicMs()); }

// Milliseconds from `since` to `now` on the wrapping 32-bit tick.
qint64 Since(quint32 now, quint32 since) { return qint32(now - since); }
} // namespace

TWdgTimerPool::TWdgTimerPool() {
  QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { TimerEvent(); });
}

TWdgTimerPool::~TWdgTimerPool() {
  interval_ = 0;
  timer_.stop();
}

int TWdgTimerPool::Add(quint32 interval, bool repeating, Handler onTrigger) {
  const quint32 now = Tick();
  const int handle = nextHandle_++;
  triggers_.push_back({true, handle, now, interval, now, std::move(onTrigger), repeating});
  Changed();
  return handle;
}

void TWdgTimerPool::SetEnabled(int handle, bool enabled) {
  auto it = std::find_if(triggers_.begin(), triggers_.end(),
                         [handle](const Trigger& t) { return t.Handle == handle; });
  if (it == triggers_.end() || it->Enabled == enabled) return;
  it->Enabled = enabled;
  // Enabling starts the trigger afresh, as adding it does.
  if (enabled) it->TimeStamp = it->LastTrigger = Tick();
  Changed();
}

void TWdgTimerPool::Remove(int handle) {
  auto it = std::find_if(triggers_.begin(), triggers_.end(),
                         [handle](const Trigger& t) { return t.Handle == handle; });
  if (it == triggers_.end()) return;
  triggers_.erase(it);
  Changed();
}

void TWdgTimerPool::Changed() {
  enabledCount_ = int(std::count_if(triggers_.begin(), triggers_.end(),
                                    [](const Trigger& t) { return t.Enabled; }));
  interval_ = CalculateInterval(triggers_, Tick());
  ResetTimer();
}

void TWdgTimerPool::ResetTimer() {
  timer_.stop();
  if (interval_ == 0 || enabledCount_ == 0) return;
  timer_.start(int(std::min<quint32>(interval_, std::numeric_limits<int>::max())));
  // A thread without an event loop gets no timer: its id stays 0.
  if (timer_.timerId() <= 0) {
    timer_.stop();
    throw ENoTimersAvailable();
  }
}

quint32 TWdgTimerPool::CalculateInterval(const std::vector<Trigger>& triggers, quint32 now) {
  constexpr qint64 kNone = std::numeric_limits<qint32>::max();
  qint64 best = kNone;
  for (const Trigger& t : triggers) {
    if (!t.Enabled) continue;
    best = std::min<qint64>(best, t.Interval);
    // A trigger part-way through its interval is due sooner.
    best = std::min(best, qint64(t.Interval) - Since(now, t.LastTrigger));
  }
  if (best == kNone) return 0;
  best = std::max<qint64>(best, kMinInterval);
  // Step down until the tick divides every interval, disabled triggers' too.
  bool reduced = true;
  while (reduced && best > kMinInterval) {
    reduced = false;
    for (const Trigger& t : triggers) {
      const qint64 rest = qint64(t.Interval) % best;
      if (rest == 0) continue;
      best -= rest;
      reduced = true;
      break;
    }
  }
  return quint32(std::max<qint64>(best, kMinInterval));
}

void TWdgTimerPool::TimerEvent() {
  const quint32 now = Tick();
  // The size is read again after every trigger: firing removes one-shot triggers.
  for (int i = 0; i < TriggerCount(); ++i) {
    const Trigger trigger = triggers_[size_t(i)];
    if (!trigger.Enabled) continue;
    if (Since(now, trigger.LastTrigger) < qint64(trigger.Interval) - qint64(kEarlyMs)) continue;
    triggers_[size_t(i)].LastTrigger = now;
    if (!trigger.Repeating) {
      RemoveQuietly(trigger.Handle);
      --i;
    }
    Raise(trigger, now);
  }
}

void TWdgTimerPool::RemoveQuietly(int handle) {
  try {
    Remove(handle);
  } catch (const std::exception& e) {
    ReportHandlerError(e);
  }
}

void TWdgTimerPool::ReportHandlerError(const std::exception& e) {
  if (onHandlerError_)
    onHandlerError_(e);
  else
    qWarning().noquote() << "Timer trigger failed:" << ExceptionMessage(e);
}

void TWdgTimerPool::Raise(const Trigger& trigger, quint32 now) {
  const auto elapsed = qint32(now - trigger.TimeStamp);
  try {
    if (trigger.OnTrigger) trigger.OnTrigger(*this, trigger.Handle, trigger.Interval, elapsed);
    if (onAllTriggers_) onAllTriggers_(*this, trigger.Handle, trigger.Interval, elapsed);
  } catch (const std::exception& e) {
    ReportHandlerError(e);
  }
}
