#include "comm/link/TSclByteRing.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {
QByteArray Pending(TSclByteRing& ring) {
  QByteArray out(ring.Used(), '\0');
  ring.Peek(0, out.data(), ring.Used());
  return out;
}

// Leaves the head at `at` with one byte, 'f', pending before it (an emptied ring would
// start again at index 0).
void PlaceHead(TSclByteRing& ring, int at) {
  const QByteArray filler(at, 'f');
  ring.Put(filler.constData(), at);
  ring.Consume(at - 1);
}
} // namespace

TEST(TSclByteRing, PutAcrossTheEndLeavesTheHeadAfterTheSecondPiece) {
  TSclByteRing ring;
  ring.Allocate(4096);
  PlaceHead(ring, 4090);
  ring.Put("0123456789", 10);
  EXPECT_EQ(ring.Head(), 4);
  EXPECT_EQ(Pending(ring), "f0123456789");
}

TEST(TSclByteRing, PutEndingAtTheEndLeavesTheHeadAtZero) {
  TSclByteRing ring;
  ring.Allocate(4096);
  PlaceHead(ring, 4090);
  ring.Put("012345", 6);
  EXPECT_EQ(ring.Head(), 0);
  EXPECT_EQ(ring.Used(), 7);
}

TEST(TSclByteRing, FillingTheRingExactlySetsFull) {
  TSclByteRing ring;
  ring.Allocate(8);
  ring.Put("abcdefgh", 8);
  EXPECT_TRUE(ring.Full());
  EXPECT_EQ(ring.Used(), 8);
  EXPECT_EQ(ring.Room(), 0);
}

TEST(TSclByteRing, AFullWrappedRingIsSentInOrderOnceAndEndsEmptyAtZero) {
  TSclByteRing ring;
  ring.Allocate(8);
  PlaceHead(ring, 5);
  ring.Put("ABCDEFG", 7); // wraps, full, head == tail == 4
  ASSERT_TRUE(ring.Full());
  QByteArray sent;
  for (int guard = 0; guard < 10 && ring.Used() > 0; ++guard) {
    int length;
    const char* run = ring.NextRun(length);
    const int take = std::min(length, 3); // the device takes only part of each run
    sent.append(run, take);
    ring.Consume(take);
  }
  EXPECT_EQ(sent, "fABCDEFG");
  EXPECT_EQ(ring.Head(), 0);
  EXPECT_EQ(ring.Tail(), 0);
  EXPECT_FALSE(ring.Full());
}

TEST(TSclByteRing, InputRunsStopAtTheEndOrTheTail) {
  TSclByteRing ring;
  ring.Allocate(8);
  int length;
  ring.HeadRun(length);
  EXPECT_EQ(length, 8);
  ring.Produced(6);
  ring.Consume(4); // tail 4, head 6
  ring.HeadRun(length);
  EXPECT_EQ(length, 2); // up to the end
  ring.Produced(2);
  ring.HeadRun(length);
  EXPECT_EQ(length, 4); // from 0 up to the tail
  ring.Produced(4);
  EXPECT_TRUE(ring.Full());
  ring.HeadRun(length);
  EXPECT_EQ(length, 0);
}

TEST(TSclByteRing, TakingEverythingStartsTheRingAgainAtZeroSoTheNextReadIsWhole) {
  TSclByteRing ring;
  ring.Allocate(8);
  ring.Produced(6);
  ring.Consume(6);
  int length;
  ring.HeadRun(length);
  EXPECT_EQ(length, 8);
  EXPECT_EQ(ring.Head(), 0);
  EXPECT_EQ(ring.Tail(), 0);
}
