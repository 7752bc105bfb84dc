// The pause between blocks lets waiting events run without holding the thread.
#include "model/BlockPause.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>

TEST(BlockPause, RunsTheWaitingEventsAndDoesNotHoldTheThread) {
  int fired = 0;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < 20; ++i) {
    QTimer::singleShot(0, [&] { ++fired; });
    ProcessPendingEvents();
  }
  EXPECT_EQ(fired, 20);
  EXPECT_LT(timer.elapsed(), 20); // twenty random pauses of up to 9 ms would take about 90
}
