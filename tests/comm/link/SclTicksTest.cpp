#include "comm/link/SclTicks.h"
#include "platform/sys/Clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

TEST(SclTicks, SecondsToTicks) {
  EXPECT_EQ(SecondsToTicks(2), 36);
  EXPECT_EQ(SecondsToTicks(1), 18);
  EXPECT_EQ(SecondsToTicks(0), 0);
  EXPECT_EQ(SecondsToTicks(165), 3004);
}

TEST(SclTicks, TickIsFiftyFiveMillisecondsOfTheClock) {
  FakeClock clock(QDateTime(), 55 * 1000);
  ScopedClock scoped(clock);
  EXPECT_EQ(CurrentTick(), 1000);
  clock.Advance(54);
  EXPECT_EQ(CurrentTick(), 1000);
  clock.Advance(1);
  EXPECT_EQ(CurrentTick(), 1001);
}

TEST(SclTicks, TimerIsDueOnlyAfterItsInterval) {
  FakeClock clock(QDateTime(), 100000);
  ScopedClock scoped(clock);
  TTickTimer timer;
  ArmTickTimer(timer, 3);
  clock.Advance(3 * 55);
  EXPECT_FALSE(TickTimerDue(timer));
  clock.Advance(55);
  EXPECT_TRUE(TickTimerDue(timer));
}

TEST(SclTicks, LongIntervalsAreCappedAtTheLargestTickCount) {
  FakeClock clock(QDateTime(), 0);
  ScopedClock scoped(clock);
  TTickTimer timer;
  ArmTickTimer(timer, INT32_MAX);
  EXPECT_EQ(timer.ExpireTick - timer.StartTick, kSclMaxTicks);
}

TEST(SclTicks, TimerArmedJustBeforeTheWrapIsDueOnTime) {
  // 5 ticks before the millisecond count overflows and the tick count jumps to its negative.
  FakeClock clock(QDateTime(), static_cast<qint64>(kSclMaxTicks - 5) * 55);
  ScopedClock scoped(clock);
  TTickTimer timer;
  ArmTickTimer(timer, 20);
  clock.Advance(20 * 55);
  EXPECT_LT(CurrentTick(), 0);
  EXPECT_FALSE(TickTimerDue(timer));
  clock.Advance(55);
  EXPECT_TRUE(TickTimerDue(timer));
  EXPECT_EQ(TickTimerElapsed(timer), 21);
}

TEST(SclTicks, WaitOfNoTicksReturnsAtOnceWithoutProcessingEvents) {
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  EXPECT_EQ(WaitTicks(0, true), 0);
  EXPECT_FALSE(ran);
  QCoreApplication::processEvents();
  EXPECT_TRUE(ran);
}

TEST(SclTicks, WaitProcessesEventsUntilTheClockHasMoved) {
  FakeClock clock(QDateTime(), 55 * 100);
  ScopedClock scoped(clock);
  int ticks = 0;
  QTimer mover;
  QObject::connect(&mover, &QTimer::timeout, [&] {
    ++ticks;
    clock.Advance(55);
  });
  mover.start(1);
  EXPECT_EQ(WaitTicks(18, true), 0);
  EXPECT_GE(ticks, 19); // not before 18 ticks have passed in full
}

TEST(SclTicks, QuitDuringAWaitEndsItAndStillEndsTheMainLoop) {
  FakeClock clock; // never moves: only the quit can end the wait
  ScopedClock scoped(clock);
  int waited = -1;
  QTimer::singleShot(0, [&] { waited = WaitTicks(SecondsToTicks(2), true); });
  QTimer::singleShot(10, [] { QCoreApplication::quit(); });
  QTimer guard; // ends the test's main loop should the quit be lost
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(5000);
  const int mainResult = QCoreApplication::exec();
  EXPECT_EQ(waited, kSclQuitMessage);
  EXPECT_EQ(mainResult, 0);
}

TEST(SclTicks, PumpOneMessageRunsPendingEvents) {
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  EXPECT_EQ(PumpOneMessage(), 0);
  EXPECT_TRUE(ran);
}
