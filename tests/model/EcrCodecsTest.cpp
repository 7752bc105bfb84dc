// Known answers of the register data codecs: packed BCD, BCD dates and times, bit
// fields, single bits, texts, record counting and the request parameters.
#include "model/EConvertError.h"
#include "model/ERecMismatch.h"
#include "model/EcrErrors.h"
#include "model/tEcrFnct.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {
using TestSupport::Hex;

// A block holding the bytes at offset 10, and the same span read back.
TEcrBlock BlockWith(const QByteArray& bytes, int offset = 10) {
  TEcrBlock block{};
  std::copy(bytes.begin(), bytes.end(), block.begin() + offset);
  return block;
}

QByteArray Span(const TEcrBlock& block, int offset, int length) {
  return QByteArray(reinterpret_cast<const char*>(block.data()) + offset, length);
}

class EcrCodecs : public ::testing::Test {
protected:
  std::unique_ptr<tEcrFnct> fnct = tEcrFnct::New<tEcrFnct>(nullptr);
};

struct BcdCase {
  const char* bytes;
  bool isSigned;
  qint64 value;
};

TEST_F(EcrCodecs, DecodeBcdKnownAnswers) {
  const BcdCase cases[] = {
      {"FF FF", false, 65535},        {"FF FF", true, 65535},          // the two-byte marker, either way
      {"FF FF FF", false, 1666665},   // not special: each F adds 15 at its place
      {"01 23 4D", true, -1234},      {"01 23 4C", true, 1234},        {"01 23 4B", true, 1234},
      {"01 23 4F", true, 1234},       {"23 4C", true, 234},            {"12 3D", true, -123},
      {"00 00 00 01 23 4D", true, -1234}, {"06 55 35", false, 65535},  {"99", false, 99},
      {"", false, 0},                 {"12 34 56 78 90 12 34 56 78", false, 123456789012345678},
  };
  for (const BcdCase& c : cases) {
    const QByteArray bytes = Hex(c.bytes);
    EXPECT_EQ(fnct->DecodeBcd(BlockWith(bytes), 10, int(bytes.size()), c.isSigned), c.value) << c.bytes;
  }
}

TEST_F(EcrCodecs, EncodeBcdKnownAnswers) {
  const struct {
    qint64 value;
    int length;
    bool isSigned;
    const char* bytes;
  } cases[] = {
      {65535, 2, false, "FF FF"}, {65535, 2, true, "FF FF"},   {65535, 3, false, "06 55 35"},
      {-1234, 3, true, "01 23 4D"}, {1234, 3, true, "01 23 4C"}, {1234, 2, true, "23 4C"}, // leading digit dropped
      {-1234, 3, false, "00 12 34"}, {0, 3, true, "00 00 0C"},  {7, 1, false, "07"},
      {0, 0, false, ""},
  };
  for (const auto& c : cases) {
    TEcrBlock block{};
    block.fill(0xAA);
    fnct->EncodeBcd(block, 100, c.length, c.isSigned, c.value);
    EXPECT_EQ(Span(block, 100, c.length), Hex(c.bytes)) << c.value << " in " << c.length;
    EXPECT_EQ(block[99], 0xAA);
    EXPECT_EQ(block[size_t(100 + c.length)], 0xAA) << "wrote past the field";
  }
  TEcrBlock block{};
  fnct->EncodeBcd(block, 0, 2, true, 1234);
  EXPECT_EQ(fnct->DecodeBcd(block, 0, 2, true), 234);
}

TEST_F(EcrCodecs, EncodeBcdRefusesValuesTooLongForTheField) {
  TEcrBlock block{};
  EXPECT_THROW(fnct->EncodeBcd(block, 0, 2, false, 12345), ERangeError);
  EXPECT_THROW(fnct->EncodeBcd(block, 0, 2, true, -12345), ERangeError);
  EXPECT_THROW(fnct->EncodeBcd(block, 0, 10, true, std::numeric_limits<qint64>::min()), ERangeError);
  EXPECT_EQ(Span(block, 0, 10), QByteArray(10, '\0'));
}

TEST_F(EcrCodecs, DecodeBcdOfAFieldTooLongFor64BitsRaisesInsteadOfWrapping) {
  const TEcrBlock block = BlockWith(QByteArray(12, char(0x99)), 0);
  EXPECT_THROW(fnct->DecodeBcd(block, 0, 12, false), ERangeError);
}

