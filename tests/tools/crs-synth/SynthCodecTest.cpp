// The synthesiser's own codecs: packed BCD, register text and the frame CRC.
#include "crs-synth/SynthBcd.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFrame.h"
#include "crs-synth/SynthText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using TestSupport::Hex;

namespace {
struct BcdCase {
  qint64 value;
  int width;
  bool isSigned;
  const char* bytes;
};

class SynthBcdVectors : public testing::TestWithParam<BcdCase> {};

TEST_P(SynthBcdVectors, EncodeAndReadBack) {
  const BcdCase& c = GetParam();
  const QByteArray bytes = c.isSigned ? SynthBcd::Signed(c.value, c.width) : SynthBcd::Unsigned(c.value, c.width);
  EXPECT_EQ(bytes.toHex(' '), Hex(c.bytes).toHex(' '));
  EXPECT_EQ(c.isSigned ? SynthBcd::ReadSigned(bytes, 0, c.width) : SynthBcd::ReadUnsigned(bytes, 0, c.width), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, SynthBcdVectors,
    testing::Values(BcdCase{-1234, 3, true, "01 23 4D"}, BcdCase{1234, 3, true, "01 23 4C"},
                    BcdCase{65535, 2, true, "FF FF"}, BcdCase{65535, 2, false, "FF FF"},
                    BcdCase{65535, 3, false, "06 55 35"}, BcdCase{-1500, 6, true, "00 00 00 01 50 0D"},
                    BcdCase{3, 5, true, "00 00 00 00 3C"}, BcdCase{-123, 2, true, "12 3D"},
                    BcdCase{99999999999, 6, true, "99 99 99 99 99 9C"},
                    BcdCase{-99999999999, 6, true, "99 99 99 99 99 9D"},
                    BcdCase{999999999999, 6, false, "99 99 99 99 99 99"}, BcdCase{0, 6, true, "00 00 00 00 00 0C"},
                    BcdCase{2230, 2, false, "22 30"}, BcdCase{7, 1, false, "07"}));

TEST(SynthBcd, RefusesWhatTheFieldCannotHold) {
  EXPECT_THROW(SynthBcd::Signed(1234, 2), SynthValueError); // three digits and the sign
  EXPECT_THROW(SynthBcd::Signed(100000000000, 6), SynthValueError);
  EXPECT_THROW(SynthBcd::Unsigned(-1, 3), SynthValueError);
  EXPECT_THROW(SynthBcd::Unsigned(100, 1), SynthValueError);
  EXPECT_NO_THROW(SynthBcd::Signed(-999, 2));
}

TEST(SynthBcd, ReaderTakesAnyNibbleAndOnlyDAsNegative) {
  EXPECT_EQ(SynthBcd::ReadSigned(Hex("01 23 4B"), 0, 3), 1234);
  EXPECT_EQ(SynthBcd::ReadUnsigned(Hex("FF FF FF"), 0, 3), 1666665);
}

TEST(SynthText, MapsAnglesAndPadsWithZeros) {
  EXPECT_EQ(SynthText::Encode(QStringLiteral("<A>"), 5), Hex("0E 41 0F 00 00"));
  EXPECT_EQ(SynthText::Encode(QString(), 3), Hex("00 00 00"));
  EXPECT_EQ(SynthText::Decode(Hex("0E 41 0F 00 42"), 0, 5), QStringLiteral("<A>"));
  EXPECT_THROW(SynthText::Encode(QStringLiteral("TOO LONG"), 4), SynthValueError);
  EXPECT_THROW(SynthText::Encode(QStringLiteral("A\tB"), 4), SynthValueError);
}

TEST(SynthFrame, CrcIsArcAndStoredFramesCheck) {
  EXPECT_EQ(SynthFrame::Crc("123456789"), 0xBB3D);
  const QByteArray block = SynthFrame::Stored(2, 1, Hex("10 AA"));
  EXPECT_EQ(block.left(6), Hex("10 02 02 01 10 AA")); // a DLE in the data stays single
  EXPECT_EQ(block.mid(6, 2), Hex("10 03"));
  EXPECT_EQ(SynthFrame::Data(block), Hex("10 AA"));
  QByteArray damaged = block;
  damaged[5] = char(0xAB);
  EXPECT_THROW(SynthFrame::Data(damaged), SynthFileError);
  EXPECT_THROW(SynthFrame::Stored(0, 0, QByteArray(4089, '\0')), SynthValueError);
}
} // namespace
