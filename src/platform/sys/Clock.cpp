#include "platform/sys/Clock.h"

#include <QElapsedTimer>
#include <atomic>

namespace {
SystemClock& systemClock() {
  static SystemClock clock;
  return clock;
}
std::atomic<Clock*> current{nullptr};
} // namespace

Clock& Clock::Current() {
  Clock* c = current.load(std::memory_order_acquire);
  return c ? *c : systemClock();
}

void Clock::SetCurrent(Clock* clock) { current.store(clock, std::memory_order_release); }

qint64 SystemClock::MonotonicMs() const {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer.elapsed();
}

QDateTime SystemClock::Now() const { return QDateTime::currentDateTime(); }
