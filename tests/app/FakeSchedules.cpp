#include "FakeSchedules.h"

#include "platform/sys/Exception.h"

TB_EXCEPTION(EFakeSchedule, Exception)

QStringList FakeSchedules::LoadScheduleList() {
  ++listLoads;
  return stored.keys();
}

void FakeSchedules::GetCalendarSchedules(const QStringList& lines, const QStringList&, QStringList& result,
                                         TDateTime date) {
  calendarLinesSeen.append(lines);
  result += plan.value(date.Date());
}

void FakeSchedules::GetAutoSetSchedules(const QStringList&, const QStringList& ids, QStringList& result,
                                        int dayOffset, TDateTime date) {
  for (const QString& id : autoSets.value(date.Date().addDays(dayOffset)))
    if (ids.contains(id) && !result.contains(id)) result.append(id);
}

std::unique_ptr<ISchedule> FakeSchedules::LoadSchedule(const QString& id) {
  ++scheduleLoads;
  if (failLoad) throw EFakeSchedule(QStringLiteral("Sched file damaged"));
  if (!stored.contains(id)) return nullptr;
  auto schedule = std::make_unique<FakeSchedule>();
  schedule->id = id;
  schedule->times = stored.value(id);
  return schedule;
}

void FakeSchedules::Run(std::unique_ptr<ISchedule> schedule, int runFlag) {
  if (failRun) throw EFakeSchedule(QStringLiteral("No free port"));
  runs.append({schedule->ScheduleId(), runFlag});
}

void FakeSchedules::ShowOverdue(std::unique_ptr<ISchedule> schedule) {
  overdue.append(static_cast<FakeSchedule&>(*schedule));
}

std::unique_ptr<ISchedule> FakeSchedules::SelectSchedule(int mode) {
  selectMode = mode;
  return selectAnswer.isEmpty() ? nullptr : LoadSchedule(selectAnswer);
}
