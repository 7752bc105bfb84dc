// The bytes of the register link: CRC, frames, doubling, checks and command payloads.
#include "TestSupport.h"
#include "comm/crs/CrsCmd.h"
#include "comm/crs/CrsCrc.h"
#include "comm/crs/CrsFrame.h"
#include "crs-sim/SimCrc.h"
#include "crs-sim/SimFraming.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
CrsFrame::Bytes B(const QByteArray& bytes) { return CrsFrame::Bytes(bytes.begin(), bytes.end()); }
QByteArray Q(const CrsFrame::Bytes& bytes) { return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())); }
std::string HexOf(const CrsFrame::Bytes& bytes) { return Q(bytes).toHex(' ').toUpper().toStdString(); }
std::string HexOf(const char* text) { return TestSupport::Hex(text).toHex(' ').toUpper().toStdString(); }

CrsCmd::Params Params(std::uint8_t first, std::uint8_t last) { return {"0001", first, last}; }
CrsFrame::Bytes Command(std::uint8_t command, const CrsFrame::Bytes& data, const CrsCmd::Params& params) {
  return CrsFrame::Build(CrsCmd::Payload(command, data, params));
}

CrsFrame::Checked Check(const QByteArray& frame) {
  return CrsFrame::Check(reinterpret_cast<const std::uint8_t*>(frame.constData()), size_t(frame.size()));
}
} // namespace

TEST(CrsCrc, TheCatalogueCheckValue) {
  const QByteArray text("123456789");
  EXPECT_EQ(CrsCrc::CrcBlock(reinterpret_cast<const std::uint8_t*>(text.constData()), 9, false), 0xBB3D);
}

TEST(CrsCrc, SkippingDoubledDlesGivesTheCrcOfThePlainBodyAndEtx) {
  const QByteArray stuffed = TestSupport::Hex("05 10 10 10 10 03 10 03");
  const QByteArray plain = TestSupport::Hex("05 10 10 03 03");
  EXPECT_EQ(CrsCrc::CrcBlock(reinterpret_cast<const std::uint8_t*>(stuffed.constData()), size_t(stuffed.size()), true),
            SimCrc::Of(plain));
}

// The sum a byte at a time, as the link defines it: the first DLE of each pair (or a lone
// one) is left out and the byte after it is taken whatever it is.
std::uint16_t CrcByteAtATime(const QByteArray& bytes) {
  std::uint16_t crc = 0;
  bool skipped = false;
  for (char c : bytes) {
    if (quint8(c) == 0x10 && !skipped) {
      skipped = true;
      continue;
    }
    skipped = false;
    CrsCrc::CrcByte(quint8(c), crc);
  }
  return crc;
}

TEST(CrsCrc, SkippingDlesAgreesWithTheSumByteAtATimeAtEveryPlaceADleCanStand) {
  for (const char* bytes : {"", "10", "41", "10 10", "10 41", "41 10", "10 10 10", "10 10 10 10 41", "41 10 42 10 10 43 10",
                            "10 10 41 42 43 10", "41 42 43 44 45 46 47 48 10 10 49 10"}) {
    const QByteArray b = TestSupport::Hex(bytes);
    EXPECT_EQ(CrsCrc::CrcBlock(reinterpret_cast<const std::uint8_t*>(b.constData()), size_t(b.size()), true),
              CrcByteAtATime(b))
        << bytes;
  }
  // Every length up to a few eight-byte steps and a block's worth, DLEs scattered at random.
  QRandomGenerator random(7);
  for (int length : {1, 7, 8, 9, 15, 16, 17, 23, 4090}) {
    QByteArray b(length, '\0');
    for (char& c : b) c = random.bounded(8) == 0 ? char(0x10) : char(random.bounded(256));
    EXPECT_EQ(CrsCrc::CrcBlock(reinterpret_cast<const std::uint8_t*>(b.constData()), size_t(b.size()), true),
              CrcByteAtATime(b))
        << length;
    EXPECT_EQ(CrsCrc::CrcBlock(reinterpret_cast<const std::uint8_t*>(b.constData()), size_t(b.size()), false),
              SimCrc::Of(b))
        << length;
  }
}

