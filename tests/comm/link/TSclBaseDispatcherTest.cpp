#include "DispatcherHarness.h"
#include "TestSupport.h"
#include "platform/sys/Clock.h"
#include "platform/sys/TimingProfile.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {
class Dispatcher : public testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(d.Start(pty, 64), 0); }
  PtyPair pty;
  HarnessDispatcher d;
};
} // namespace

TEST_F(Dispatcher, QueueBlockIsAllOrNothing) {
  EXPECT_EQ(d.QueueBlock("x", 0), 0);
  EXPECT_EQ(d.OutputUsed(), 0);
  const QByteArray block(64, 'b');
  EXPECT_EQ(d.QueueBlock(block.constData(), 60), 0);
  EXPECT_EQ(d.QueueBlock(block.constData(), 5), -3006);
  EXPECT_EQ(d.OutputUsed(), 60);
  EXPECT_EQ(d.QueueBlock(block.constData(), 4), 0); // exactly the free room
  EXPECT_EQ(d.OutputFree(), 0);
  EXPECT_EQ(d.OutputUsed(), 64);
}

TEST_F(Dispatcher, TakeBlockBeyondTheRingLeavesItUnchanged) {
  d.Receive(pty, "abc");
  char buffer[8];
  EXPECT_EQ(d.TakeBlock(buffer, 4), -3007);
  EXPECT_EQ(d.InputCount(), 3);
  EXPECT_EQ(d.TakeBlock(buffer, 3), 3);
  EXPECT_EQ(QByteArray(buffer, 3), "abc");
  EXPECT_EQ(d.InputCount(), 0);
}

TEST_F(Dispatcher, HandlersReadTheSameBytesAndTheRingMovesByTheMostTaken) {
  d.AvailLength(1);
  RecordingHandler first, second;
  QByteArray firstGot, secondGot;
  first.onMessage = [&](uint32_t msg, uint32_t count, uint32_t) {
    if (msg != kSclTriggerAvail) return;
    EXPECT_EQ(count, 10u);
    char b[5];
    ASSERT_EQ(d.TakeBlock(b, 5), 5);
    firstGot += QByteArray(b, 5);
  };
  second.onMessage = [&](uint32_t msg, uint32_t, uint32_t) {
    if (msg != kSclTriggerAvail) return;
    char b[3];
    ASSERT_EQ(d.TakeBlock(b, 3), 3);
    secondGot += QByteArray(b, 3);
  };
  d.AddMethodHandler(&first);
  d.AddMethodHandler(&second);
  d.Receive(pty, "0123456789");
  EXPECT_EQ(firstGot, "01234");
  EXPECT_EQ(secondGot, "012");
  EXPECT_EQ(d.InputCount(), 5);
  EXPECT_EQ(first.calls, 1);

  // Nothing new: the five left are not reported again ...
  d.HandleDeviceEvent(SerialDevice::EvRxChar);
  d.ScanCycle();
  EXPECT_EQ(first.calls, 1);
  // ... until a further byte arrives, and then with it.
  first.onMessage = [&](uint32_t, uint32_t count, uint32_t) { EXPECT_EQ(count, 6u); };
  second.onMessage = nullptr;
  d.Receive(pty, "A");
  EXPECT_EQ(first.calls, 2);
}

TEST_F(Dispatcher, AnAvailNotificationNotFullyTakenReportsFalse) {
  d.AvailLength(1);
  RecordingHandler h;
  h.onMessage = [&](uint32_t, uint32_t, uint32_t) {
    char b[2];
    d.TakeBlock(b, 2);
  };
  d.AddMethodHandler(&h);
  pty.Write("abcd");
  WaitFor([&] { return d.Fake().InputCount() == 4; });
  d.FillInput();
  EXPECT_FALSE(d.NotifyHandlers(kSclTriggerAvail, 4, 0));
  EXPECT_TRUE(d.NotifyHandlers(kSclTriggerAvail, 2, 0));
  EXPECT_EQ(d.InputCount(), 0);
}

