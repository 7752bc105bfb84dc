#include "LinkTestSupport.h"
#include "TestSupport.h"
#include "comm/link/ESclException.h"
#include "comm/link/TSclComPort.h"
#include "comm/link/TSclDataPacket.h"
#include "comm/link/TSclDataPacketManager.h"
#include "comm/link/TSclDataPacketManagerList.h"
#include "platform/sys/Clock.h"
#include "platform/sys/TimingProfile.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <atomic>
#include <random>

using TestSupport::Hex;

namespace {
// The link's packets as the protocol module sets them up.
void SetUpControl(TSclDataPacket& p, const char* start, int tag) {
  p.StartString = QByteArray::fromHex(start);
  p.EndCond = 0;
  p.AutoEnable = false;
  p.IgnoreCase = false;
  p.TimeOut = 100;
  p.Tag = tag;
}

void SetUpBlock(TSclDataPacket& p) {
  p.StartString = Hex("10 02");
  p.EndCond = ecString;
  p.EndString = Hex("10 03") + "??";
  p.AutoEnable = false;
  p.IgnoreCase = false;
  p.TimeOut = 3000;
}

class Packets : public testing::Test {
protected:
  Packets() {
    fast.scale = 0.1;
    MapComPort(4, pty.SlavePath());
    port->SetComNumber(4);
    port->SetAutoOpen(false);
    port->SetOpen(true);
    for (TSclDataPacket* p : {&ack, &nak, &eot, &blk}) {
      p->SetComPort(port);
      p->OnPacket = [this, p](TSclDataPacket& sender, const char* data, int size) {
        EXPECT_EQ(&sender, p);
        got.push_back({p, QByteArray(data, size)});
        onGui = onGui && QThread::currentThread() == QCoreApplication::instance()->thread();
      };
    }
    ack.setObjectName(QStringLiteral("scpAck"));
    SetUpControl(ack, "1006", 128);
    SetUpControl(nak, "1015", 128);
    SetUpControl(eot, "1004", 128);
    SetUpBlock(blk);
  }
  void EnableAll() {
    for (TSclDataPacket* p : {&ack, &nak, &eot, &blk}) p->SetEnabled(true);
  }
  TSclDataPacketManager& Manager() { return *TSclDataPacketManagerList::Find(port); }

  TimingProfile fast;
  ScopedTimingProfile scoped{fast};
  PtyPair pty;
  QObject form;
  TSclComPort* port = new TSclComPort(&form);
  TSclDataPacket ack, nak, eot, blk;
  std::vector<std::pair<TSclDataPacket*, QByteArray>> got;
  bool onGui = true;
};

QByteArray Frame(const QByteArray& body, quint16 crc) {
  QByteArray stuffed = body;
  stuffed.replace(QByteArray(1, 0x10), QByteArray(2, 0x10));
  return Hex("10 02") + stuffed + Hex("10 03") + char(crc & 0xFF) + char(crc >> 8);
}
} // namespace

TEST_F(Packets, AnAckIsDeliveredOnceAndThePacketIsThenDisabled) {
  ack.SetEnabled(true);
  Manager().Receive(Hex("10 06 10 06"));
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].second, Hex("10 06"));
  EXPECT_FALSE(ack.Enabled());
  EXPECT_EQ(ack.Mode(), pmIdle);
}

TEST_F(Packets, TheTwelveByteBlockIsDeliveredWhole) {
  blk.SetEnabled(true);
  Manager().Receive(Hex("10 02 05 01 10 10 03 41 10 03 C1 10"));
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].second, Hex("10 02 05 01 10 10 03 41 10 03 C1 10"));
}

struct ControlCase {
  const char* input;
  const char* delivered; // empty: nothing
  int tag;
};

class ControlFrames : public Packets, public testing::WithParamInterface<ControlCase> {};

TEST_P(ControlFrames, FollowTheDoubledDleRule) {
  eot.Tag = GetParam().tag;
  eot.SetEnabled(true);
  Manager().Receive(Hex(GetParam().input));
  const QByteArray expected = Hex(GetParam().delivered);
  if (expected.isEmpty()) {
    EXPECT_TRUE(got.empty());
  } else {
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].second, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Eot, ControlFrames,
                         testing::Values(ControlCase{"10 10 04", "", 128}, ControlCase{"10 04", "10 04", 128},
                                         ControlCase{"41 10 04", "10 04", 128},
                                         ControlCase{"10 10 10 04", "10 04", 128},
                                         ControlCase{"10 10 04", "10 04", 0}));

TEST_F(Packets, ADoubledDleBeforeEtxIsDataAndARealEndAfterItEndsTheBlock) {
  blk.SetEnabled(true);
  const QByteArray frame = Hex("10 02 00 01 10 10 10 10 03 10 10 10 03 AA BB");
  Manager().Receive(frame);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].second, frame);
}

