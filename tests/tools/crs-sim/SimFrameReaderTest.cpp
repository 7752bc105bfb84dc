// Cutting the line into frames: where frames end, and what happens to bytes between them.
#include "crs-sim/SimFrameReader.h"
#include "crs-sim/SimFraming.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using TestSupport::Hex;

namespace {
QList<SimWireFrame> Read(const QByteArray& line) {
  SimFrameReader reader;
  return reader.Feed(line, 0);
}
} // namespace

TEST(SimFrameReader, BackToBackFramesInOneReadComeOutOnceInOrder) {
  const QByteArray block = SimFraming::DataFrame(Hex("02 01 10 03 41"));
  const auto frames = Read(Hex("10 06") + block + Hex("10 04 10 15"));
  ASSERT_EQ(frames.size(), 4);
  EXPECT_EQ(frames[0].kind, SimWireFrame::Ack);
  EXPECT_EQ(frames[1].kind, SimWireFrame::Data);
  EXPECT_EQ(frames[1].body, Hex("02 01 10 03 41"));
  EXPECT_EQ(frames[1].wire, block);
  EXPECT_EQ(frames[2].kind, SimWireFrame::Eot);
  EXPECT_EQ(frames[3].kind, SimWireFrame::Nak);
}

TEST(SimFrameReader, AFrameSplitAcrossReadsKeepsItsTimes) {
  const QByteArray frame = Hex("10 02 D0 21 30 30 30 31 03 12 10 03 99 BB");
  SimFrameReader reader;
  EXPECT_TRUE(reader.Feed(frame.left(5), 100).isEmpty());
  EXPECT_TRUE(reader.Feed(frame.mid(5, 8), 200).isEmpty());
  const auto frames = reader.Feed(frame.mid(13), 300);
  ASSERT_EQ(frames.size(), 1);
  EXPECT_TRUE(frames[0].crcOk);
  EXPECT_EQ(frames[0].startUs, 100);
  EXPECT_EQ(frames[0].endUs, 300);
}

TEST(SimFrameReader, DoubledDleBeforeEtxOrEotIsData) {
  // 10 10 03 and 10 10 04 inside a body end nothing.
  const auto frames = Read(Hex("10 02 10 10 03 10 10 04 10 03") + Hex("00 00"));
  ASSERT_EQ(frames.size(), 1);
  EXPECT_EQ(frames[0].body, Hex("10 03 10 04"));
  EXPECT_FALSE(frames[0].crcOk);
}

TEST(SimFrameReader, BadCrcIsMarkedAndTheWireKept) {
  QByteArray frame = SimFraming::DataFrame(Hex("00 01 60"));
  frame[frame.size() - 1] = char(frame[frame.size() - 1] ^ 1);
  const auto frames = Read(frame);
  ASSERT_EQ(frames.size(), 1);
  EXPECT_FALSE(frames[0].crcOk);
  EXPECT_EQ(frames[0].wire, frame);
}

TEST(SimFrameReader, StrayBytesBecomeNoiseAndDoNotHideTheNextFrame) {
  const auto frames = Read(Hex("41 42 10 41 10 06"));
  ASSERT_EQ(frames.size(), 2);
  EXPECT_EQ(frames[0].kind, SimWireFrame::Noise);
  EXPECT_EQ(frames[0].wire, Hex("41 42 10 41"));
  EXPECT_EQ(frames[1].kind, SimWireFrame::Ack);
}

TEST(SimFrameReader, AFrameCutShortByANewFrameIsNoise) {
  const QByteArray good = SimFraming::DataFrame(Hex("00 01 20"));
  const auto frames = Read(Hex("10 02 E0 0E 30") + good);
  ASSERT_EQ(frames.size(), 2);
  EXPECT_EQ(frames[0].kind, SimWireFrame::Noise);
  EXPECT_EQ(frames[0].wire, Hex("10 02 E0 0E 30"));
  EXPECT_EQ(frames[1].body, Hex("00 01 20"));
  EXPECT_TRUE(frames[1].crcOk);
}

TEST(SimFrameReader, AnEndlessBodyIsDroppedAsNoise) {
  const QByteArray junk = Hex("10 02") + QByteArray(SimFrameReader::MaxBody + 10, 'x');
  SimFrameReader reader;
  const auto frames = reader.Feed(junk + Hex("10 06"), 0);
  ASSERT_GE(frames.size(), 2);
  EXPECT_EQ(frames.first().kind, SimWireFrame::Noise);
  EXPECT_EQ(frames.last().kind, SimWireFrame::Ack);
}
