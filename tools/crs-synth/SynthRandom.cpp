#include "crs-synth/SynthRandom.h"

namespace {
qint64 Limit(int digits) {
  qint64 p = 1;
  for (int i = 0; i < digits; ++i) p *= 10;
  return p - 1;
}
} // namespace

qint64 SynthRandom::UnsignedValue(int digits) {
  switch (Below(10)) {
  case 0:
    return 0;
  case 1:
    return Limit(digits);
  default: // a random length first, so that short and long numbers come up alike
    return qint64(Below(quint64(Limit(1 + int(Below(quint64(digits))))) + 1));
  }
}

qint64 SynthRandom::SignedValue(int digits) {
  if (Below(10) == 0) return -Limit(digits);
  const qint64 magnitude = UnsignedValue(digits);
  return Below(3) == 0 ? -magnitude : magnitude;
}
