#include "comm/link/TSclTriggerSet.h"

#include <gtest/gtest.h>

TEST(TSclTriggerSet, HandlesAreMultiplesOfEightWithTheStatusKindInTheLowBits) {
  TSclTriggerSet set;
  EXPECT_EQ(set.NewTimer(), 8);
  EXPECT_EQ(set.NewTimer(), 16);
  EXPECT_EQ(set.NewTimer(), 24);
  EXPECT_EQ(set.NewStatus(4), 36);
  EXPECT_EQ(set.FindStatus(36)->Kind, 4);
}

TEST(TSclTriggerSet, AfterTheCounterRunsOutTheSmallestFreeHandleIsReused) {
  TSclTriggerSet set;
  for (int i = 1; i < 4096; ++i) set.NewTimer(); // handles 8 .. 32760
  ASSERT_TRUE(set.Drop(16));
  ASSERT_TRUE(set.Drop(8));
  EXPECT_EQ(set.NewStatus(2), 8 | 2);
  EXPECT_EQ(set.NewTimer(), 16);
  EXPECT_EQ(set.NewTimer(), 32768);
}

TEST(TSclTriggerSet, DropRemovesOnlyTheNamedTrigger) {
  TSclTriggerSet set;
  const int timer = set.NewTimer();
  const int status = set.NewStatus(1);
  EXPECT_FALSE(set.Drop(status & ~7)); // a status trigger is named with its kind
  EXPECT_TRUE(set.Drop(status));
  EXPECT_FALSE(set.Drop(status));
  EXPECT_NE(set.FindTimer(timer), nullptr);
}

TEST(TSclTriggerSet, RestoredTriggersKeepTheirHandlesAndNewOnesDoNotCollide) {
  TSclTriggerSet before;
  before.NewTimer();
  before.NewTimer();
  const int status = before.NewStatus(2);
  before.AvailLength = 12;
  TSclSavedTriggers saved;
  before.Save(saved);

  TSclTriggerSet after; // a reopened port's fresh dispatcher
  after.Restore(saved);
  EXPECT_EQ(after.AvailLength, 12u);
  EXPECT_NE(after.FindStatus(status), nullptr);
  const int fresh = after.NewTimer();
  EXPECT_EQ(after.FindStatus(fresh | 2), nullptr);
  EXPECT_GT(fresh, status);
}
