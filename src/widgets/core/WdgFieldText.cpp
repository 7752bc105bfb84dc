#include "widgets/core/WdgFieldText.h"

#include "widgets/core/WdgStr.h"

namespace {
// Digits of a full 32-bit text, and digits per byte of value.
struct RadixDigits {
  int full;
  int perByte;
};

RadixDigits DigitsOf(TWdgRadix radix) {
  switch (radix) {
  case TWdgRadix::Hex: return {8, 2};
  case TWdgRadix::Octal: return {12, 4};
  default: return {32, 8};
  }
}

QString FullText(uint32_t value, TWdgRadix radix) {
  switch (radix) {
  case TWdgRadix::Hex: return HexText32(value);
  case TWdgRadix::Octal: return OctalText(value);
  default: return BinaryText(value);
  }
}

// Built from the last character (bit 0) leftward; leading zeros beyond 32 digits are allowed.
bool BinaryToInt(const QString& text, int32_t& value) {
  uint32_t bits = 0;
  for (qsizetype i = text.size() - 1, bit = 0; i >= 0; --i, ++bit) {
    const QChar c = text[i];
    if (c != u'0' && c != u'1') return false;
    if (c == u'1') {
      if (bit >= 32) return false;
      bits |= 1u << bit;
    }
  }
  value = int32_t(bits);
  return true;
}

bool OctalToInt(const QString& text, int32_t& value) {
  uint32_t bits = 0;
  for (QChar c : text) {
    if (bits >> 29) return false;  // the next shift would push set bits out of the top
    bits = (bits << 3) + uint32_t(c.unicode() - u'0');
  }
  value = int32_t(bits);
  return true;
}
} // namespace

TWdgRadix RadixOfPicture(const QString& picture) {
  if (picture.contains(u'K')) return TWdgRadix::Hex;
  if (picture.contains(u'O')) return TWdgRadix::Octal;
  if (picture.contains(u'b')) return TWdgRadix::Binary;
  return TWdgRadix::Decimal;
}

QString IntToFieldText(int32_t value, TWdgRadix radix, int dataSize) {
  if (radix == TWdgRadix::Decimal) return QString::number(value);
  const RadixDigits digits = DigitsOf(radix);
  QString text = FullText(uint32_t(value), radix);
  if (dataSize > 0 && dataSize < 4) text.remove(0, digits.full - digits.perByte * dataSize);
  return text;
}

bool FieldTextToInt(const QString& text, TWdgRadix radix, int32_t& value) {
  QString s = text;
  TrimBlanks(s);
  if (s.isEmpty()) {
    value = 0;
    return true;
  }
  if (radix == TWdgRadix::Binary) return BinaryToInt(s, value);
  if (radix == TWdgRadix::Octal) {
    // Only octal digits reach here on a field; anything else is no number either.
    for (QChar c : s)
      if (c < u'0' || c > u'7') return false;
    return OctalToInt(s, value);
  }
  if (radix == TWdgRadix::Hex) {
    const qsizetype dollar = s.indexOf(u'$');
    if (dollar >= 0) s.replace(dollar, 1, QStringLiteral("0x"));
    else s.prepend(QStringLiteral("0x"));
  }
  int32_t read = 0;
  if (!TextToLong(s, read)) return false;
  value = read;
  return true;
}
