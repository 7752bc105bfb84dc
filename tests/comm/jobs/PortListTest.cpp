// The port list: busy flags, current jobs and the queue windows.
#include "JobsFixture.h"

#include "comm/jobs/JobForms.h"
#include "platform/sys/FormRegistry.h"

#include <QObject>
#include <gtest/gtest.h>

namespace {
using PortListTest = JobsFixture;

TEST_F(PortListTest, AnEntryLivesWhileItsPortIsBusyOrShown) {
  tHistory& h = history();
  EXPECT_FALSE(h.IsPortBusy(QStringLiteral("COM1")));
  EXPECT_EQ(h.PortIndex(QStringLiteral("COM1")), -1);
  h.SetPortBusy(QStringLiteral("COM1"), true);
  h.SetPortBusy(QStringLiteral("COM2"), true);
  EXPECT_EQ(h.PortIndex(QStringLiteral("COM2")), 1);
  h.SetPortBusy(QStringLiteral("COM1"), false);
  EXPECT_EQ(h.PortIndex(QStringLiteral("COM1")), -1);
  EXPECT_EQ(h.PortIndex(QStringLiteral("COM2")), 0);
  h.SetPortEvent(QStringLiteral("COM3"), QStringLiteral("000004"));
  EXPECT_FALSE(h.IsPortBusy(QStringLiteral("COM3")));
  EXPECT_EQ(h.PortEvent(QStringLiteral("COM3")), QStringLiteral("000004"));
}

TEST_F(PortListTest, AWindowThatCannotOpenLeavesNoEntry) {
  FormRegistry::Unregister<HistoryQueueRequest>();
  EXPECT_THROW(history().ShowQueue(QStringLiteral("History")), EFormNotRegistered);
  EXPECT_EQ(history().PortIndex(QStringLiteral("History")), -1);
}

TEST_F(PortListTest, ShowQueueOpensOneWindowPerQueue) {
  QObject window;
  int opened = 0;
  ScopedForm<HistoryQueueRequest> form([&](HistoryQueueRequest& r) {
    ++opened;
    EXPECT_EQ(r.queueName, QStringLiteral("History"));
    r.window = &window;
    return 1;
  });
  tHistory& h = history();
  h.ShowQueue(QStringLiteral("History"));
  h.ShowQueue(QStringLiteral("History"));
  EXPECT_EQ(opened, 1);
  EXPECT_NE(h.PortIndex(QStringLiteral("History")), -1);
  h.QueueWindowClosed(QStringLiteral("History"));
  EXPECT_EQ(h.PortIndex(QStringLiteral("History")), -1);
  h.ShowQueue(QStringLiteral("History"));
  EXPECT_EQ(opened, 2);

  // A busy port's entry outlives its window; a shown port's entry outlives its session.
  h.SetPortBusy(QStringLiteral("History"), true);
  h.QueueWindowClosed(QStringLiteral("History"));
  EXPECT_TRUE(h.IsPortBusy(QStringLiteral("History")));
  h.ShowQueue(QStringLiteral("History"));
  h.SetPortBusy(QStringLiteral("History"), false);
  EXPECT_NE(h.PortIndex(QStringLiteral("History")), -1);
}
} // namespace