TEST_F(Dispatcher, WithoutHandlersTriggersFireButNothingIsTaken) {
  FakeClock clock;
  ScopedClock scopedClock(clock);
  d.StartLog(10000);
  d.AvailLength(1);
  const int timer = d.NewTimerTrigger();
  d.ArmTimerTrigger(timer, 1, true);
  d.Receive(pty, "xyz");
  EXPECT_EQ(d.InputCount(), 3);
  clock.Advance(55);
  d.ScanCycle(); // due once more than its one tick has passed
  d.AddLogMark("before");
  clock.Advance(55);
  d.ScanCycle();
  d.ScanCycle(); // a timer fires once
  EXPECT_EQ(d.InputCount(), 3);
  d.AddLogMark("end");
  ScopedSclFolder folder;
  d.DumpLog("d.log", false, true);
  const QByteArray log = folder.Read("d.log");
  EXPECT_TRUE(log.contains("Trigger   Avail         00000003"));
  const QByteArray fired = "Trigger   Timer         " + QByteArray::number(timer, 16).rightJustified(8, '0');
  EXPECT_EQ(log.count(fired), 1) << log.toStdString();
  EXPECT_GT(log.indexOf(fired), log.indexOf("before")) << log.toStdString();
}

TEST_F(Dispatcher, TriggerHandlesAndDrops) {
  EXPECT_EQ(d.NewTimerTrigger(), 8);
  EXPECT_EQ(d.NewTimerTrigger(), 16);
  EXPECT_EQ(d.NewTimerTrigger(), 24);
  EXPECT_EQ(d.NewStatusTrigger(4), 36);
  EXPECT_EQ(d.NewStatusTrigger(6), -1002);
  EXPECT_EQ(d.ArmTimerTrigger(36, 5, true), -5003); // not a timer
  EXPECT_EQ(d.ArmStatusTrigger(8, 5, true), -5003); // not a status trigger
  d.AvailLength(7);
  EXPECT_EQ(d.DropTrigger(1), 0);
  EXPECT_EQ(d.DropTrigger(0), -5003);
  EXPECT_EQ(d.DropTrigger(16), 0);
  EXPECT_EQ(d.DropTrigger(16), -5003);
}

TEST_F(Dispatcher, TakeLineErrorReportsTheMostImportantAndClearsIt) {
  d.Fake().InjectErrors(SerialDevice::ErrOverrun | SerialDevice::ErrParity);
  d.HandleDeviceEvent(SerialDevice::EvErr);
  EXPECT_EQ(d.TakeLineError(), 2);
  EXPECT_EQ(d.TakeLineError(), 0);
  d.Fake().InjectErrors(SerialDevice::ErrFrame | SerialDevice::ErrBreak);
  d.HandleDeviceEvent(SerialDevice::EvErr | SerialDevice::EvBreak);
  EXPECT_EQ(d.TakeLineError(), 4);
  EXPECT_EQ(d.TakeLineError(), 9); // the break stays until taken
  EXPECT_TRUE(d.TakeBreak());
  EXPECT_EQ(d.TakeLineError(), 0);
  EXPECT_FALSE(d.TakeBreak());
}

TEST_F(Dispatcher, AnErrorSeenBeforeQueueingIsStillReportedAfterIt) {
  RecordingHandler h;
  d.AddMethodHandler(&h);
  const int trigger = d.NewStatusTrigger(2);
  d.ArmStatusTrigger(trigger, 7, true);
  d.Fake().InjectErrors(SerialDevice::ErrParity);
  d.QueueBlock("x", 1); // reads the device's errors on its way
  d.ScanCycle();
  EXPECT_EQ(h.calls, 1);
  EXPECT_EQ(d.TakeLineError(), 3);
}

TEST_F(Dispatcher, ModemTriggerFiresOnceWhenCtsChanges) {
  RecordingHandler h;
  std::vector<uint32_t> handles;
  h.onMessage = [&](uint32_t msg, uint32_t handle, uint32_t) {
    if (msg == kSclTriggerStatus) handles.push_back(handle);
  };
  d.AddMethodHandler(&h);
  const int trigger = d.NewStatusTrigger(1);
  d.ArmStatusTrigger(trigger, 0x10, true);
  d.ScanCycle();
  EXPECT_TRUE(handles.empty());
  d.Fake().SetModemLines(SerialDevice::LineCts);
  d.HandleDeviceEvent(SerialDevice::EvCts);
  d.Fake().SetModemLines(0);
  d.HandleDeviceEvent(SerialDevice::EvCts);
  d.ScanCycle();
  EXPECT_EQ(handles, std::vector<uint32_t>{static_cast<uint32_t>(trigger)});
  d.ArmStatusTrigger(trigger, 0x10, true);
  d.Fake().SetModemLines(SerialDevice::LineCts);
  d.HandleDeviceEvent(SerialDevice::EvCts);
  EXPECT_EQ(handles.size(), 2u);
  EXPECT_TRUE(d.CtsState());
}