// The frames every register understands, byte for byte.
TEST(CrsFrames, KnownCommandFrames) {
  struct Known {
    std::uint8_t command;
    QByteArray data;
    std::uint8_t first, last;
    const char* frame;
  };
  QByteArray options(15, '\0');
  options[0] = 0x07;
  const Known known[] = {
      {0xA0, TestSupport::Hex("00"), 0x01, 0x24, "10 02 A0 00 30 30 30 31 01 24 10 03 89 CD"},
      {0xD0, TestSupport::Hex("21"), 0x03, 0x12, "10 02 D0 21 30 30 30 31 03 12 10 03 99 BB"},
      {0xE0, TestSupport::Hex("0E"), 0x01, 0x24, "10 02 E0 0E 30 30 30 31 01 24 10 03 39 82"},
      {0xF0, TestSupport::Hex("0E"), 0x01, 0x24, "10 02 F0 0E 30 30 30 31 01 24 10 03 F4 42"},
      {0xB0, TestSupport::Hex("21"), 0x01, 0x24, "10 02 B0 21 30 30 30 31 01 24 10 03 87 D9"},
      {0xC1, options, 0x01, 0x24,
       "10 02 C1 07 00 00 00 00 00 00 00 00 00 00 00 00 00 00 30 30 30 31 01 24 10 03 D6 E5"},
  };
  for (const Known& k : known)
    EXPECT_EQ(HexOf(Command(k.command, B(k.data), Params(k.first, k.last))), HexOf(k.frame)) << k.frame;
}

TEST(CrsFrames, Doubling) {
  struct Case {
    const char* body;
    const char* frame; // without the CRC bytes
  };
  const Case cases[] = {
      {"05 10", "10 02 05 10 10 10 03"},                   // a body ending in DLE
      {"10 10", "10 02 10 10 10 10 10 03"},                // two DLEs become four
      {"41 10 03 42", "10 02 41 10 10 03 42 10 03"},       // DLE ETX inside the body is data
      {"", "10 02 10 03"},
  };
  for (const Case& c : cases) {
    const CrsFrame::Bytes frame = CrsFrame::Build(B(TestSupport::Hex(c.body)));
    EXPECT_EQ(HexOf(CrsFrame::Bytes(frame.begin(), frame.end() - 2)), HexOf(c.frame)) << c.body;
    EXPECT_EQ(Q(frame), SimFraming::DataFrame(TestSupport::Hex(c.body))) << "the register frames it alike";
  }
}

TEST(CrsFrames, ACrcByteOfDleIsSentOnceAndKeptOnReceipt) {
  // Search a body whose CRC holds a DLE; the frame must end with it undoubled.
  for (int n = 0; n < 5000; ++n) {
    const QByteArray body = QByteArray::number(n);
    const quint16 crc = SimFraming::BodyCrc(body);
    if ((crc & 0xFF) != 0x10 && (crc >> 8) != 0x10) continue;
    const CrsFrame::Bytes frame = CrsFrame::Build(B(body));
    ASSERT_EQ(frame.size(), size_t(body.size()) + 6);
    EXPECT_EQ(frame[frame.size() - 2], crc & 0xFF);
    EXPECT_EQ(frame[frame.size() - 1], crc >> 8);
    const auto checked = CrsFrame::Check(frame.data(), frame.size());
    ASSERT_EQ(checked.kind, CrsFrame::Kind::Block);
    EXPECT_EQ(checked.frame, frame);
    return;
  }
  FAIL() << "no body with a DLE in its CRC";
}

TEST(CrsFrames, UnstuffingTakesPairsFromTheFront) {
  struct Case {
    const char *received, *plain;
  } cases[] = {
      {"10 02 00 01 10 10 10 10 10 10 41 10 03 AA BB", "10 02 00 01 10 10 10 41 10 03 AA BB"},
      {"10 02 10 10 10 41 10 03 AA BB", "10 02 10 10 41 10 03 AA BB"}, // a lone DLE after a pair stays
      {"10 02 41 10 10 10 03 AA BB", "10 02 41 10 10 03 AA BB"},      // and so does one right before DLE ETX
      {"10 02 10 10 10 03 AA BB", "10 02 10 10 03 AA BB"},
      {"10 02 41 42 10 03 AA BB", "10 02 41 42 10 03 AA BB"},
  };
  for (const Case& c : cases) {
    const CrsFrame::Bytes received = B(TestSupport::Hex(c.received));
    EXPECT_EQ(HexOf(CrsFrame::Unstuff(received.data(), received.size())), HexOf(c.plain)) << c.received;
  }
}

