#include "platform/sys/Clock.h"
#include "platform/sys/DateTimeStamp.h"
#include "platform/sys/PumpDelay.h"
#include "platform/sys/Termination.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <ctime>

namespace {
class PumpDelayTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetTerminationHook([] {});
    ResetTermination();
  }
  void TearDown() override {
    SetTerminationHook({});
    ResetTermination();
  }

  FakeClock clock_;
  ScopedClock scoped_{clock_};
};

double ProcessCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}
} // namespace

TEST_F(PumpDelayTest, WaitsUntilTheClockHasMovedOnWhileEventsRun) {
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    ++ticks;
    clock_.Advance(100);
  });
  ticker.start(1);
  bool posted = false;
  QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { posted = true; }, Qt::QueuedConnection);
  const qint64 start = clock_.MonotonicMs();
  EXPECT_TRUE(PumpDelay(1000));
  EXPECT_GE(clock_.MonotonicMs() - start, 1000);
  EXPECT_GE(ticks, 10);
  EXPECT_TRUE(posted);
}

TEST_F(PumpDelayTest, ARequestToTerminateEndsTheWaitEarly) {
  QTimer::singleShot(5, [] { RequestTermination(); });
  QElapsedTimer real;
  real.start();
  EXPECT_FALSE(PumpDelay(60000)); // the fake clock never moves
  EXPECT_LT(real.elapsed(), 5000);
  EXPECT_TRUE(PumpMessage());
}

TEST_F(PumpDelayTest, TheApplicationToldToExitEndsTheWaitAndItsLoop) {
  bool waited = true;
  QTimer::singleShot(0, [&] { waited = PumpDelay(60000); });
  QTimer::singleShot(20, [] { QCoreApplication::exit(3); });
  EXPECT_EQ(QCoreApplication::exec(), 3);
  EXPECT_FALSE(waited);
}

TEST_F(PumpDelayTest, PumpMessageHandlesWhatIsWaiting) {
  int calls = 0;
  QMetaObject::invokeMethod(QCoreApplication::instance(), [&] { ++calls; }, Qt::QueuedConnection);
  EXPECT_FALSE(PumpMessage());
  EXPECT_EQ(calls, 1);
}

TEST_F(PumpDelayTest, AZeroDelayReturnsAtOnce) { EXPECT_TRUE(PumpDelay(0)); }

TEST(PumpDelayRealClockTest, WaitingDoesNotKeepTheProcessorBusy) {
  const double cpuBefore = ProcessCpuMs();
  QElapsedTimer real;
  real.start();
  EXPECT_TRUE(PumpDelay(200));
  const qint64 elapsed = real.elapsed();
  EXPECT_GE(elapsed, 195);
  EXPECT_LT(ProcessCpuMs() - cpuBefore, elapsed * 0.5);
}

TEST(TerminationTest, ARequestMadeBeforeTheLoopRunsEndsTheLoop) {
  SetTerminationHook({});
  ResetTermination();
  RequestTermination();
  EXPECT_TRUE(TerminationRequested());
  QTimer lost; // ends the loop when the request was lost; gone with the test
  lost.setSingleShot(true);
  QObject::connect(&lost, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  lost.start(5000);
  EXPECT_EQ(QCoreApplication::exec(), 0);
  ResetTermination();
}

TEST(DateTimeStampTest, IsTheFourteenDigitsOfDateAndTime) {
  const struct {
    QDateTime value;
    const char* stamp;
  } cases[] = {
      {QDateTime(QDate(2026, 12, 8), QTime(23, 5, 12)), "20261208230512"},
      {QDateTime(QDate(2000, 1, 1), QTime(0, 0)), "20000101000000"},
      {QDateTime(QDate(1999, 7, 31), QTime(9, 59, 59)), "19990731095959"},
  };
  for (const auto& c : cases) EXPECT_EQ(DateTimeStamp(TDateTime::FromQDateTime(c.value)), QLatin1String(c.stamp));
}
