#include "store/streaming/Real48.h"

#include "StreamTestItems.h"
#include "TestSupport.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {
Real48::TBytes Bytes(const char* hex) {
  const QByteArray raw = TestSupport::Hex(hex);
  Real48::TBytes out{};
  EXPECT_EQ(raw.size(), 6);
  std::copy(raw.begin(), raw.end(), out.begin());
  return out;
}

QByteArray Hex(const Real48::TBytes& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), 6).toHex(' ');
}

// The largest and smallest 6-byte reals.
const double kMax = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
const double kMin = std::ldexp(1.0, -128);
} // namespace

TEST(Real48, KnownValuesBothWays) {
  const struct {
    double value;
    const char* bytes; // exponent, then the fraction with the sign in the last byte
  } cases[] = {
      {1.0, "81 00 00 00 00 00"},
      {0.0, "00 00 00 00 00 00"},
      {-1.0, "81 00 00 00 00 80"},
      {2.0, "82 00 00 00 00 00"},
      {0.5, "80 00 00 00 00 00"},
      {10.0, "84 00 00 00 00 20"},
      {-10.0, "84 00 00 00 00 A0"},
      {1.5, "81 00 00 00 00 40"},
      {1.0 + std::ldexp(1.0, -39), "81 01 00 00 00 00"},
      {kMax, "FF FF FF FF FF 7F"},
      {kMin, "01 00 00 00 00 00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Hex(Real48::FromDouble(c.value)), Hex(Bytes(c.bytes)));
    EXPECT_EQ(Real48::ToDouble(Bytes(c.bytes)), c.value);
  }
}

TEST(Real48, RoundsToFortySignificantBits) {
  // 0.1 rounds up in its last fraction bit; the 6-byte value is then read back exactly.
  EXPECT_EQ(Hex(Real48::FromDouble(0.1)), Hex(Bytes("7D CD CC CC CC 4C")));
  EXPECT_EQ(Real48::ToDouble(Bytes("7D CD CC CC CC 4C")),
            std::ldexp(1.0 + double(0x4CCCCCCCCDLL) / std::ldexp(1.0, 39), -4));
  const double halfStep = std::ldexp(1.0, -40);
  EXPECT_EQ(Hex(Real48::FromDouble(1.0 + halfStep)), Hex(Bytes("81 00 00 00 00 00"))); // tie, even
  EXPECT_EQ(Hex(Real48::FromDouble(1.0 + 3 * halfStep)), Hex(Bytes("81 02 00 00 00 00")));
  EXPECT_EQ(Hex(Real48::FromDouble(std::nextafter(2.0, 0.0))), Hex(Bytes("82 00 00 00 00 00")));
}

TEST(Real48, ZeroExponentReadsAsZeroWhateverTheRest) {
  EXPECT_EQ(std::bit_cast<quint64>(Real48::ToDouble(Bytes("00 12 34 56 78 9A"))), 0u);
}

TEST(Real48, EverySixByteRealSurvivesTheRoundTrip) {
  std::mt19937_64 random(6);
  for (int i = 0; i < 100000; ++i) {
    const quint64 r = random();
    Real48::TBytes bytes{};
    for (int b = 0; b < 6; ++b) bytes[b] = quint8(r >> (8 * b));
    if (bytes[0] == 0) continue;
    ASSERT_EQ(Hex(Real48::FromDouble(Real48::ToDouble(bytes))), Hex(bytes));
  }
}

TEST(Real48, OutOfRange) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {std::ldexp(1.0, 127), -std::ldexp(1.0, 127), std::nextafter(std::ldexp(1.0, 127), 0.0),
                   inf, -inf, std::numeric_limits<double>::quiet_NaN()})
    ExpectRaises<EReal48Overflow>([v] { Real48::FromDouble(v); }, "Value out of range of a 6-byte real");
  // Too small to hold: zero, whatever the sign.
  for (double v : {std::ldexp(1.0, -129), -std::ldexp(1.0, -129), -0.0, std::numeric_limits<double>::denorm_min()})
    EXPECT_EQ(Hex(Real48::FromDouble(v)), Hex(Bytes("00 00 00 00 00 00"))) << v;
}
