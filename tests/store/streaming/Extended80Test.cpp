#include "store/streaming/Extended80.h"

#include "TestSupport.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {
Extended80::TBytes Bytes(const char* hex) {
  const QByteArray raw = TestSupport::Hex(hex);
  Extended80::TBytes out{};
  EXPECT_EQ(raw.size(), 10);
  std::copy(raw.begin(), raw.end(), out.begin());
  return out;
}

QByteArray Hex(const Extended80::TBytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), 10).toHex(' ');
}

quint64 Bits(double v) { return std::bit_cast<quint64>(v); }

struct ExactCase {
  double value;
  const char* bytes; // mantissa (8 bytes), then exponent and sign (2 bytes)
};

// Values that a double and the extended form hold exactly: both directions.
const ExactCase kExact[] = {
    {1.0, "00 00 00 00 00 00 00 80 FF 3F"},
    {-1.0, "00 00 00 00 00 00 00 80 FF BF"},
    {0.0, "00 00 00 00 00 00 00 00 00 00"},
    {2.0, "00 00 00 00 00 00 00 80 00 40"},
    {0.5, "00 00 00 00 00 00 00 80 FE 3F"},
    {10.0, "00 00 00 00 00 00 00 A0 02 40"},
    {36526.5, "00 00 00 00 00 80 AE 8E 0E 40"}, // 2000-01-01 noon as a day number
    {3.141592653589793, "00 C0 68 21 A2 DA 0F C9 00 40"},
    {std::numeric_limits<double>::max(), "00 F8 FF FF FF FF FF FF FE 43"},
    {std::numeric_limits<double>::min(), "00 00 00 00 00 00 00 80 01 3C"},
    {std::numeric_limits<double>::denorm_min(), "00 00 00 00 00 00 00 80 CD 3B"},
    {std::numeric_limits<double>::infinity(), "00 00 00 00 00 00 00 80 FF 7F"},
    {-std::numeric_limits<double>::infinity(), "00 00 00 00 00 00 00 80 FF FF"},
};
} // namespace

TEST(Extended80, KnownValuesBothWays) {
  for (const ExactCase& c : kExact) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Hex(Extended80::FromDouble(c.value)), Hex(Bytes(c.bytes)));
    EXPECT_EQ(Bits(Extended80::ToDouble(Bytes(c.bytes))), Bits(c.value));
  }
}

TEST(Extended80, NegativeZeroKeepsItsSign) {
  EXPECT_EQ(Hex(Extended80::FromDouble(-0.0)), Hex(Bytes("00 00 00 00 00 00 00 00 00 80")));
  EXPECT_EQ(Bits(Extended80::ToDouble(Bytes("00 00 00 00 00 00 00 00 00 80"))), Bits(-0.0));
}

TEST(Extended80, EveryDoubleSurvivesTheRoundTrip) {
  std::mt19937_64 random(20240601);
  for (int i = 0; i < 200000; ++i) {
    const quint64 bits = random();
    const double value = std::bit_cast<double>(bits);
    if (std::isnan(value)) continue;
    ASSERT_EQ(Bits(Extended80::ToDouble(Extended80::FromDouble(value))), bits) << value;
  }
  // Every denormal binade, and the two neighbours of each power of two.
  for (int e = -1074; e <= 1023; ++e) {
    const double p = std::ldexp(1.0, e);
    for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, HUGE_VAL), -p})
      ASSERT_EQ(Bits(Extended80::ToDouble(Extended80::FromDouble(v))), Bits(v)) << v;
  }
}

TEST(Extended80, NaNStaysNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Extended80::TBytes bytes = Extended80::FromDouble(nan);
  EXPECT_EQ(bytes[9] & 0x7F, 0x7F);
  EXPECT_EQ(bytes[8], 0xFF);
  EXPECT_TRUE(std::isnan(Extended80::ToDouble(bytes)));
  EXPECT_EQ(Bits(Extended80::ToDouble(bytes)), Bits(nan));
  EXPECT_TRUE(std::isnan(Extended80::ToDouble(Bytes("00 00 00 00 00 00 00 C0 FF FF"))));
}

TEST(Extended80, RoundsToTheNearestDoubleTiesToEven) {
  const double ulp = std::ldexp(1.0, -52);
  const struct {
    const char* bytes;
    double expected;
  } cases[] = {
      {"01 00 00 00 00 00 00 80 FF 3F", 1.0},             // 1 + 2^-63: below half an ulp
      {"00 04 00 00 00 00 00 80 FF 3F", 1.0},             // exactly half: to the even 1.0
      {"01 04 00 00 00 00 00 80 FF 3F", 1.0 + ulp},       // just above half
      {"00 0C 00 00 00 00 00 80 FF 3F", 1.0 + 2 * ulp},   // 1.5 ulp: to the even 2 ulp
      {"FF FF FF FF FF FF FF FF FF 3F", 2.0},             // carries into the next binade
      {"00 00 00 00 00 00 00 40 FF 3F", 0.5},             // an unnormal, read by its value
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Bits(Extended80::ToDouble(Bytes(c.bytes))), Bits(c.expected));
  }
}

TEST(Extended80, OutsideTheDoubleRange) {
  const double inf = std::numeric_limits<double>::infinity();
  const double tiny = std::numeric_limits<double>::denorm_min();
  const struct {
    const char* bytes;
    double expected;
  } cases[] = {
      {"00 00 00 00 00 00 00 80 00 44", inf},           // 2^1025
      {"00 00 00 00 00 00 00 80 FE 7F", inf},           // the largest extended
      {"00 00 00 00 00 00 00 80 FE FF", -inf},
      {"00 FC FF FF FF FF FF FF FE 43", inf},           // rounds up past the largest double
      {"00 00 00 00 00 00 00 80 01 00", 0.0},           // far below the smallest denormal
      {"00 00 00 00 00 00 00 80 01 80", -0.0},
      {"01 00 00 00 00 00 00 00 00 00", 0.0},           // an extended denormal
      {"00 00 00 00 00 00 00 80 CC 3B", 0.0},           // 2^-1075: a tie, to the even 0
      {"00 00 00 00 00 00 00 C0 CC 3B", tiny},          // 1.5 * 2^-1075
      {"00 00 00 00 00 00 00 80 CE 3B", 2 * tiny},
      {"FF FF FF FF FF FF FF FF 00 3C", std::numeric_limits<double>::min()}, // up to a normal
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Bits(Extended80::ToDouble(Bytes(c.bytes))), Bits(c.expected));
  }
}

TEST(Extended80, PointerFormsMatchTheArrayForms) {
  quint8 buffer[12] = {};
  Extended80::Encode(-2.5, buffer + 1);
  EXPECT_EQ(Extended80::Decode(buffer + 1), -2.5);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(buffer[11], 0);
}
