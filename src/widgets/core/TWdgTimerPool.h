#pragma once
// Many timed triggers on one shared timer. The timer runs at the largest interval of at least
// 55 ms that divides every trigger's interval; a trigger fires at the first tick at which its
// interval, less 27 ms, has passed since it last fired. Time is the system clock's
// millisecond count, read as a 32-bit tick that may wrap.
#include <QTimer>
#include <exception>
#include <functional>
#include <vector>

class TWdgTimerPool {
public:
  // (pool, handle, interval, milliseconds since the trigger was added)
  using Handler = std::function<void(TWdgTimerPool&, int, quint32, qint32)>;

  struct Trigger {
    bool Enabled = true;
    int Handle = 0;
    quint32 TimeStamp = 0;
    quint32 Interval = 0;
    quint32 LastTrigger = 0;
    Handler OnTrigger;
    bool Repeating = true; // false: removed when it fires the first time
  };

  static constexpr quint32 kMinInterval = 55;
  static constexpr quint32 kEarlyMs = 27;

  TWdgTimerPool();
  virtual ~TWdgTimerPool();
  TWdgTimerPool(const TWdgTimerPool&) = delete;
  TWdgTimerPool& operator=(const TWdgTimerPool&) = delete;

  // Adds an enabled trigger started now; returns its handle. ENoTimersAvailable when the
  // shared timer cannot be started (the trigger stays in the pool).
  int Add(quint32 interval, bool repeating, Handler onTrigger = {});
  // Enabling starts the trigger's interval and elapsed time afresh. Unknown handles are ignored.
  void SetEnabled(int handle, bool enabled);
  void Remove(int handle);

  // Raised after each trigger's own handler, for every trigger that fires.
  void SetOnAllTriggers(Handler handler) { onAllTriggers_ = std::move(handler); }
  // Receives what a handler throws; the other triggers still fire. By default it is logged.
  void SetOnHandlerError(std::function<void(const std::exception&)> handler) {
    onHandlerError_ = std::move(handler);
  }

  // The shared timer's interval in milliseconds, 0 when no trigger is enabled.
  quint32 Interval() const { return interval_; }
  bool IsRunning() const { return timer_.timerId() > 0; }
  int TriggerCount() const { return int(triggers_.size()); }
  int EnabledCount() const { return enabledCount_; }

  // The interval for these triggers at tick `now`.
  static quint32 CalculateInterval(const std::vector<Trigger>& triggers, quint32 now);

  // One tick of the shared timer: fires the triggers that are due.
  virtual void TimerEvent();

private:
  void Changed();
  void ResetTimer();
  void Raise(const Trigger& trigger, quint32 now);
  // Inside a tick: nothing may escape to the event loop.
  void RemoveQuietly(int handle);
  void ReportHandlerError(const std::exception& e);

  std::vector<Trigger> triggers_;
  quint32 interval_ = 0;
  int enabledCount_ = 0;
  int nextHandle_ = 1;
  Handler onAllTriggers_;
  std::function<void(const std::exception&)> onHandlerError_;
  QTimer timer_;
};
