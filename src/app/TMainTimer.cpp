#include "app/TMainTimer.h"

#include "app/AppError.h"
#include "app/IScheduleService.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/ScopeGuard.h"
#include "platform/sys/TimingProfile.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

#include <QFile>
#include <cmath>

namespace {
constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;
// Runs due within this time are started.
constexpr double kDueWindow = 10 * kMinute;
// An overdue run's past events move this far ahead of now.
constexpr double kOverdueShift = 4 * kMinute;

double TimeOfDay(double dateTime) { return dateTime - std::floor(dateTime); }

// Times of day are compared to the millisecond: the start time comes back from its text in
// the settings file, and an event "at the start time" must compare equal to it.
double ToMs(double timeOfDay) { return std::round(timeOfDay * 86400000.0) / 86400000.0; }

double Now() { return TDateTime::FromQDateTime(Clock::Current().Now()).Days(); }

int FirstTickMs() { return TimingMs("MainTimerFirstTick", 1000); }
int TickMs() { return TimingMs("MainTimerTick", 60000); }
} // namespace

TMainTimer::TMainTimer(QString dataFolder, QObject* parent) : QObject(parent), dataFolder_(std::move(dataFolder)) {
  timer_.setInterval(FirstTickMs());
  connect(&timer_, &QTimer::timeout, this, [this] { RunGuarded([this] { Tick(); }); });
}

void TMainTimer::Start() {
  timer_.setInterval(FirstTickMs());
  timer_.start();
}

void TMainTimer::Tick() {
  timer_.stop();
  timer_.setInterval(TickMs());
  const auto restart = OnScopeExit([this] { timer_.start(); });

  const double now = Now();
  const double today = std::floor(now);
  const double baseDay = lastDailyLoad_ == 0.0 ? today - 1 : today;
  const Calendar calendar = ReadCalendarSettings();
  if (!calendar.active) return;

  IScheduleService* service = ScheduleService();
  if (!service) return;
  if (DailyLoadDue(now, baseDay, calendar.startTime)) DailyLoad(*service, calendar, now, baseDay);
  StartDueRuns(*service, now);
}

TMainTimer::Calendar TMainTimer::ReadCalendarSettings() {
  namespace Keys = SettingsKeys::CalendarFiles;
  const std::unique_ptr<TUtRegIni> ini = OpenSettingsFile(QString::fromLatin1(Keys::Section));
  Calendar calendar;
  calendar.active = ini->ReadBoolean(QString::fromLatin1(Keys::Active.Key), Keys::Active.Default);
  calendar.startTime = ToMs(TimeOfDay(ini->ReadFloat(QString::fromLatin1(Keys::StartTime.Key), Keys::StartTime.Default)));
  calendar.lastTimeRan = ini->ReadFloat(QString::fromLatin1(Keys::LastTimeRan.Key), Keys::LastTimeRan.Default);
  return calendar;
}

QStringList TMainTimer::LoadLines(const QString& fileName) const {
  QFile file(dataFolder_ + fileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text = Cp1252::Decode(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

bool TMainTimer::DailyLoadDue(double now, double baseDay, double startTime) const {
  if (lastDailyLoad_ == 0.0) return true;
  const double timeOfDay = TimeOfDay(now);
  return timeOfDay + baseDay - lastDailyLoad_ >= 1.0 && timeOfDay >= startTime;
}

void TMainTimer::DailyLoad(IScheduleService& service, const Calendar& calendar, double now, double baseDay) {
  if (lastDailyLoad_ == 0.0) lastDailyLoad_ = baseDay - kSecond; // 23:59:59 of the day before
  const QStringList calendarLines = LoadLines(QStringLiteral("calendar.txt"));
  const QStringList autoSetLines = LoadLines(QStringLiteral("autosets.txt"));
  const QStringList scheduleIds = service.LoadScheduleList();

  QStringList dayList;
  service.GetCalendarSchedules(calendarLines, scheduleIds, dayList, TDateTime(baseDay));
  service.GetAutoSetSchedules(autoSetLines, scheduleIds, dayList, 0, TDateTime(baseDay));

  for (const QString& id : dayList) {
    double first = 0.0;
    if (!FirstRun(service, id, baseDay, calendar.startTime, now, first)) continue;
    if (first > calendar.lastTimeRan && first >= baseDay + calendar.startTime)
      queuedRuns_.append({id, now > first ? kOverdue : first});
  }

  namespace Keys = SettingsKeys::CalendarFiles;
  OpenSettingsFile(QString::fromLatin1(Keys::Section))->WriteFloat(QString::fromLatin1(Keys::LastTimeRan.Key), now);
  lastDailyLoad_ = baseDay + calendar.startTime;
}

bool TMainTimer::FirstRun(IScheduleService& service, const QString& id, double baseDay, double startTime,
                          double now, double& first) {
  const std::unique_ptr<ISchedule> schedule = service.LoadSchedule(id);
  if (!schedule || schedule->EventCount() == 0) return false;
  bool any = false;
  for (int i = 0; i < schedule->EventCount(); ++i) {
    double run = 0.0;
    try {
      const double time = ToMs(schedule->EventTime(i));
      // An event at the start time or before belongs to the next day's plan.
      run = time > startTime ? baseDay + time : baseDay + 1 + time;
    } catch (const std::exception&) {
      continue; // an event whose time cannot be read does not count
    }
    if (!any || run < first) first = run;
    any = true;
  }
  if (!any) first = now;
  return true;
}

void TMainTimer::StartDueRuns(IScheduleService& service, double now) {
  for (qsizetype i = 0; i < queuedRuns_.size();) {
    const tRunTimeObj entry = queuedRuns_.at(i);
    if (now + kDueWindow < entry.runTime) {
      ++i;
      continue;
    }
    std::unique_ptr<ISchedule> schedule = service.LoadSchedule(entry.scheduleId);
    queuedRuns_.removeAt(i);
    if (!schedule) continue; // deleted meanwhile
    if (entry.runTime == kOverdue) {
      const double timeOfDay = TimeOfDay(now);
      for (int e = 0; e < schedule->EventCount(); ++e)
        if (schedule->EventTime(e) < timeOfDay) schedule->SetEventTime(e, TDateTime(now + kOverdueShift));
      service.ShowOverdue(std::move(schedule));
      continue;
    }
    try {
      service.Run(std::move(schedule), 1);
    } catch (const std::exception&) {
      Prompter::ShowMessage(QStringLiteral("Got error trying to perform schedule."), Prompter::Kind::Error);
    }
  }
}