// Each event of a modem line, the ring's trailing edge included, makes the dispatcher read
// the lines again and note the change.
class ModemLineEvent : public Dispatcher, public testing::WithParamInterface<uint32_t> {};

TEST_P(ModemLineEvent, NotesTheChangedLine) {
  RecordingHandler h;
  d.AddMethodHandler(&h);
  const int trigger = d.NewStatusTrigger(1);
  d.ArmStatusTrigger(trigger, 0x01, true); // the CTS change bit
  d.Fake().SetModemLines(SerialDevice::LineCts);
  d.HandleDeviceEvent(GetParam());
  d.ScanCycle();
  EXPECT_EQ(h.calls, 1);
}

INSTANTIATE_TEST_SUITE_P(Events, ModemLineEvent,
                         testing::Values(SerialDevice::EvCts, SerialDevice::EvDsr, SerialDevice::EvRlsd,
                                         SerialDevice::EvRing, SerialDevice::EvRingTe));

TEST_F(Dispatcher, OtherEventsLeaveTheModemLinesUnread) {
  RecordingHandler h;
  d.AddMethodHandler(&h);
  const int trigger = d.NewStatusTrigger(1);
  d.ArmStatusTrigger(trigger, 0x01, true);
  d.Fake().SetModemLines(SerialDevice::LineCts);
  d.HandleDeviceEvent(SerialDevice::EvRxChar | SerialDevice::EvErr);
  d.ScanCycle();
  EXPECT_EQ(h.calls, 0);
}

TEST_F(Dispatcher, OutputTriggersCarryTheMeasuredCount) {
  RecordingHandler h;
  uint32_t measured = 0;
  h.onMessage = [&](uint32_t msg, uint32_t, uint32_t lp) {
    if (msg == kSclTriggerStatus) measured = lp & 0xFFFF;
  };
  d.AddMethodHandler(&h);
  d.QueueBlock("0123456789", 10);
  const int used = d.NewStatusTrigger(4);
  d.ArmStatusTrigger(used, 20, true);
  d.ScanCycle();
  EXPECT_EQ(measured, 10u);
  const int sent = d.NewStatusTrigger(5);
  d.ArmStatusTrigger(sent, 0, true);
  d.ScanCycle(); // the block queued above counts once
  EXPECT_EQ(h.calls, 2);
  d.ArmStatusTrigger(sent, 0, true);
  d.ScanCycle();
  EXPECT_EQ(h.calls, 2);
}

TEST_F(Dispatcher, AHandlerRemovedDuringANotificationGetsNothingMore) {
  d.AvailLength(1);
  RecordingHandler remover, removed;
  remover.onMessage = [&](uint32_t, uint32_t, uint32_t) { d.RemoveMethodHandler(&removed); };
  d.AddMethodHandler(&remover);
  d.AddMethodHandler(&removed);
  d.Receive(pty, "a");
  EXPECT_EQ(remover.calls, 1);
  EXPECT_EQ(removed.calls, 0);
  d.Receive(pty, "b");
  EXPECT_EQ(remover.calls, 2);
  EXPECT_EQ(removed.calls, 0);
}

TEST_F(Dispatcher, ACloseFromInsideAHandlerStopsTheWalkAndIsLeftToTheDispatchThread) {
  d.AvailLength(1);
  RecordingHandler closer, after;
  closer.onMessage = [&](uint32_t, uint32_t, uint32_t) { d.StopPort(); };
  d.AddMethodHandler(&closer);
  d.AddMethodHandler(&after);
  d.Receive(pty, "a");
  EXPECT_EQ(after.calls, 0);
  EXPECT_TRUE(d.ClosePending());
}

TEST_F(Dispatcher, ChangeLineWithTheKeepValuesTouchesNothing) {
  TimingProfile slowDrain;
  slowDrain.intervals.insert(QStringLiteral("link.drainPollMs"), 50);
  ScopedTimingProfile scoped(slowDrain);
  d.QueueBlock("pending", 7); // no writer runs: a drain would wait for it
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(d.ChangeLine(0, 5, 9, 3), 0);
  EXPECT_LT(timer.elapsed(), 40);
  int baud, parity, data, stop;
  d.LineSettings(baud, parity, data, stop);
  EXPECT_EQ(baud, 9600);
  EXPECT_EQ(data, 8);
  EXPECT_EQ(stop, 1);
}

