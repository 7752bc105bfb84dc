#include "store/streaming/FloatRounding.h"

quint64 FloatRounding::ShiftRightRounded(quint64 value, int shift) {
  if (shift <= 0) return value;
  if (shift > 64) return 0; // even the rounding bit lies above the value
  if (shift == 64) {
    const quint64 half = quint64(1) << 63;
    return value > half ? 1 : 0; // a tie rounds to the even 0
  }
  const quint64 quotient = value >> shift;
  const quint64 rest = value & ((quint64(1) << shift) - 1);
  const quint64 half = quint64(1) << (shift - 1);
  if (rest > half || (rest == half && (quotient & 1))) return quotient + 1;
  return quotient;
}
