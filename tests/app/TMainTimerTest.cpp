#include "FakeSchedules.h"

#include "app/TMainTimer.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/Folders.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
constexpr double kMinute = 1.0 / 1440.0;
const QDate kToday(2026, 3, 4);
const QDate kYesterday = kToday.addDays(-1);

double Day(const QDate& date) { return TDateTime::FromDate(date).Days(); }
double At(const QDate& date, int hour, int minute) { return Day(date) + (hour * 60 + minute) * kMinute; }
double Time(int hour, int minute) { return (hour * 60 + minute) * kMinute; }

class MainTimerTest : public ::testing::Test {
protected:
  MainTimerTest() {
    QDir().mkpath(Folders::CommonFolder());
    QFile::remove(SettingsFilePath());
    SetScheduleService(&schedules);
    SetCalendar(true, Time(6, 0), 0.0);
  }
  ~MainTimerTest() override { SetScheduleService(nullptr); }

  void SetCalendar(bool active, double startTime, double lastTimeRan) {
    auto ini = OpenSettingsFile(QStringLiteral("CalendarFiles"));
    ini->WriteBoolean(QStringLiteral("Active"), active);
    ini->WriteFloat(QStringLiteral("Start Time"), startTime);
    ini->WriteFloat(QStringLiteral("Last Time Ran"), lastTimeRan);
  }
  double LastTimeRan() {
    return OpenSettingsFile(QStringLiteral("CalendarFiles"))->ReadFloat(QStringLiteral("Last Time Ran"), 0.0);
  }
  void SetClock(const QDate& date, int hour, int minute) { clock.SetNow(QDateTime(date, QTime(hour, minute))); }
  // The first tick, at 10:30, takes yesterday's empty plan; the second, a minute later,
  // today's: these schedules, named by the calendar and by the auto-set.
  void TickIntoToday(const QMap<QString, QVector<double>>& stored, const QStringList& plan,
                     const QStringList& autoSet = {}) {
    SetClock(kToday, 10, 30);
    timer.Tick();
    schedules.stored = stored;
    schedules.plan[kToday] = plan;
    schedules.autoSets[kToday] = autoSet;
    SetClock(kToday, 10, 31);
    timer.Tick();
  }
  QStringList QueuedIds() const {
    QStringList ids;
    for (const auto& run : timer.QueuedRuns()) ids << run.scheduleId;
    return ids;
  }
  QStringList RunIds() const {
    QStringList ids;
    for (const auto& run : schedules.runs) ids << run.first;
    return ids;
  }

  QTemporaryDir dir;
  FakeClock clock{QDateTime(kToday, QTime(10, 30))};
  ScopedClock scopedClock{clock};
  ScriptedPrompter prompter;
  ScopedPrompter scopedPrompter{prompter};
  FakeSchedules schedules;
  TMainTimer timer{dir.path() + QLatin1Char('/')};
};

