#include "crs-synth/SynthBcd.h"

#include "crs-synth/SynthErrors.h"

namespace SynthBcd {

namespace {
constexpr qint64 kFfff = 65535;

qint64 PowerOfTen(int digits) {
  qint64 p = 1;
  for (int i = 0; i < digits; ++i) p *= 10;
  return p;
}

[[noreturn]] void TooWide(qint64 value, int width, bool isSigned) {
  throw SynthValueError(QStringLiteral("%1 does not fit a %2 BCD field of %3 bytes")
                            .arg(value)
                            .arg(isSigned ? QStringLiteral("signed") : QStringLiteral("unsigned"))
                            .arg(width));
}

// Writes the digits of magnitude into out from its last nibble backwards, starting at nibble
// index `nibble` (0 = high nibble of byte 0).
void PutDigits(QByteArray& out, qint64 magnitude, int lastNibble) {
  for (int nibble = lastNibble; nibble >= 0; --nibble) {
    const int digit = int(magnitude % 10);
    magnitude /= 10;
    char& byte = out[nibble / 2];
    byte = char(nibble % 2 ? (quint8(byte) & 0xF0) | digit : (quint8(byte) & 0x0F) | digit << 4);
  }
}
} // namespace

qint64 MaxMagnitude(int width, bool isSigned) {
  return PowerOfTen(2 * width - (isSigned ? 1 : 0)) - 1;
}

QByteArray Unsigned(qint64 value, int width) {
  if (width == 2 && value == kFfff) return QByteArray(2, char(0xFF));
  if (value < 0 || value > MaxMagnitude(width, false)) TooWide(value, width, false);
  QByteArray out(width, '\0');
  PutDigits(out, value, 2 * width - 1);
  return out;
}

QByteArray Signed(qint64 value, int width) {
  if (width == 2 && value == kFfff) return QByteArray(2, char(0xFF));
  const qint64 magnitude = value < 0 ? -value : value;
  if (width < 1 || magnitude > MaxMagnitude(width, true)) TooWide(value, width, true);
  QByteArray out(width, '\0');
  PutDigits(out, magnitude, 2 * width - 2);
  out[width - 1] = char((quint8(out[width - 1]) & 0xF0) | (value < 0 ? 0x0D : 0x0C));
  return out;
}

qint64 ReadUnsigned(const QByteArray& bytes, qsizetype at, int width) {
  if (width == 2 && quint8(bytes[at]) == 0xFF && quint8(bytes[at + 1]) == 0xFF) return kFfff;
  qint64 value = 0;
  for (int i = 0; i < width; ++i) {
    const quint8 byte = quint8(bytes[at + i]);
    value = (value * 10 + (byte >> 4)) * 10 + (byte & 0x0F);
  }
  return value;
}

qint64 ReadSigned(const QByteArray& bytes, qsizetype at, int width) {
  if (width == 2 && quint8(bytes[at]) == 0xFF && quint8(bytes[at + 1]) == 0xFF) return kFfff;
  qint64 value = 0;
  for (int i = 0; i < width; ++i) {
    const quint8 byte = quint8(bytes[at + i]);
    value = value * 10 + (byte >> 4);
    if (i < width - 1) value = value * 10 + (byte & 0x0F);
  }
  return (quint8(bytes[at + width - 1]) & 0x0F) == 0x0D ? -value : value;
}

} // namespace SynthBcd