TEST(CrsFrames, AWrongCrcLeavesTheFrameAsReceived) {
  QByteArray frame = SimFraming::DataFrame(TestSupport::Hex("00 01 10 20"));
  frame[frame.size() - 1] = char(frame[frame.size() - 1] ^ 0x01);
  const auto checked = Check(frame);
  EXPECT_EQ(checked.kind, CrsFrame::Kind::Bad);
  EXPECT_EQ(Q(checked.frame), frame) << "still doubled";
}

TEST(CrsFrames, AnErrorBlockIsShortOnly) {
  const QByteArray error = SimFraming::DataFrame(TestSupport::Hex("00 01 FF 07 00")); // 11 bytes
  ASSERT_EQ(error.size(), 11);
  const auto checked = Check(error);
  EXPECT_EQ(checked.kind, CrsFrame::Kind::Error);
  EXPECT_EQ(checked.errorCode, 7);
  const QByteArray longer = SimFraming::DataFrame(TestSupport::Hex("00 01 FF 07 00 00")); // 12 bytes
  EXPECT_EQ(Check(longer).kind, CrsFrame::Kind::Block);
}

TEST(CrsFrames, WhatCannotBeAFrameIsBad) {
  const QByteArray good = SimFraming::DataFrame(TestSupport::Hex("00 01 41"));
  const QByteArray cases[] = {
      good.left(7),                                                        // too short
      TestSupport::Hex("10 02 10 03") + good.right(2),                     // no block number
      "\x11" + good.mid(1),                                                // no DLE STX
      SimFraming::DataFrame(QByteArray(4094, 'x')),                        // longer than the receive buffer
      SimFraming::DataFrame(QByteArray(4091, 'x')),                        // fits the buffer, not a block
      TestSupport::Hex("10 02 05 01 10 41 10 03 21 5D"),                   // a lone DLE, though the CRC fits
  };
  for (const QByteArray& frame : cases) EXPECT_EQ(Check(frame).kind, CrsFrame::Kind::Bad) << frame.size();
  EXPECT_EQ(Check(SimFraming::DataFrame(QByteArray(4090, 'x'))).kind, CrsFrame::Kind::Block) << "the longest block";
}

TEST(CrsFrames, BlockNumberAndRecordCount) {
  const auto checked = Check(SimFraming::DataFrame(TestSupport::Hex("05 03 41")));
  EXPECT_EQ(CrsFrame::BlockNumber(checked.frame), 5);
  EXPECT_EQ(CrsFrame::RecordCount(checked.frame), 3);
}

// Bodies rich in DLE and ETX go through building and checking unchanged, and the register
// reads them as the system meant.
TEST(CrsFrames, RandomisedRoundTrip) {
  QRandomGenerator random(20260304);
  const std::uint8_t alphabet[] = {0x10, 0x03, 0x02, 0x10, 0x04, 0x06, 0x15, 0xFF, 0x00, 0x41};
  for (int round = 0; round < 2000; ++round) {
    CrsFrame::Bytes body(size_t(2 + random.bounded(300)));
    for (auto& byte : body) byte = random.bounded(3) ? alphabet[random.bounded(10)] : std::uint8_t(random.bounded(256));
    const CrsFrame::Bytes frame = CrsFrame::Build(body);
    ASSERT_EQ(Q(frame), SimFraming::DataFrame(Q(body))) << round;
    const auto checked = CrsFrame::Check(frame.data(), frame.size());
    if (checked.kind == CrsFrame::Kind::Error) continue; // a short body that reads as an error block
    ASSERT_EQ(checked.kind, CrsFrame::Kind::Block) << round;
    CrsFrame::Bytes stored{0x10, 0x02};
    stored.insert(stored.end(), body.begin(), body.end());
    stored.insert(stored.end(), frame.end() - 4, frame.end());
    ASSERT_EQ(checked.frame, stored) << round;
  }
}

TEST(CrsCmd, StoreNumbersAndRanges) {
  EXPECT_EQ(CrsCmd::StoreNumberText(1), "0001");
  EXPECT_EQ(CrsCmd::StoreNumberText(9999), "9999");
  EXPECT_EQ(CrsCmd::StoreNumberText(10000), "****");
  EXPECT_EQ(CrsCmd::StoreNumberText(-1), "****");
  EXPECT_EQ(CrsCmd::ToBcd(0), 0x00);
  EXPECT_EQ(CrsCmd::ToBcd(24), 0x24);
  EXPECT_EQ(CrsCmd::ToBcd(99), 0x99);
  EXPECT_EQ(CrsCmd::ToBcd(100), -1);
  EXPECT_EQ(CrsCmd::ToBcd(-1), -1);
}