// A frame still arriving is held by the packets, not by the port; once dropped, the frame
// sent again is read whole, not joined to the stale start.
TEST_F(Packets, ABlockStillArrivingIsHeldUntilDroppedAndTheRepeatIsReadWhole) {
  EnableAll();
  const QByteArray frame = Frame(Hex("02 03 41"), 0x1234);
  Manager().Receive(frame.left(4));
  EXPECT_EQ(blk.HeldCount(), 4);
  EXPECT_EQ(blk.Mode(), pmCollecting);
  blk.DropHeld();
  EXPECT_EQ(blk.HeldCount(), 0);
  EXPECT_EQ(blk.Mode(), pmWaiting);
  Manager().Receive(frame);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].second, frame);
  EXPECT_EQ(blk.HeldCount(), 0);
}

TEST_F(Packets, ACollectThatNeverEndsTimesOutOnceAndDisablesThePacket) {
  FakeClock clock;
  ScopedClock scopedClock(clock);
  int timeouts = 0;
  blk.OnTimeout = [&](TSclDataPacket&) { ++timeouts; };
  blk.SetEnabled(true);
  pty.Write(Hex("10 02 00"));
  ASSERT_TRUE(WaitFor([&] { return blk.Mode() == pmCollecting; }));
  clock.Advance(2999 * 55);
  WaitFor([] { return false; }, 50);
  EXPECT_EQ(timeouts, 0);
  clock.Advance(2 * 55);
  EXPECT_TRUE(WaitFor([&] { return timeouts == 1; }));
  EXPECT_FALSE(blk.Enabled());
  clock.Advance(5000 * 55);
  WaitFor([] { return false; }, 50);
  EXPECT_EQ(timeouts, 1);
  port->SetOpen(false); // its threads read the clock: they end before it goes
}

struct SetUpCase {
  TPacketStartCond start;
  int endCond;
  const char* startString;
  const char* endString;
  int size;
  int code;
};

class ArmingChecks : public Packets, public testing::WithParamInterface<SetUpCase> {};

