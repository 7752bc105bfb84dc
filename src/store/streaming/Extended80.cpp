#include "store/streaming/Extended80.h"

#include "store/streaming/FloatRounding.h"

#include <bit>
#include <cstring>

namespace {
constexpr int kExtBias = 16383;
constexpr int kExtMaxExp = 0x7FFF;
constexpr quint64 kIntegerBit = quint64(1) << 63;
constexpr quint64 kDoubleFraction = (quint64(1) << 52) - 1;
constexpr quint64 kDoubleSign = quint64(1) << 63;
constexpr quint64 kDoubleInfinity = quint64(0x7FF) << 52;

Extended80::TBytes Pack(bool negative, int exponent, quint64 mantissa) {
  Extended80::TBytes out{};
  for (int i = 0; i < 8; ++i) out[i] = quint8(mantissa >> (8 * i));
  const quint16 top = quint16(exponent) | (negative ? 0x8000 : 0);
  out[8] = quint8(top);
  out[9] = quint8(top >> 8);
  return out;
}

double FromBits(quint64 bits) { return std::bit_cast<double>(bits); }

// A normalised mantissa (integer bit set) times 2^(log2Top - 63), rounded into a double.
quint64 RoundToDoubleBits(quint64 mantissa, int log2Top) {
  if (log2Top > 1023) return kDoubleInfinity;
  if (log2Top >= -1022) {
    const quint64 rounded = FloatRounding::ShiftRightRounded(mantissa, 11); // 2^52..2^53
    // The hidden bit adds one to the exponent field; a carry to 2^53 moves on to the
    // next binade, and past the largest one to the infinity pattern.
    return (quint64(log2Top + 1022) << 52) + rounded;
  }
  // Denormal range: fewer mantissa bits remain; a carry to 2^52 is the smallest normal.
  return FloatRounding::ShiftRightRounded(mantissa, 11 + (-1022 - log2Top));
}
} // namespace

Extended80::TBytes Extended80::FromDouble(double value) {
  const quint64 bits = std::bit_cast<quint64>(value);
  const bool negative = bits & kDoubleSign;
  const int exponent = int((bits >> 52) & 0x7FF);
  const quint64 fraction = bits & kDoubleFraction;
  if (exponent == 0x7FF) {
    if (fraction == 0) return Pack(negative, kExtMaxExp, kIntegerBit);
    return Pack(negative, kExtMaxExp, kIntegerBit | (fraction << 11)); // NaN, payload kept
  }
  if (exponent == 0) {
    if (fraction == 0) return Pack(negative, 0, 0);
    const int shift = std::countl_zero(fraction);
    return Pack(negative, kExtBias - 1011 - shift, fraction << shift);
  }
  return Pack(negative, exponent - 1023 + kExtBias, kIntegerBit | (fraction << 11));
}

void Extended80::Encode(double value, void* tenBytes) {
  const TBytes bytes = FromDouble(value);
  std::memcpy(tenBytes, bytes.data(), bytes.size());
}

double Extended80::ToDouble(const TBytes& bytes) {
  quint64 mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= quint64(bytes[i]) << (8 * i);
  const quint16 top = quint16(bytes[8] | (bytes[9] << 8));
  const quint64 sign = (top & 0x8000) ? kDoubleSign : 0;
  const int exponent = top & 0x7FFF;
  if (exponent == kExtMaxExp) {
    if ((mantissa & ~kIntegerBit) == 0) return FromBits(sign | kDoubleInfinity);
    return FromBits(sign | kDoubleInfinity | (quint64(1) << 51) | ((mantissa >> 11) & kDoubleFraction));
  }
  if (mantissa == 0) return FromBits(sign);
  const int shift = std::countl_zero(mantissa);
  // The value is mantissa * 2^(e - bias - 63), where a zero exponent field counts as 1.
  const int log2Top = (exponent == 0 ? 1 : exponent) - kExtBias - shift;
  return FromBits(sign | RoundToDoubleBits(mantissa << shift, log2Top));
}

double Extended80::Decode(const void* tenBytes) {
  TBytes bytes;
  std::memcpy(bytes.data(), tenBytes, bytes.size());
  return ToDouble(bytes);
}
