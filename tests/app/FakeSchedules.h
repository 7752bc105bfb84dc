#pragma once
// A schedule service over schedules held in memory: a plan of schedule ids per date,
// and a record of what was run, shown overdue and asked for.
#include "app/IScheduleService.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QVector>

struct FakeSchedule : ISchedule {
  QString id;
  QVector<double> times;
  QString ScheduleId() const override { return id; }
  int EventCount() const override { return int(times.size()); }
  double EventTime(int index) const override { return times.at(index); }
  void SetEventTime(int index, TDateTime value) override { times[index] = value.TimePart().Days(); }
};

class FakeSchedules : public IScheduleService {
public:
  QMap<QString, QVector<double>> stored;   // id -> event times of day
  QMap<QDate, QStringList> plan;           // the calendar's ids of a date
  QMap<QDate, QStringList> autoSets;       // the auto-set ids of a date
  QList<QStringList> calendarLinesSeen;    // the calendar file's lines at each load
  QList<QPair<QString, int>> runs;         // id, run flag
  QList<FakeSchedule> overdue;             // as handed to the dialog
  int listLoads = 0;
  int scheduleLoads = 0;
  bool failLoad = false;
  bool failRun = false;
  int selectMode = -1;
  QString selectAnswer;                    // id to answer SelectSchedule with
  int calendarEdits = 0;

  QStringList LoadScheduleList() override;
  void GetCalendarSchedules(const QStringList& lines, const QStringList& ids, QStringList& result,
                            TDateTime date) override;
  void GetAutoSetSchedules(const QStringList& lines, const QStringList& ids, QStringList& result, int dayOffset,
                           TDateTime date) override;
  std::unique_ptr<ISchedule> LoadSchedule(const QString& id) override;
  void Run(std::unique_ptr<ISchedule> schedule, int runFlag) override;
  void ShowOverdue(std::unique_ptr<ISchedule> schedule) override;
  std::unique_ptr<ISchedule> SelectSchedule(int mode) override;
  void EditCalendar() override { ++calendarEdits; }
};
