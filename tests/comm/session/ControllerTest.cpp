// The communication controller: slots, HighSlot, and messages that are not for a session.
#include "SessionFixture.h"

#include "comm/crs/TSessionMsgEvent.h"
#include "LinkTestSupport.h"
#include "comm/jobs/HisStatus.h"
#include "comm/session/TPollSession.h"

#include <QPointer>
#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {
class ControllerTest : public SessionFixture {
protected:
  // A silent session of its own machine on its own port; its window.
  FakeWindow* Start(int n) {
    const QString id = QStringLiteral("Till %1").arg(n);
    const QString port = QStringLiteral("Direct to COM%1").arg(n);
    AddTill(id, port);
    QueuePoll(id, port);
    logons = {MpmInitial};
    history().StartNext(port);
    return LastWindow();
  }
  // The session may free its window while ending, so the wait reads neither of them.
  void End(FakeWindow* window) {
    const int slot = window->slot;
    const TPollSession* session = window->session;
    window->Post(MpmUserCancelAll);
    WaitFor([&] { return !session || ctrl.Session(slot) != session; }, 2000);
    QCoreApplication::processEvents();
  }
};

TEST_F(ControllerTest, SlotsAreTakenAboveTheHighestAndHighSlotDropsOnlyFromTheTop) {
  FakeWindow* one = Start(1);
  FakeWindow* two = Start(2);
  EXPECT_EQ(slots, (QList<int>{1, 2}));
  EXPECT_EQ(ctrl.HighSlot(), 2);
  End(one);
  EXPECT_EQ(ctrl.HighSlot(), 2) << "slot 1 ended below the highest";
  Start(3);
  EXPECT_EQ(slots.last(), 3);
  End(LastWindow());
  EXPECT_EQ(ctrl.HighSlot(), 2);
  End(two);
  EXPECT_EQ(ctrl.HighSlot(), 0);
}

TEST_F(ControllerTest, HighSlotGoesDownAsTheTopSessionsEnd) {
  FakeWindow* one = Start(1);
  FakeWindow* two = Start(2);
  End(two);
  EXPECT_EQ(ctrl.HighSlot(), 1);
  End(one);
  EXPECT_EQ(ctrl.HighSlot(), 0);
}

TEST_F(ControllerTest, MessagesForAnEmptySlotOrAnotherSessionAreDropped) {
  FakeWindow* one = Start(1);
  FakeWindow* two = Start(2);
  // Slot 5 is empty; slot 0 and 129 are no slots.
  for (int slot : {5, 0, 129}) PostSessionMsg(&ctrl, slot, MpmSuccessfull, one);
  // A message carrying slot 1 from the session of slot 2 (as a late message of a session
  // whose slot was given to another would) is not slot 1's.
  PostSessionMsg(&ctrl, 1, MpmSuccessfull, two);
  QCoreApplication::processEvents();
  EXPECT_EQ(ctrl.Session(1)->State, MpsLoggingOn);
  EXPECT_EQ(ctrl.Session(2)->State, MpsLoggingOn);
  // Its own window's message is delivered.
  actions = {MpmInitial};
  PostSessionMsg(&ctrl, 1, MpmSuccessfull, one);
  ASSERT_TRUE(WaitFor([&] { return ctrl.Session(1)->State == MpsPolling; }));
  End(one);
  End(two);
}

TEST_F(ControllerTest, PastSlot128TheLowestFreeSlotIsTakenAndAFullControllerLeavesTheJobQueued) {
  QList<QPointer<FakeWindow>> started; // an ended session frees its window
  for (int n = 1; n <= TfmComCtrl::kMaxSlots; ++n) started << Start(n);
  ASSERT_EQ(ctrl.HighSlot(), 128);
  // Every slot taken: the job stays queued and its port free.
  AddTill(QStringLiteral("Extra"), QStringLiteral("Direct to COM200"));
  const QString waiting = QueuePoll(QStringLiteral("Extra"), QStringLiteral("Direct to COM200"));
  history().StartNext(QStringLiteral("Direct to COM200"));
  EXPECT_EQ(ctrl.SessionCount(), 128);
  EXPECT_TRUE(history().GetPendingList().contains(waiting));
  EXPECT_FALSE(history().IsPortBusy(QStringLiteral("Direct to COM200")));
  End(started[4]); // slot 5
  EXPECT_EQ(ctrl.HighSlot(), 128);
  history().StartNext(QStringLiteral("Direct to COM200"));
  EXPECT_EQ(slots.last(), 5);
  for (const QPointer<FakeWindow>& w : started)
    if (w && ctrl.Session(w->slot) == w->session) End(w);
  End(LastWindow());
  EXPECT_EQ(ctrl.HighSlot(), 0);
}
} // namespace

namespace {
// A session that ends while its module's step waits in a pause is freed only once that
// step has left the stack.
TEST_F(ControllerTest, ASessionEndedDuringAProtocolPauseIsFreedAfterThePause) {
  AddTill(QStringLiteral("Till 1"), QStringLiteral("Direct to COM1"));
  QueuePoll(QStringLiteral("Till 1"), QStringLiteral("Direct to COM1"));
  logons = {MpmSuccessfull};
  cancelInsidePause = true;
  history().StartNext(QStringLiteral("Direct to COM1"));
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(performed.size(), 1);
  EXPECT_FALSE(freedInsideAStep);
  EXPECT_EQ(ctrl.HighSlot(), 0);
}
} // namespace
