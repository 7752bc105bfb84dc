// Known answers of the register link, and the doubling rules, both ways.
#include "crs-sim/SimCommand.h"
#include "crs-sim/SimCrc.h"
#include "crs-sim/SimFrameReader.h"
#include "crs-sim/SimFraming.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using TestSupport::Hex;

namespace {
QByteArray CommandFrame(quint8 code, QByteArray data, quint8 first, quint8 last) {
  SimCommand cmd;
  cmd.code = code;
  cmd.data = std::move(data);
  cmd.first = first;
  cmd.last = last;
  return SimFraming::DataFrame(cmd.Body());
}

QByteArray CrcBytes(quint16 crc) {
  QByteArray bytes;
  bytes.append(char(crc & 0xFF)).append(char(crc >> 8));
  return bytes;
}

QByteArray Options(int position, quint8 value) {
  QByteArray options(15, '\0');
  options[position - 1] = char(value);
  return options;
}
} // namespace

TEST(SimCrc, CatalogueCheckValue) {
  EXPECT_EQ(SimCrc::Of("123456789"), 0xBB3D);
  EXPECT_EQ(SimCrc::Of(QByteArray()), 0x0000);
}

// The sum of many bytes at a time agrees with the rule a byte at a time, from any start value.
TEST(SimCrc, AWholeFrameSumsAsByteByByte) {
  std::mt19937 random(11);
  for (int length : {1, 7, 8, 9, 16, 17, 4090})
    for (quint16 start : {quint16(0), quint16(0x1234)}) {
      QByteArray bytes(length, '\0');
      for (char& c : bytes) c = char(random() & 0xFF);
      quint16 expected = start;
      for (char c : bytes) expected = SimCrc::Step(expected, quint8(c));
      EXPECT_EQ(SimCrc::Of(bytes, start), expected) << length;
    }
}

TEST(SimFraming, CommandFramesByteForByte) {
  struct Case {
    const char* name;
    QByteArray frame;
    const char* expected;
  } cases[] = {
      {"status, store 1, range 1..24", CommandFrame(0xA0, Hex("00"), 0x01, 0x24),
       "10 02 A0 00 30 30 30 31 01 24 10 03 89 CD"},
      {"read Financial, range 3..12", CommandFrame(0xD0, Hex("21"), 0x03, 0x12),
       "10 02 D0 21 30 30 30 31 03 12 10 03 99 BB"},
      {"logon E0 14", CommandFrame(0xE0, Hex("0E"), 0x01, 0x24), "10 02 E0 0E 30 30 30 31 01 24 10 03 39 82"},
      {"send F0 14", CommandFrame(0xF0, Hex("0E"), 0x01, 0x24), "10 02 F0 0E 30 30 30 31 01 24 10 03 F4 42"},
      {"clear B0 33", CommandFrame(0xB0, Hex("21"), 0x01, 0x24), "10 02 B0 21 30 30 30 31 01 24 10 03 87 D9"},
      {"consolidate C1 Financial, option 07 at 1", CommandFrame(0xC1, Options(1, 0x07), 0x01, 0x24),
       "10 02 C1 07 00 00 00 00 00 00 00 00 00 00 00 00 00 00 30 30 30 31 01 24 10 03 D6 E5"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.frame.toHex(' '), Hex(c.expected).toHex(' ')) << c.name;
}

TEST(SimFraming, DoublingCases) {
  struct Case {
    const char* body;
    const char* stuffed;
  } cases[] = {
      {"01 10", "01 10 10"},               // a body ending in 0x10
      {"10 03", "10 10 03"},               // 0x10 0x03 inside a body does not end it
      {"10 10", "10 10 10 10"},            // four on the line come back as two
      {"02 04 06 15", "02 04 06 15"},      // other control bytes pass as they are
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SimFraming::Stuff(Hex(c.body)), Hex(c.stuffed)) << c.body;
    EXPECT_EQ(SimFraming::Unstuff(Hex(c.stuffed)), Hex(c.body)) << c.stuffed;
  }
  // The frame of a body ending in 0x10: 10 10 then DLE ETX, and the CRC counts 0x10 once.
  const QByteArray frame = SimFraming::DataFrame(Hex("01 10"));
  EXPECT_EQ(frame.mid(2, 5), Hex("01 10 10 10 03"));
  const quint16 crc = SimCrc::Of(Hex("01 10 03"));
  EXPECT_EQ(frame.right(2), CrcBytes(crc));
}

TEST(SimFraming, CrcByteOf0x10IsSentOnceAndReadBack) {
  // Find a short body whose CRC has a 0x10 byte; such a byte must not be doubled.
  for (int b = 0; b < 0x10000; ++b) {
    const QByteArray body = CrcBytes(quint16(b)); // any two bytes will do
    const quint16 crc = SimFraming::BodyCrc(body);
    if ((crc & 0xFF) != 0x10 && (crc >> 8) != 0x10) continue;
    const QByteArray frame = SimFraming::DataFrame(body);
    EXPECT_EQ(frame.size(), 6 + SimFraming::Stuff(body).size());
    EXPECT_EQ(frame.right(2), CrcBytes(crc));
    SimFrameReader reader;
    const auto frames = reader.Feed(frame, 0);
    ASSERT_EQ(frames.size(), 1);
    EXPECT_TRUE(frames[0].crcOk);
    EXPECT_EQ(frames[0].body, body);
    return;
  }
  FAIL() << "no body with a 0x10 CRC byte found";
}

TEST(SimFraming, RandomBodiesSurviveFramingAndCutting) {
  std::mt19937 random(20260101);
  const quint8 alphabet[] = {0x10, 0x10, 0x03, 0x02, 0x04, 0x06, 0x15, 0x00, 0xFF, 0x41};
  for (int round = 0; round < 300; ++round) {
    QList<QByteArray> bodies;
    QByteArray line;
    for (int f = 0; f < 3; ++f) {
      QByteArray body;
      const int size = int(random() % 60);
      for (int i = 0; i < size; ++i)
        body.append(char(random() % 3 ? alphabet[random() % sizeof alphabet] : random() % 256));
      ASSERT_EQ(SimFraming::Unstuff(SimFraming::Stuff(body)), body);
      bodies.append(body);
      line.append(SimFraming::DataFrame(body));
    }
    SimFrameReader reader;
    QList<SimWireFrame> frames;
    for (qsizetype at = 0; at < line.size();) { // cut the line at random places
      const qsizetype piece = 1 + qsizetype(random() % 9);
      frames += reader.Feed(line.mid(at, piece), at);
      at += piece;
    }
    ASSERT_EQ(frames.size(), 3) << round;
    for (int f = 0; f < 3; ++f) {
      EXPECT_EQ(frames[f].kind, SimWireFrame::Data);
      EXPECT_TRUE(frames[f].crcOk);
      EXPECT_EQ(frames[f].body, bodies[f]);
    }
  }
}
