// The dispatcher with its three threads over a pseudo-terminal.
#include "LinkTestSupport.h"
#include "comm/link/TSclDeviceDispatcher.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/TimingProfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {
class ThreadedDispatcher : public TSclDeviceDispatcher {
public:
  ThreadedDispatcher() : TSclDeviceDispatcher(nullptr) {}
  using TSclDeviceDispatcher::StartThreads;
  using TSclDeviceDispatcher::StopThreads;
};

class TestWindow : public QObject, public TSclWindowHandler {
public:
  std::function<void(uint32_t, uint32_t, uint32_t)> onMessage;
  QObject* WindowObject() override { return this; }
  uint32_t WindowHandle() const override { return 77; }
  void WindowMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) override {
    if (onMessage) onMessage(message, shortParam, longParam);
  }
};

class Threaded : public testing::Test {
protected:
  Threaded() { fast.scale = 0.2; }
  void SetUp() override { ASSERT_EQ(Start(4096), 0); }
  int Start(int outSize) {
    const int r = d->StartPort(pty.SlavePath(), 9600, true, true, outSize, 4096, 1, 8, 0);
    if (r == 0) {
      d->AddWindowHandler(&window);
      d->RefreshHandlerNeed(1);
    }
    return r;
  }
  TimingProfile fast;
  ScopedTimingProfile scoped{fast};
  PtyPair pty;
  TestWindow window;
  std::unique_ptr<ThreadedDispatcher> d = std::make_unique<ThreadedDispatcher>();
};

// Listens and takes nothing.
struct Bystander : TSclMethodHandler {
  void TriggerMessage(uint32_t, uint32_t, uint32_t) override {}
};

