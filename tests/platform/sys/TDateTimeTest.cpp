#include "platform/sys/Clock.h"
#include "platform/sys/TDateTime.h"

#include <gtest/gtest.h>

TEST(TDateTime, DayNumbersOfKnownDates) {
  EXPECT_EQ(TDateTime::FromDate(QDate(1899, 12, 30)).Days(), 0.0);
  EXPECT_EQ(TDateTime::FromDate(QDate(2000, 1, 1)).Days(), 36526.0);
  EXPECT_EQ(TDateTime::FromQDateTime(QDateTime(QDate(2000, 1, 1), QTime(18, 0))).Days(), 36526.75);
}

TEST(TDateTime, RoundTripsToTheMillisecond) {
  const QDateTime dt(QDate(2026, 12, 8), QTime(23, 5, 12, 345));
  EXPECT_EQ(TDateTime::FromQDateTime(dt).ToQDateTime(), dt);
}

TEST(TDateTime, NowFollowsTheInstalledClock) {
  FakeClock fake(QDateTime(QDate(2000, 1, 2), QTime(6, 0)));
  ScopedClock scoped(fake);
  EXPECT_EQ(TDateTime::Now().Days(), 36527.25);
  fake.Advance(6 * 3600 * 1000);
  EXPECT_EQ(TDateTime::Now().Days(), 36527.5);
}