TEST_P(ArmingChecks, RaiseTheirCodeAndLeaveThePacketDisabled) {
  const SetUpCase c = GetParam();
  TSclDataPacket p;
  p.SetComPort(port);
  p.StartCond = c.start;
  p.EndCond = c.endCond;
  p.StartString = c.startString;
  p.EndString = c.endString;
  p.PacketSize = c.size;
  try {
    p.SetEnabled(true);
    FAIL() << "no exception";
  } catch (const EInvalidProperty& e) {
    EXPECT_EQ(e.ErrorCode(), c.code);
  }
  EXPECT_FALSE(p.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ArmingChecks,
    testing::Values(SetUpCase{scString, 0, "", "", 0, -5501}, SetUpCase{scString, ecPacketSize, "ABC", "", 2, -5502},
                    SetUpCase{scAnyData, 0, "", "", 0, -5503}, SetUpCase{scString, ecString, "A", "", 0, -5504},
                    SetUpCase{scAnyData, ecPacketSize, "", "", 0, -5505}));

TEST_F(Packets, PatternsTakeWildcardsEscapesAndCase) {
  TSclDataPacket p;
  p.SetComPort(port);
  p.StartString = "co?\\?";
  p.EndCond = ecString;
  p.EndString = "\r";
  p.IncludeStrings = false;
  p.AutoEnable = true;
  QList<QByteArray> texts;
  p.OnStringPacket = [&](TSclDataPacket&, const QByteArray& data) { texts << data; };
  p.SetEnabled(true);
  Manager().Receive("xxCON?ECT 9600\rcoX?ok\rcoXYno\r");
  EXPECT_EQ(texts, (QList<QByteArray>{"ECT 9600", "ok"}));
}

TEST_F(Packets, SizePacketsAndAnyDataPackets) {
  TSclDataPacket sized, any;
  sized.SetComPort(port);
  sized.StartString = "#";
  sized.EndCond = ecPacketSize;
  sized.PacketSize = 4;
  QList<QByteArray> texts;
  sized.OnStringPacket = [&](TSclDataPacket&, const QByteArray& d) { texts << d; };
  sized.SetEnabled(true);
  Manager().Receive("ab#123#45");
  EXPECT_EQ(texts, QList<QByteArray>{"#123"});
  sized.SetEnabled(false);
  any.SetComPort(port);
  any.StartCond = scAnyData;
  any.EndCond = ecPacketSize;
  any.PacketSize = 3;
  any.OnStringPacket = [&](TSclDataPacket&, const QByteArray& d) { texts << d; };
  any.SetEnabled(true);
  Manager().Receive("xyz");
  EXPECT_EQ(texts.last(), "xyz");
}

// Frames of the register link, with bodies rich in DLE and ETX, sent back to back and cut at
// random points: every frame is found once and in order.
TEST_F(Packets, EveryFrameOfARandomStreamIsFoundOnceInOrder) {
  for (TSclDataPacket* p : {&ack, &nak, &eot, &blk}) p->AutoEnable = true;
  EnableAll();
  std::mt19937 random(20260101);
  for (int round = 0; round < 40; ++round) {
    got.clear();
    QList<QByteArray> frames;
    QByteArray stream;
    for (int i = 0; i < 60; ++i) {
      QByteArray frame;
      switch (random() % 5) {
      case 0: frame = Hex("10 06"); break;
      case 1: frame = Hex("10 15"); break;
      case 2: frame = Hex("10 04"); break;
      default: {
        QByteArray body;
        const int n = static_cast<int>(random() % 40);
        static const char kRich[] = {0x10, 0x03, 0x02, 0x06, 0x04, 0x15, 0x41};
        for (int b = 0; b < n; ++b) body += kRich[random() % sizeof kRich];
        const quint16 crc = random() % 3 ? static_cast<quint16>(random()) : 0x1010;
        frame = Frame(body, crc);
      }
      }
      frames << frame;
      stream += frame;
    }
    for (int at = 0; at < stream.size();) {
      const int n = 1 + static_cast<int>(random() % 17);
      Manager().Receive(stream.mid(at, n));
      at += n;
    }
    ASSERT_EQ(static_cast<int>(got.size()), frames.size()) << "round " << round;
    for (int i = 0; i < frames.size(); ++i) ASSERT_EQ(got[i].second.toHex(' '), frames[i].toHex(' ')) << "round " << round << " frame " << i;
  }
}

TEST_F(Packets, OverThePortDeliveriesComeOnTheGuiThreadAndNothingIsLostBetweenThem) {
  // Like the protocol: each delivery enables what the next step expects, and the bytes
  // that followed in the same read are there for it.
  ack.OnPacket = [&](TSclDataPacket&, const char* d, int n) {
    got.push_back({&ack, QByteArray(d, n)});
    blk.SetEnabled(true);
  };
  blk.OnPacket = [&](TSclDataPacket&, const char* d, int n) {
    got.push_back({&blk, QByteArray(d, n)});
    onGui = onGui && QThread::currentThread() == QCoreApplication::instance()->thread();
    ack.SetEnabled(true);
  };
  ack.SetEnabled(true);
  QByteArray stream;
  for (int i = 0; i < 50; ++i) stream += Hex("10 06") + Frame(QByteArray(i, char(0x10)) + Hex("03 10"), 0x0310);
  pty.Write(stream);
  EXPECT_TRUE(WaitFor([&] { return got.size() == 100; }, 10000)) << got.size();
  EXPECT_TRUE(onGui);
}

// A packet whose events are not synchronised gets them on the dispatch thread, even beside
// packets that get theirs on the GUI thread; and those still do.
TEST_F(Packets, AnUnsynchronisedPacketGetsItsEventsOffTheGuiThreadBesideSynchronisedOnes) {
  TSclDataPacket raw;
  raw.SyncEvents = false;
  SetUpControl(raw, "1005", 128); // DLE ENQ
  raw.SetComPort(port);
  std::atomic<int> rawOnGui{0}, rawOff{0};
  raw.OnPacket = [&](TSclDataPacket&, const char*, int) {
    ++(QThread::currentThread() == QCoreApplication::instance()->thread() ? rawOnGui : rawOff);
    raw.SetEnabled(true);
  };
  raw.SetEnabled(true);
  blk.OnPacket = [&](TSclDataPacket&, const char* d, int n) {
    got.push_back({&blk, QByteArray(d, n)});
    onGui = onGui && QThread::currentThread() == QCoreApplication::instance()->thread();
    blk.SetEnabled(true);
  };
  blk.SetEnabled(true);
  QByteArray stream;
  for (int i = 0; i < 20; ++i) stream += Hex("10 05") + Frame(QByteArray(40 + i, 'b'), 0x1234);
  pty.Write(stream);
  EXPECT_TRUE(WaitFor([&] { return got.size() == 20 && rawOnGui + rawOff == 20; }, 10000)) << got.size();
  EXPECT_TRUE(onGui);
  EXPECT_EQ(rawOnGui.load(), 0);
  EXPECT_EQ(rawOff.load(), 20);
  raw.SetComPort(nullptr);
}

TEST_F(Packets, ThePacketsOfAPortAttachWhenItOpensAndDropBytesWhenItCloses) {
  port->SetOpen(false);
  ack.SetEnabled(true);
  EXPECT_EQ(ack.Mode(), pmIdle);
  port->SetOpen(true);
  EXPECT_EQ(ack.Mode(), pmWaiting);
  pty.Write(Hex("10 06"));
  EXPECT_TRUE(WaitFor([&] { return got.size() == 1; }));
}