TEST_F(EcrCodecs, CodecsRefuseBytesOutsideTheBlock) {
  TEcrBlock block{};
  EXPECT_THROW(fnct->DecodeBcd(block, 4095, 2, false), ERangeError);
  EXPECT_THROW(fnct->DecodeBcd(block, -1, 1, false), ERangeError);
  EXPECT_THROW(fnct->EncodeBcd(block, 4095, 2, false, 1), ERangeError);
  EXPECT_THROW(fnct->DecodeText(block, 4090, 7), ERangeError);
  EXPECT_THROW(fnct->EncodeText(block, 4096, 1, QStringLiteral("x")), ERangeError);
  EXPECT_THROW(fnct->GetBit(block, 4096, 0), ERangeError);
  EXPECT_EQ(fnct->DecodeBcd(block, 4095, 1, false), 0);
}

TEST_F(EcrCodecs, DatesInTheThreeOrders) {
  const struct {
    const char* bytes;
    int order;
    QDate date;
  } cases[] = {
      {"26 12 08", 0, QDate(2026, 12, 8)}, {"12 08 26", 1, QDate(2026, 12, 8)}, {"08 12 26", 2, QDate(2026, 12, 8)},
      {"90 01 02", 0, QDate(1990, 1, 2)},  {"89 01 02", 0, QDate(2089, 1, 2)},  {"02 29 00", 1, QDate(2000, 2, 29)},
  };
  for (const auto& c : cases) {
    const TDateTime got = fnct->DecodeBcdDate(BlockWith(Hex(c.bytes)), 10, 3, c.order);
    EXPECT_EQ(got.Date(), c.date) << c.bytes;
    EXPECT_EQ(got.TimePart().Days(), 0.0);
    TEcrBlock block{};
    fnct->EncodeBcdDate(block, 0, 3, c.order, got);
    EXPECT_EQ(Span(block, 0, 3), Hex(c.bytes)) << c.bytes;
  }
}

TEST_F(EcrCodecs, ZeroDateImpossibleDatesAndUnknownOrder) {
  EXPECT_TRUE(fnct->DecodeBcdDate(BlockWith(Hex("00 00 00")), 10, 3, 0).IsZero());
  EXPECT_THROW(fnct->DecodeBcdDate(BlockWith(Hex("26 13 01")), 10, 3, 0), EConvertError);
  EXPECT_THROW(fnct->DecodeBcdDate(BlockWith(Hex("26 01 32")), 10, 3, 0), EConvertError);
  EXPECT_THROW(fnct->DecodeBcdDate(BlockWith(Hex("26 02 30")), 10, 3, 0), EConvertError);
  EXPECT_THROW(fnct->DecodeBcdDate(BlockWith(Hex("26 01 02")), 10, 3, 5), EConvertError);
  TEcrBlock block{};
  fnct->EncodeBcdDate(block, 0, 3, 0, TDateTime());
  EXPECT_EQ(Span(block, 0, 3), Hex("99 12 30"));
  block.fill(0xAA);
  fnct->EncodeBcdDate(block, 0, 3, 3, TDateTime::FromDate(QDate(2026, 1, 1)));
  EXPECT_EQ(Span(block, 0, 3), Hex("AA AA AA"));
}

TEST_F(EcrCodecs, Times) {
  EXPECT_EQ(fnct->DecodeBcdTime(BlockWith(Hex("13 45")), 10, 2).Time(), QTime(13, 45));
  EXPECT_EQ(fnct->DecodeBcdTime(BlockWith(Hex("00 00")), 10, 2).Days(), 0.0);
  EXPECT_THROW(fnct->DecodeBcdTime(BlockWith(Hex("FF FF")), 10, 2), EConvertError); // 655:35
  EXPECT_THROW(fnct->DecodeBcdTime(BlockWith(Hex("24 00")), 10, 2), EConvertError);
  EXPECT_THROW(fnct->DecodeBcdTime(BlockWith(Hex("12 60")), 10, 2), EConvertError);
  TEcrBlock block{};
  fnct->EncodeBcdTime(block, 0, 2, TDateTime::FromQDateTime(QDateTime(QDate(2026, 3, 4), QTime(23, 59, 58))));
  EXPECT_EQ(Span(block, 0, 2), Hex("23 59"));
}

TEST_F(EcrCodecs, BitFields) {
  const TEcrBlock block = BlockWith(Hex("B6")); // 1011 0110
  EXPECT_EQ(fnct->GetBitField(block, 10, 0, 0), 0);
  EXPECT_EQ(fnct->GetBitField(block, 10, 1, 3), 3);
  EXPECT_EQ(fnct->GetBitField(block, 10, 4, 4), 0xB);
  EXPECT_EQ(fnct->GetBitField(block, 10, 0, 8), 0xB6);
  EXPECT_THROW(fnct->GetBitField(block, 10, 8, 1), ERangeError);
  EXPECT_THROW(fnct->GetBitField(block, 10, 6, 3), ERangeError);

  TEcrBlock changed = block;
  fnct->SetBitField(changed, 10, 2, 3, 0b101);
  EXPECT_EQ(changed[10], (0b10110110 & ~0b11100) | 0b10100);
  const quint8 before = changed[10];
  fnct->SetBitField(changed, 10, 4, 2, 0b0100); // bit 6 of the shifted value lies outside the run
  EXPECT_EQ(changed[10], (before & 0xCF) | 0x00);
  EXPECT_THROW(fnct->SetBitField(changed, 10, 4, 4, 16), ERangeError); // 16 << 4 is no byte
}

