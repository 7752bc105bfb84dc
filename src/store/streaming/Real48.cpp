#include "store/streaming/Real48.h"

#include "store/streaming/FloatRounding.h"

#include <bit>
#include <cstring>

namespace {
constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr quint64 kFractionMask = (quint64(1) << kFractionBits) - 1;
} // namespace

double Real48::ToDouble(const TBytes& bytes) {
  if (bytes[0] == 0) return 0.0;
  quint64 fraction = 0;
  for (int i = 0; i < 5; ++i) fraction |= quint64(bytes[i + 1]) << (8 * i);
  const bool negative = fraction & (quint64(1) << kFractionBits);
  fraction &= kFractionMask;
  // Exponents 1..255 give 2^-128..2^126, all inside the double's normal range.
  const quint64 exponent = quint64(bytes[0] - kBias + 1023);
  const quint64 bits = (negative ? quint64(1) << 63 : 0) | (exponent << 52) |
                       (fraction << (52 - kFractionBits));
  return std::bit_cast<double>(bits);
}

double Real48::Decode(const void* sixBytes) {
  TBytes bytes;
  std::memcpy(bytes.data(), sixBytes, bytes.size());
  return ToDouble(bytes);
}

Real48::TBytes Real48::FromDouble(double value) {
  const quint64 bits = std::bit_cast<quint64>(value);
  const bool negative = bits >> 63;
  int exponent = int((bits >> 52) & 0x7FF);
  if (exponent == 0x7FF) throw EReal48Overflow();
  TBytes out{};
  if (exponent == 0) return out; // zero or a double denormal, far below 2^-128
  const quint64 mantissa = (quint64(1) << 52) | (bits & ((quint64(1) << 52) - 1));
  quint64 rounded = FloatRounding::ShiftRightRounded(mantissa, 52 - kFractionBits);
  if (rounded >> (kFractionBits + 1)) { // carried to the next power of two
    rounded >>= 1;
    ++exponent;
  }
  const int stored = exponent - 1023 + kBias;
  if (stored > 255) throw EReal48Overflow();
  if (stored < 1) return out;
  const quint64 body = (rounded & kFractionMask) | (negative ? quint64(1) << kFractionBits : 0);
  out[0] = quint8(stored);
  for (int i = 0; i < 5; ++i) out[i + 1] = quint8(body >> (8 * i));
  return out;
}

void Real48::Encode(double value, void* sixBytes) {
  const TBytes bytes = FromDouble(value);
  std::memcpy(sixBytes, bytes.data(), bytes.size());
}