// Started mid-morning after a run yesterday at 08:00: yesterday's plan after that moment
// is caught up at the first tick, through the overdue dialog.
TEST_F(MainTimerTest, FirstTickCatchesUpOnYesterdayThroughTheOverdueDialog) {
  SetCalendar(true, Time(6, 0), At(kYesterday, 8, 0));
  schedules.stored = {{"Before", {Time(7, 0)}},
                      {"Missed", {Time(9, 0), Time(23, 0)}},
                      {"EarlyToday", {Time(5, 0)}}};
  schedules.plan[kYesterday] = {"Before", "Missed", "EarlyToday"};

  timer.Tick();

  // "Before" ran before the last run; "EarlyToday" (05:00, before the start time) falls on today.
  ASSERT_EQ(schedules.overdue.size(), 2);
  EXPECT_EQ(schedules.overdue[0].id, "Missed");
  // Its past event moves to four minutes from now; the later one keeps its time.
  EXPECT_NEAR(schedules.overdue[0].times[0], Time(10, 34), 1e-9);
  EXPECT_NEAR(schedules.overdue[0].times[1], Time(23, 0), 1e-9);
  EXPECT_EQ(schedules.overdue[1].id, "EarlyToday");
  EXPECT_NEAR(schedules.overdue[1].times[0], Time(10, 34), 1e-9);
  EXPECT_TRUE(schedules.runs.isEmpty());
  EXPECT_TRUE(timer.QueuedRuns().isEmpty());
  EXPECT_NEAR(timer.LastDailyLoad(), At(kYesterday, 6, 0), 1e-9);
  EXPECT_NEAR(LastTimeRan(), At(kToday, 10, 30), 1e-6);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

// The second tick loads today's plan; a run is started when it is due within ten minutes.
TEST_F(MainTimerTest, RunsWithinTenMinutesStartAndLaterOnesWait) {
  struct Case {
    int minutesAhead;
    bool startedAtOnce;
  };
  for (const Case c : {Case{9, true}, Case{11, false}}) {
    SCOPED_TRACE(c.minutesAhead);
    FakeSchedules fresh;
    SetScheduleService(&fresh);
    TMainTimer t(dir.path() + QLatin1Char('/'));
    SetCalendar(true, Time(6, 0), 0.0);
    SetClock(kToday, 10, 30);
    t.Tick(); // yesterday's plan: empty
    fresh.stored = {{"Noon", {Time(10, 31) + c.minutesAhead * kMinute}}};
    fresh.plan[kToday] = {"Noon"};
    SetClock(kToday, 10, 31);
    t.Tick();
    EXPECT_EQ(fresh.runs.size(), c.startedAtOnce ? 1 : 0);
    EXPECT_EQ(t.QueuedRuns().size(), c.startedAtOnce ? 0 : 1);
    if (!c.startedAtOnce) {
      EXPECT_NEAR(t.QueuedRuns()[0].runTime, At(kToday, 10, 31) + c.minutesAhead * kMinute, 1e-9);
      SetClock(kToday, 10, 32);
      t.Tick();
      ASSERT_EQ(fresh.runs.size(), 1);
    }
    EXPECT_EQ(fresh.runs[0], qMakePair(QStringLiteral("Noon"), 1)); // started by the calendar
    EXPECT_TRUE(fresh.overdue.isEmpty());
  }
}

TEST_F(MainTimerTest, TheDailyLoadRunsOnceADayAtTheStartTime) {
  SetClock(kToday, 5, 0);
  timer.Tick(); // first tick: yesterday's plan
  EXPECT_EQ(schedules.listLoads, 1);
  SetClock(kToday, 5, 59);
  timer.Tick(); // before today's start time
  EXPECT_EQ(schedules.listLoads, 1);
  SetClock(kToday, 6, 0);
  timer.Tick(); // today's plan
  EXPECT_EQ(schedules.listLoads, 2);
  EXPECT_NEAR(timer.LastDailyLoad(), At(kToday, 6, 0), 1e-9);
  SetClock(kToday, 23, 59);
  timer.Tick();
  EXPECT_EQ(schedules.listLoads, 2);
  SetClock(kToday.addDays(1), 6, 1);
  timer.Tick();
  EXPECT_EQ(schedules.listLoads, 3);
}

TEST_F(MainTimerTest, AnEventAtTheStartTimeRunsOnTheFollowingDay) {
  SetClock(kToday, 5, 0);
  timer.Tick();
  schedules.stored = {{"AtStart", {Time(6, 0)}}, {"AfterStart", {Time(6, 1)}}};
  schedules.plan[kToday] = {"AtStart", "AfterStart"};
  SetClock(kToday, 6, 0);
  timer.Tick();
  EXPECT_EQ(RunIds(), QStringList{"AfterStart"});
  ASSERT_EQ(QueuedIds(), QStringList{"AtStart"});
  EXPECT_NEAR(timer.QueuedRuns()[0].runTime, At(kToday.addDays(1), 6, 0), 1e-9);
}

TEST_F(MainTimerTest, AQueuedScheduleDeletedMeanwhileIsDroppedSilently) {
  TickIntoToday({{"Later", {Time(12, 0)}}}, {"Later"});
  ASSERT_EQ(QueuedIds(), QStringList{"Later"});
  schedules.stored.clear();
  SetClock(kToday, 11, 55);
  timer.Tick();
  EXPECT_TRUE(timer.QueuedRuns().isEmpty());
  EXPECT_TRUE(schedules.runs.isEmpty());
  EXPECT_TRUE(schedules.overdue.isEmpty());
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainTimerTest, AnIdNamedByCalendarAndAutoSetIsQueuedOnceAndAnIdQueuedAgainTwice) {
  // The calendar line may name it twice.
  TickIntoToday({{"Both", {Time(12, 0)}}}, {"Both", "Both"}, {"Both"});
  EXPECT_EQ(QueuedIds(), (QStringList{"Both", "Both"}));
}

TEST_F(MainTimerTest, InactiveCalendarReadsNothingStartsNothingAndKeepsTheQueue) {
  TickIntoToday({{"Later", {Time(12, 0)}}}, {"Later"});
  ASSERT_EQ(QueuedIds(), QStringList{"Later"});
  const int listLoads = schedules.listLoads;
  const int scheduleLoads = schedules.scheduleLoads;
  const double lastRan = LastTimeRan();

  SetCalendar(false, Time(6, 0), lastRan);
  SetClock(kToday, 12, 0);
  timer.Tick();
  EXPECT_EQ(schedules.listLoads, listLoads);
  EXPECT_EQ(schedules.scheduleLoads, scheduleLoads);
  EXPECT_TRUE(schedules.runs.isEmpty());
  EXPECT_EQ(QueuedIds(), QStringList{"Later"});
  EXPECT_EQ(LastTimeRan(), lastRan);
  EXPECT_TRUE(timer.IsActive());

  SetCalendar(true, Time(6, 0), lastRan);
  timer.Tick();
  EXPECT_EQ(RunIds(), QStringList{"Later"});
}

TEST_F(MainTimerTest, CalendarFileLinesReachTheScheduleService) {
  QFile file(dir.path() + QStringLiteral("/calendar.txt"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("46000\r\n1=A\tB\r\n");
  file.close();
  timer.Tick();
  ASSERT_EQ(schedules.calendarLinesSeen.size(), 1);
  EXPECT_EQ(schedules.calendarLinesSeen[0], (QStringList{"46000", "1=A\tB"}));
}

TEST_F(MainTimerTest, TheTimerRunsAgainAfterATickThatFailed) {
  schedules.stored = {{"Missed", {Time(9, 0)}}};
  schedules.plan[kYesterday] = {"Missed"};
  schedules.failLoad = true;
  timer.Start();
  EXPECT_EQ(timer.Interval(), 1000);
  EXPECT_THROW(timer.Tick(), Exception);
  EXPECT_TRUE(timer.IsActive());
  EXPECT_EQ(timer.Interval(), 60000);
  // The failed load wrote nothing; the next tick takes today's plan.
  EXPECT_EQ(LastTimeRan(), 0.0);
  schedules.failLoad = false;
  schedules.stored.insert("Soon", {Time(10, 35)});
  schedules.plan[kToday] = {"Soon"};
  timer.Tick();
  EXPECT_TRUE(schedules.overdue.isEmpty());
  EXPECT_EQ(RunIds(), QStringList{"Soon"});
}

TEST_F(MainTimerTest, AScheduleThatFailsToStartIsReportedAndRemoved) {
  schedules.failRun = true; // the first tick starts nothing
  TickIntoToday({{"Soon", {Time(10, 35)}}}, {"Soon"});
  EXPECT_EQ(prompter.Texts(), QStringList{"Got error trying to perform schedule."});
  EXPECT_TRUE(timer.QueuedRuns().isEmpty());
  EXPECT_TRUE(timer.IsActive());
}

TEST_F(MainTimerTest, WithoutAScheduleServiceATickDoesNothingAndGoesOn) {
  SetScheduleService(nullptr);
  timer.Tick();
  EXPECT_EQ(timer.LastDailyLoad(), 0.0);
  EXPECT_TRUE(timer.IsActive());
}
} // namespace