TEST_F(EcrCodecs, SingleBits) {
  TEcrBlock block = BlockWith(Hex("81"));
  EXPECT_TRUE(fnct->GetBit(block, 10, 0));
  EXPECT_FALSE(fnct->GetBit(block, 10, 1));
  EXPECT_TRUE(fnct->GetBit(block, 10, 7));
  EXPECT_FALSE(fnct->GetBit(block, 10, 8));
  EXPECT_FALSE(fnct->GetBit(block, 10, 31));
  EXPECT_THROW(fnct->GetBit(block, 10, 32), ERangeError);
  fnct->SetBit(block, 10, 0, false);
  fnct->SetBit(block, 10, 3, true);
  EXPECT_EQ(block[10], 0x88);
  EXPECT_THROW(fnct->SetBit(block, 10, 8, true), ERangeError);
}

TEST_F(EcrCodecs, Texts) {
  EXPECT_EQ(fnct->DecodeText(BlockWith(QByteArray("AB\xFD" "C \0XY", 7)), 10, 7), QStringLiteral("AB~C "));
  EXPECT_EQ(fnct->DecodeText(BlockWith(QByteArray("ABCDEFG")), 10, 4), QStringLiteral("ABCD"));
  EXPECT_EQ(fnct->DecodeText(BlockWith(QByteArray("\xE9t\xE9")), 10, 3), QStringLiteral("\u00E9t\u00E9"));

  TEcrBlock block{};
  block.fill(0xAA);
  fnct->EncodeText(block, 0, 5, QString());
  EXPECT_EQ(Span(block, 0, 6), Hex("00 00 00 00 00 AA"));
  fnct->EncodeText(block, 0, 5, QStringLiteral("a~b"));
  EXPECT_EQ(Span(block, 0, 6), Hex("61 FD 62 00 00 AA"));
  fnct->EncodeText(block, 0, 5, QStringLiteral("TOOLONGTEXT"));
  EXPECT_EQ(Span(block, 0, 6), QByteArray("TOOLO\xAA"));
}

TEST_F(EcrCodecs, CountRecords) {
  EXPECT_EQ(fnct->CountRecords(0, 10, 5), 0);
  EXPECT_EQ(fnct->CountRecords(50, 10, 5), 5);
  EXPECT_EQ(fnct->CountRecords(0, 0, 5), 0);
  const struct {
    int length, size, max;
    const char* message;
  } faults[] = {
      {-1, 10, 5, "Block Size Mismatch, got: 9999  expecting: 50"},
      {51, 10, 5, "Block Size Mismatch, got: 51  expecting: 50"},
      {60, 10, 5, "Block Size Mismatch, got: 60  expecting: 50"},
      {5, 0, 3, "Block Size Mismatch, got: 5  expecting: 0"},
  };
  for (const auto& f : faults) {
    try {
      fnct->CountRecords(f.length, f.size, f.max);
      ADD_FAILURE() << f.message;
    } catch (const ERecMismatch& e) {
      EXPECT_EQ(e.Message(), QString::fromLatin1(f.message));
    }
  }
}

TEST_F(EcrCodecs, Parameters) {
  fnct->SetIntParam(9, -7);
  EXPECT_EQ(fnct->GetIntParam(9), -7);
  EXPECT_EQ(fnct->GetIntParam(0), 0);
  EXPECT_THROW(fnct->GetIntParam(10), ERangeError);
  EXPECT_THROW(fnct->SetIntParam(-1, 1), ERangeError);
  fnct->SetCompParam(2, 1234567890123LL);
  EXPECT_EQ(fnct->GetCompParamValue(2), 1234567890123LL);
  EXPECT_DOUBLE_EQ(fnct->GetCompParam(2), 1234567890123.0);
  EXPECT_THROW(fnct->GetCompParam(10), ERangeError);
}

TEST_F(EcrCodecs, BaseGetters) {
  EXPECT_EQ(fnct->GetTableName(), QStringLiteral("tEcrFnct"));
  EXPECT_EQ(fnct->GetPrgRecSize(), 0);
  EXPECT_EQ(fnct->GetDataBaseName(), QStringLiteral("V6_CRS_DATA"));
  EXPECT_EQ(fnct->GetTableType(), TTableType::Standard);
}
} // namespace
