#pragma once
// The one clock of the system: wall time and a monotonic millisecond count. Code that
// measures or schedules time asks Clock::Current(); tests put a FakeClock in its place.
#include <QDateTime>
#include <QtGlobal>
#include <atomic>
#include <mutex>

class Clock {
public:
  virtual ~Clock() = default;
  virtual qint64 MonotonicMs() const = 0;
  virtual QDateTime Now() const = 0;

  static Clock& Current();
  // Installs a clock (nullptr restores the system clock). The caller keeps ownership.
  static void SetCurrent(Clock* clock);
};

class SystemClock final : public Clock {
public:
  qint64 MonotonicMs() const override;
  QDateTime Now() const override;
};

// A clock that moves only when told to.
class FakeClock final : public Clock {
public:
  explicit FakeClock(QDateTime now = QDateTime(QDate(2026, 1, 1), QTime(0, 0)), qint64 ms = 1000000)
      : now_(std::move(now)), ms_(ms) {}
  // Read by the library's threads while the test thread moves it.
  qint64 MonotonicMs() const override { return ms_; }
  QDateTime Now() const override {
    std::lock_guard lock(mutex_);
    return now_;
  }
  void Advance(qint64 ms) {
    std::lock_guard lock(mutex_);
    ms_ += ms;
    now_ = now_.addMSecs(ms);
  }
  void SetNow(const QDateTime& now) {
    std::lock_guard lock(mutex_);
    now_ = now;
  }

private:
  mutable std::mutex mutex_;
  QDateTime now_;
  std::atomic<qint64> ms_;
};

// Installs a clock for the lifetime of a scope.
class ScopedClock {
public:
  explicit ScopedClock(Clock& clock) { Clock::SetCurrent(&clock); }
  ~ScopedClock() { Clock::SetCurrent(nullptr); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;
};
