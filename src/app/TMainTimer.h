#pragma once
// The main timer: about a second after start, then once a minute, it loads the day's
// schedules from the calendar files into the queue of runs (once a day, at the calendar's
// start time; the first tick catches up on yesterday's plan) and starts the runs that are
// due within ten minutes. A run whose time had passed when it was queued is overdue: its
// past events move to a few minutes from now and the "Schedule Overdue" dialog takes it.
//
// Times come from the clock (Clock::Current()); the intervals from the timing profile.
// Everything runs on the GUI thread; the timer is stopped during its own tick and started
// again after it, also when the tick failed.
#include "platform/sys/TDateTime.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class IScheduleService;

class TMainTimer : public QObject {
  Q_OBJECT
public:
  // A run of today's queue: the schedule and when it starts (kOverdue: at once, through
  // the overdue dialog).
  struct tRunTimeObj {
    QString scheduleId;
    double runTime = 0.0;
  };
  static constexpr double kOverdue = -1.0;

  // dataFolder ends with a separator; the calendar files are read from it.
  explicit TMainTimer(QString dataFolder, QObject* parent = nullptr);

  // Starts the timer with the first tick's interval; ticks go to Tick, and an error of a
  // tick to the application-wide handler.
  void Start();
  // One tick. Raises what its steps raise, after starting the timer again.
  void Tick();

  bool IsActive() const { return timer_.isActive(); }
  int Interval() const { return timer_.interval(); }
  double LastDailyLoad() const { return lastDailyLoad_; }
  const QList<tRunTimeObj>& QueuedRuns() const { return queuedRuns_; }

private:
  struct Calendar {
    bool active = false;
    double startTime = 0.0;
    double lastTimeRan = 0.0;
  };
  static Calendar ReadCalendarSettings();
  QStringList LoadLines(const QString& fileName) const;
  bool DailyLoadDue(double now, double baseDay, double startTime) const;
  void DailyLoad(IScheduleService& service, const Calendar& calendar, double now, double baseDay);
  // The earliest run moment of the schedule's events in the plan of the base day; false
  // for a schedule without events.
  static bool FirstRun(IScheduleService& service, const QString& id, double baseDay, double startTime,
                       double now, double& first);
  void StartDueRuns(IScheduleService& service, double now);

  QString dataFolder_;
  QTimer timer_;
  double lastDailyLoad_ = 0.0;
  QList<tRunTimeObj> queuedRuns_;
};