// The wait for the characters still in the UART is only for a line that has sent some.
TEST_F(Dispatcher, ALineChangeWaitsForTheOutputOnlyWhenSomethingWasSent) {
  TimingProfile slowDrain;
  slowDrain.intervals.insert(QStringLiteral("link.drainCharsMs"), 150);
  slowDrain.intervals.insert(QStringLiteral("link.drainPolls"), 1);
  slowDrain.intervals.insert(QStringLiteral("link.drainPollMs"), 1);
  ScopedTimingProfile scoped(slowDrain);
  QElapsedTimer timer;
  timer.start();
  ASSERT_EQ(d.ChangeLine(1200, 5, 9, 3), 0); // nothing sent since the port opened
  EXPECT_LT(timer.elapsed(), 100);
  d.QueueBlock("x", 1);
  timer.restart();
  ASSERT_EQ(d.ChangeLine(2400, 5, 9, 3), 0);
  EXPECT_GE(timer.elapsed(), 150);
  int baud, parity, data, stop;
  d.LineSettings(baud, parity, data, stop);
  EXPECT_EQ(baud, 2400);
}

TEST_F(Dispatcher, FiveDataBitsGiveOneAndAHalfStopBits) {
  // One and a half stop bits show as 2: even one stop bit asked for gives them.
  ASSERT_EQ(d.ChangeLine(1200, 2, 5, 1), 0);
  int baud, parity, data, stop;
  d.LineSettings(baud, parity, data, stop);
  EXPECT_EQ(baud, 1200);
  EXPECT_EQ(parity, 2);
  EXPECT_EQ(data, 5);
  EXPECT_EQ(stop, 2);
  ASSERT_EQ(d.ChangeLine(0, 5, 8, 1), 0);
  d.LineSettings(baud, parity, data, stop);
  EXPECT_EQ(stop, 1);
}

TEST_F(Dispatcher, FlowThresholdsOutOfOrderAreRefused) {
  EXPECT_EQ(d.EnableHardwareFlow(300, 409, 2), -1002);
  EXPECT_EQ(d.EnableHardwareFlow(5000, 10, 2), -1002);
  EXPECT_EQ(d.EnableHardwareFlow(256, 200, 2), 0);
  int hw, sw;
  char xon, xoff;
  d.FlowSettings(hw, sw, xon, xoff);
  EXPECT_EQ(hw, 2);
  EXPECT_EQ(d.DriveRts(false), 1); // under handshake: left alone
  EXPECT_EQ(d.Fake().RtsLevel(), 1);
}

TEST_F(Dispatcher, TheRtsHandshakeHoldsTheSenderWhileInputPilesUp) {
  ASSERT_EQ(d.EnableHardwareFlow(256, 200, 2), 0);
  d.AvailLength(0); // nobody reads: the input ring fills, then the device's queue
  pty.Write(QByteArray(TSclBaseDispatcher::kInputSize + 300, 'x'));
  ASSERT_TRUE(WaitFor([&] {
    d.ScanCycle();
    return d.InputCount() == TSclBaseDispatcher::kInputSize && d.Fake().InputCount() >= 300;
  }));
  d.ScanCycle();
  EXPECT_EQ(d.Fake().RtsLevel(), 0);
  char sink[4096];
  while (d.TakeBlock(sink, 4096) == 4096) {
  }
  ASSERT_TRUE(WaitFor([&] {
    d.ScanCycle();
    return d.Fake().InputCount() == 0;
  }));
  EXPECT_EQ(d.Fake().RtsLevel(), 1);
}

TEST_F(Dispatcher, ClearOutputPurgesTheOutputSideAndKeepsTheInput) {
  pty.Write("keep");
  WaitFor([&] { return d.Fake().InputCount() == 4; });
  d.QueueBlock("drop", 4);
  EXPECT_EQ(d.ClearOutput(), 0);
  EXPECT_EQ(d.OutputUsed(), 0);
  EXPECT_EQ(d.Fake().InputCount(), 4);
  d.HandleDeviceEvent(SerialDevice::EvRxChar);
  EXPECT_EQ(d.InputCount(), 4);
}

TEST_F(Dispatcher, SavedTriggersComeBackWithTheirHandles) {
  const int timer = d.NewTimerTrigger();
  const int status = d.NewStatusTrigger(2);
  d.AvailLength(3);
  TSclSavedTriggers saved;
  d.SaveTriggers(saved);
  HarnessDispatcher other;
  PtyPair otherPty;
  ASSERT_EQ(other.Start(otherPty), 0);
  other.RestoreTriggers(saved);
  EXPECT_EQ(other.ArmTimerTrigger(timer, 2, true), 0);
  EXPECT_EQ(other.ArmStatusTrigger(status, 7, true), 0);
  EXPECT_GT(other.NewTimerTrigger(), status);
}
