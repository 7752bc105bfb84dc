#include "platform/sys/TimingProfile.h"

#include <gtest/gtest.h>

TEST(TimingProfile, DefaultsScaleAndOverrides) {
  EXPECT_EQ(TimingMs("x.wait", 3000), 3000);
  TimingProfile fast;
  fast.scale = 0.01;
  fast.intervals.insert(QStringLiteral("x.exact"), 7);
  fast.counts.insert(QStringLiteral("x.retries"), 2);
  {
    ScopedTimingProfile scoped(fast);
    EXPECT_EQ(TimingMs("x.wait", 3000), 30);
    EXPECT_EQ(TimingMs("x.tiny", 20), 1);
    EXPECT_EQ(TimingMs("x.exact", 3000), 7);
    EXPECT_EQ(TimingCount("x.retries", 5), 2);
    EXPECT_EQ(TimingCount("x.other", 5), 5);
  }
  EXPECT_EQ(TimingMs("x.wait", 3000), 3000);
}
