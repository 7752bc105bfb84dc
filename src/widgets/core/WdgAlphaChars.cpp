#include "widgets/core/WdgAlphaChars.h"

#include "platform/sys/Cp1252.h"

namespace {
std::bitset<256> BuildAlphaChars() {
  std::bitset<256> set;
  for (char c : {' ', ',', '-', '.'}) set.set(static_cast<unsigned char>(c));
  for (int c = 'A'; c <= 'Z'; ++c) set.set(c);
  for (int c = 'a'; c <= 'z'; ++c) set.set(c);
  for (int byte = 128; byte < 256; ++byte)
    if (Cp1252::ToChar(static_cast<unsigned char>(byte)).isLetter()) set.set(byte);
  return set;
}
} // namespace

const std::bitset<256>& AlphaChars() {
  static const std::bitset<256> set = BuildAlphaChars();
  return set;
}

bool IsAlphaChar(QChar c) {
  if (c.unicode() < 128) return AlphaChars().test(c.unicode());
  const char byte = Cp1252::FromChar(c);
  return byte != 0 && static_cast<unsigned char>(byte) >= 128 && AlphaChars().test(static_cast<unsigned char>(byte));
}
