#pragma once
// What the main timer and the dispatcher need of stored schedules and the calendar files.
// The schedule library provides it; until it is installed (SetScheduleService) the
// schedule entries of the menus say that schedules are not available yet and the main
// timer finds no schedules.
#include "platform/sys/TDateTime.h"

#include <QString>
#include <QStringList>
#include <memory>

// A loaded copy of a stored schedule: its events' times of day, in event order.
class ISchedule {
public:
  virtual ~ISchedule() = default;
  virtual QString ScheduleId() const = 0;
  virtual int EventCount() const = 0;
  // The event's time of day (a fraction of a day).
  virtual double EventTime(int index) const = 0;
  // Keeps the time of day of the value.
  virtual void SetEventTime(int index, TDateTime value) = 0;
};

class IScheduleService {
public:
  virtual ~IScheduleService() = default;
  // The ids of every stored schedule.
  virtual QStringList LoadScheduleList() = 0;
  // Appends the ids the calendar lines name for the date.
  virtual void GetCalendarSchedules(const QStringList& calendarLines, const QStringList& scheduleIds,
                                    QStringList& result, TDateTime date) = 0;
  // Appends the ids of every auto-schedule set that selects the date plus the day offset,
  // skipping ids the result holds already.
  virtual void GetAutoSetSchedules(const QStringList& autoSetLines, const QStringList& scheduleIds,
                                   QStringList& result, int dayOffset, TDateTime date) = 0;
  // A copy of the stored schedule, or nullptr when none has that id.
  virtual std::unique_ptr<ISchedule> LoadSchedule(const QString& id) = 0;
  // Runs the schedule (it is handed over); run flag 1 marks a start by the calendar.
  virtual void Run(std::unique_ptr<ISchedule> schedule, int runFlag) = 0;
  // Shows the "Schedule Overdue" dialog, not modal, which takes the schedule over.
  virtual void ShowOverdue(std::unique_ptr<ISchedule> schedule) = 0;
  // The "Schedule List": mode 0 chooses a schedule to run, 1 is maintenance only.
  virtual std::unique_ptr<ISchedule> SelectSchedule(int mode) = 0;
  // The calendar editor of the Setup Menu.
  virtual void EditCalendar() = 0;
};

// The installed service (not owned), or nullptr.
IScheduleService* ScheduleService();
void SetScheduleService(IScheduleService* service);