QByteArray Sequence(int n) {
  QByteArray bytes(n, '\0');
  for (int i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

// Queues everything, waiting for room whenever the ring is full.
void QueueAll(TSclBaseDispatcher& d, const QByteArray& bytes, int block) {
  for (int at = 0; at < bytes.size();) {
    const int n = std::min<int>(block, static_cast<int>(bytes.size()) - at);
    const int r = d.QueueBlock(bytes.constData() + at, n);
    if (r == 0) at += n;
    else ASSERT_EQ(r, -3006);
  }
}
} // namespace

TEST_F(Threaded, BytesWrittenArriveInOrder) {
  const QByteArray sent = Sequence(200000);
  std::thread writer([&] { QueueAll(*d, sent, 97); });
  const QByteArray got = pty.Read(static_cast<int>(sent.size()), 10000);
  writer.join();
  EXPECT_EQ(got.size(), sent.size());
  EXPECT_TRUE(got == sent);
}

TEST_F(Threaded, AvailNotificationsArriveOnTheGuiThreadWithEveryByte) {
  QByteArray got;
  bool allOnGui = true;
  window.onMessage = [&](uint32_t msg, uint32_t count, uint32_t longParam) {
    if (msg != kSclTriggerAvail) return;
    allOnGui = allOnGui && QThread::currentThread() == QCoreApplication::instance()->thread();
    EXPECT_EQ(longParam >> 16, static_cast<uint32_t>(d->Handle()));
    QByteArray bytes(static_cast<int>(count), '\0');
    ASSERT_EQ(d->TakeBlock(bytes.data(), static_cast<int>(count)), static_cast<int>(count));
    got += bytes;
  };
  d->AvailLength(1);
  const QByteArray sent = Sequence(50000);
  std::thread far([&] { pty.Write(sent); });
  EXPECT_TRUE(WaitFor([&] { return got.size() >= sent.size(); }, 10000));
  far.join();
  EXPECT_TRUE(allOnGui);
  EXPECT_TRUE(got == sent);
}

// A line brings a frame a character at a time: while the characters keep coming they are
// delivered in runs, not each on its own; the last of them, or a lone one, waits no longer
// than a pause of two characters' time.
TEST_F(Threaded, CharactersComingOneByOneAreDeliveredInRunsAndALoneOneAtOnce) {
  QByteArray got;
  int deliveries = 0;
  window.onMessage = [&](uint32_t msg, uint32_t count, uint32_t) {
    if (msg != kSclTriggerAvail) return;
    ++deliveries;
    QByteArray bytes(static_cast<int>(count), '\0');
    ASSERT_EQ(d->TakeBlock(bytes.data(), static_cast<int>(count)), static_cast<int>(count));
    got += bytes;
  };
  d->AvailLength(1);
  const QByteArray sent = Sequence(48);
  std::thread far([&] {
    for (char byte : sent) {
      pty.Write(QByteArray(1, byte));
      std::this_thread::sleep_for(std::chrono::microseconds(1000)); // as a line at 9600 baud brings them
    }
  });
  EXPECT_TRUE(WaitFor([&] { return got.size() >= sent.size(); }, 5000));
  far.join();
  EXPECT_TRUE(got == sent);
  EXPECT_LE(deliveries, 24) << "a delivery for (nearly) every character";

  got.clear();
  QElapsedTimer since;
  since.start();
  pty.Write("!");
  EXPECT_TRUE(WaitFor([&] { return got == "!"; }, 1000));
  EXPECT_LT(since.elapsed(), 100) << "a lone character was held";
}

TEST_F(Threaded, AFullWrappedOutputRingDrainsEachByteOnce) {
  d.reset(new ThreadedDispatcher);
  ASSERT_EQ(Start(64), 0);
  // Nobody reads the far end: once the terminal's buffer is full the writer waits, and the
  // ring fills up around its end.
  QByteArray queued;
  int stalled = 0;
  for (int i = 0; stalled < 200 && i < 200000; ++i) {
    const QByteArray block = Sequence(7 + i % 5).mid(0).append(static_cast<char>(i));
    if (d->QueueBlock(block.constData(), static_cast<int>(block.size())) == 0) {
      queued += block;
      stalled = 0;
    } else {
      ++stalled;
      QThread::usleep(100);
    }
  }
  ASSERT_GT(d->OutputUsed(), 48);
  const QByteArray got = pty.Read(static_cast<int>(queued.size()), 10000);
  EXPECT_TRUE(WaitFor([&] { return d->OutputUsed() == 0; }));
  EXPECT_EQ(got.size(), queued.size());
  EXPECT_TRUE(got == queued);
}

// Output triggers and callers waiting for room see the bytes still to send, not whole runs.
TEST_F(Threaded, BytesTheDeviceTookLeaveTheOutputRingAtOnce) {
  d.reset(new ThreadedDispatcher);
  ASSERT_EQ(Start(65535), 0);
  const QByteArray sent = Sequence(60000);
  ASSERT_EQ(d->QueueBlock(sent.constData(), static_cast<int>(sent.size())), 0);
  // Nobody reads the far end: the device takes what its buffer holds and no more.
  EXPECT_TRUE(WaitFor([&] { return d->OutputUsed() < sent.size(); }, 3000));
  const QByteArray got = pty.Read(static_cast<int>(sent.size()), 10000);
  EXPECT_TRUE(got == sent);
  EXPECT_TRUE(WaitFor([&] { return d->OutputUsed() == 0; }));
}

TEST_F(Threaded, ClearOutputDuringAStalledWriteReturnsAndEmptiesTheRing) {
  const QByteArray big(200000, 'z');
  for (int at = 0; at < big.size() && d->QueueBlock(big.constData(), 4096) == 0; at += 4096) {
  }
  WaitFor([&] { return d->OutputFree() == 0; }, 2000);
  QElapsedTimer timer;
  timer.start();
  EXPECT_EQ(d->ClearOutput(), 0);
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_EQ(d->OutputUsed(), 0);
  // The writer works on after the purge.
  pty.Read(1 << 20, 300);
  ASSERT_EQ(d->QueueBlock("after", 5), 0);
  EXPECT_TRUE(pty.Read(5, 3000).endsWith("after"));
}

// Purges racing a thread that queues: once a purge returns, the ring stays empty; the writer
// neither puts back bytes of the run it was sending nor marks old memory as pending.
TEST_F(Threaded, APurgeRacingTheWriterLeavesNothingPending) {
  const QByteArray block(36, 'f');
  for (int repeat = 0; repeat < 40; ++repeat) {
    std::atomic<bool> stop{false};
    std::thread queuer([&] {
      while (!stop) d->QueueBlock(block.constData(), static_cast<int>(block.size()));
    });
    for (int i = 0; i < 300; ++i) {
      d->ClearOutput();
      if (i % 10 == 0) pty.Read(1 << 16, 1);
    }
    stop = true;
    queuer.join();
    ASSERT_EQ(d->ClearOutput(), 0);
    for (int look = 0; look < 10; ++look) {
      ASSERT_EQ(d->OutputUsed(), 0) << "repeat " << repeat;
      QThread::usleep(500);
    }
    pty.Read(1 << 16, 30); // what reached the line before the purge
    ASSERT_EQ(d->QueueBlock("M", 1), 0);
    const QByteArray got = pty.Read(1 << 16, 60);
    ASSERT_EQ(got.toStdString(), "M") << "repeat " << repeat;
  }
}

TEST_F(Threaded, ACloseFromInsideAHandlerReleasesThePort) {
  bool returned = false;
  window.onMessage = [&](uint32_t msg, uint32_t, uint32_t) {
    if (msg != kSclTriggerAvail) return;
    d->StopPort();
    returned = true;
  };
  d->AvailLength(1);
  pty.Write("x");
  ASSERT_TRUE(WaitFor([&] { return returned; }));
  EXPECT_TRUE(WaitFor([&] { return !d->ThreadsActive(); }));
  int error = 0;
  auto again = SerialDevice::Open(pty.SlavePath(), error);
  EXPECT_NE(again, nullptr) << "the device is still held, error " << error;
}

// A stop asked while the dispatch thread waits for the GUI thread: with a method handler
// listening, the wait is for one notification, which is delivered once events flow; with
// windows alone, it is for the reading itself, and the stop has purged the input first.
TEST_F(Threaded, AStopWhileAHandOffWaitsForTheGuiFinishesOnceEventsFlow) {
  d.reset(); // its threads read the profile: they end before it changes
  fast.intervals.insert(QStringLiteral("link.windowSendMs"), 20000);
  for (const bool methodListens : {true, false}) {
    SCOPED_TRACE(methodListens ? "a method listens" : "windows alone");
    d.reset(new ThreadedDispatcher);
    ASSERT_EQ(Start(4096), 0);
    Bystander bystander;
    if (methodListens) d->AddMethodHandler(&bystander);
    std::atomic<int> delivered{0};
    window.onMessage = [&](uint32_t msg, uint32_t count, uint32_t) {
      if (msg != kSclTriggerAvail) return;
      QByteArray b(static_cast<int>(count), '\0');
      d->TakeBlock(b.data(), static_cast<int>(count));
      ++delivered;
    };
    d->AvailLength(1);
    pty.Write("y");
    // The GUI thread is busy: the dispatch thread now waits in its hand-off.
    QThread::msleep(100);
    ASSERT_EQ(delivered, 0);
    d->StopPort();
    EXPECT_TRUE(WaitFor([&] { return !d->ThreadsActive(); }, 5000));
    EXPECT_EQ(delivered, methodListens ? 1 : 0);
  }
}

TEST_F(Threaded, AMethodHandlerThatJoinsDuringAStreamIsCalledOnTheDispatchThreadOnly) {
  const QThread* gui = QCoreApplication::instance()->thread();
  struct Joiner : TSclMethodHandler {
    TSclBaseDispatcher* d = nullptr;
    const QThread* gui = nullptr;
    std::atomic<bool> onGui{false};
    QByteArray got;
    void TriggerMessage(uint32_t message, uint32_t count, uint32_t) override {
      if (message != kSclTriggerAvail) return;
      if (QThread::currentThread() == gui) onGui = true;
      QByteArray bytes(static_cast<int>(count), '\0');
      d->TakeBlock(bytes.data(), static_cast<int>(count));
      got += bytes;
    }
  } joiner;
  joiner.d = d.get();
  joiner.gui = gui;
  QByteArray got;
  bool allOnGui = true;
  window.onMessage = [&](uint32_t msg, uint32_t count, uint32_t) {
    if (msg != kSclTriggerAvail) return;
    allOnGui = allOnGui && QThread::currentThread() == gui;
    QByteArray bytes(static_cast<int>(count), '\0');
    ASSERT_EQ(d->TakeBlock(bytes.data(), static_cast<int>(count)), static_cast<int>(count));
    if (got.isEmpty()) d->AddMethodHandler(&joiner); // from inside the first notification
    got += bytes;
  };
  d->AvailLength(1);
  const QByteArray sent = Sequence(300000);
  std::thread far([&] { pty.Write(sent); });
  EXPECT_TRUE(WaitFor([&] { return got.size() >= sent.size(); }, 10000));
  far.join();
  d->RemoveMethodHandler(&joiner);
  EXPECT_TRUE(allOnGui);
  EXPECT_TRUE(got == sent);
  EXPECT_FALSE(joiner.onGui);
  ASSERT_FALSE(joiner.got.isEmpty());
  EXPECT_TRUE(sent.endsWith(joiner.got)); // every notification after it joined, in order
}

// A method handler that names an object of the GUI thread is called there, beside the
// windows; once it names none, it is called on the dispatch thread again. Either way every
// byte arrives once and in order.
TEST_F(Threaded, AMethodHandlerNamingTheGuiThreadIsCalledThereUntilItNamesNone) {
  const QThread* gui = QCoreApplication::instance()->thread();
  struct Taker : TSclMethodHandler {
    TSclBaseDispatcher* d = nullptr;
    const QThread* gui = nullptr;
    std::atomic<int> onGui{0}, offGui{0};
    QByteArray got;             // read once taken says all has come
    std::atomic<qsizetype> taken{0};
    void TriggerMessage(uint32_t message, uint32_t count, uint32_t) override {
      if (message != kSclTriggerAvail) return;
      ++(QThread::currentThread() == gui ? onGui : offGui);
      QByteArray bytes(static_cast<int>(count), '\0');
      d->TakeBlock(bytes.data(), static_cast<int>(count));
      got += bytes;
      taken = got.size();
    }
  } taker;
  taker.d = d.get();
  taker.gui = gui;
  d->AddMethodHandler(&taker);
  d->SetMethodEventsTarget(&taker, &window);
  d->AvailLength(1);
  const QByteArray first = Sequence(20000);
  std::thread far([&] { pty.Write(first); });
  EXPECT_TRUE(WaitFor([&] { return taker.taken >= first.size(); }, 10000));
  far.join();
  EXPECT_GT(taker.onGui.load(), 0);
  EXPECT_EQ(taker.offGui.load(), 0);

  d->SetMethodEventsTarget(&taker, nullptr);
  taker.onGui = 0;
  const QByteArray second = Sequence(20000).toHex();
  std::thread farAgain([&] { pty.Write(second); });
  EXPECT_TRUE(WaitFor([&] { return taker.taken >= first.size() + second.size(); }, 10000));
  farAgain.join();
  d->RemoveMethodHandler(&taker);
  EXPECT_EQ(taker.onGui.load(), 0);
  EXPECT_GT(taker.offGui.load(), 0);
  EXPECT_TRUE(taker.got == first + second);
}

TEST_F(Threaded, AWindowThatDoesNotAnswerWithinTheBoundIsPassedOver) {
  // The profile is set before the threads start, which read it.
  d.reset(new ThreadedDispatcher);
  fast.intervals.insert(QStringLiteral("link.windowSendMs"), 30);
  ASSERT_EQ(Start(4096), 0);
  int delivered = 0;
  window.onMessage = [&](uint32_t msg, uint32_t, uint32_t) { delivered += msg == kSclTriggerAvail; };
  d->AvailLength(1);
  pty.Write("a");
  QThread::msleep(300); // the GUI thread does not look at its events meanwhile
  QCoreApplication::processEvents();
  EXPECT_EQ(delivered, 0); // withdrawn: it never runs late
  EXPECT_EQ(d->InputCount(), 1);
}

TEST_F(Threaded, TimerTriggersFireOnTheInjectedClock) {
  FakeClock clock;
  ScopedClock scopedClock(clock);
  int fired = 0;
  window.onMessage = [&](uint32_t msg, uint32_t, uint32_t) { fired += msg == kSclTriggerTimer; };
  const int timer = d->NewTimerTrigger();
  d->ArmTimerTrigger(timer, SecondsToTicks(2), true);
  WaitFor([] { return false; }, 100);
  EXPECT_EQ(fired, 0);
  clock.Advance(37 * 55);
  EXPECT_TRUE(WaitFor([&] { return fired == 1; }));
  d.reset(); // its threads read the clock: they end before it goes
}

TEST_F(Threaded, TheFarEndClosingGivesALineErrorAndNoHang) {
  std::atomic<int> lineErrors{0};
  const int trigger = d->NewStatusTrigger(2);
  d->ArmStatusTrigger(trigger, 7, true);
  window.onMessage = [&](uint32_t msg, uint32_t handle, uint32_t) {
    if (msg == kSclTriggerStatus && static_cast<int>(handle) == trigger) ++lineErrors;
  };
  std::thread writer([&] { QueueAll(*d, QByteArray(100000, 'w'), 1000); });
  pty.Read(5000);
  pty.CloseMaster();
  writer.join();
  EXPECT_TRUE(WaitFor([&] { return lineErrors == 1; }));
  EXPECT_EQ(d->TakeLineError(), 4);
  QElapsedTimer timer;
  timer.start();
  d.reset();
  EXPECT_LT(timer.elapsed(), 2000);
}

TEST_F(Threaded, ThreadsCannotStartTwiceOrStopWhenNotRunning) {
  try {
    d->StartThreads();
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Dispatcher already started");
  }
  d->StopPort();
  EXPECT_FALSE(d->ThreadsActive());
  try {
    d->StopThreads();
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Dispatcher not running");
  }
}

// A session closes its port on the GUI thread, where every other line's work waits
// meanwhile: the dispatch thread ends at once, not when its scan cycle is over.
TEST_F(Threaded, StoppingThePortDoesNotWaitForTheDispatchCycle) {
  d->StopPort();
  fast.intervals.insert(QStringLiteral("link.dispatchCycleMs"), 3000);
  d = std::make_unique<ThreadedDispatcher>();
  ASSERT_EQ(Start(4096), 0);
  WaitFor([] { return false; }, 50); // the dispatch thread is inside its cycle's wait
  QElapsedTimer stopping;
  stopping.start();
  d->StopPort();
  EXPECT_FALSE(d->ThreadsActive());
  EXPECT_LT(stopping.elapsed(), 1000);
}

TEST(ThreadedOpen, AMissingDeviceOrOneHeldElsewhereIsRefused) {
  ThreadedDispatcher missing;
  EXPECT_EQ(missing.StartPort("/dev/no-such-port", 9600, true, true, 4096, 4096, 1, 8, 0), -2);
  PtyPair pty;
  int error = 0;
  auto holder = SerialDevice::Open(pty.SlavePath(), error);
  ASSERT_NE(holder, nullptr);
  ThreadedDispatcher held;
  EXPECT_EQ(held.StartPort(pty.SlavePath(), 9600, true, true, 4096, 4096, 1, 8, 0), -5);
  EXPECT_FALSE(held.ThreadsActive());
}
