#include "comm/CrsCrc.h"

#include "comm/CrsLinkBytes.h"

void CrsCrc::CrcByte(std::uint8_t byte, std::uint16_t& crc) {
  crc ^= byte;
  for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? std::uint16_t((crc >> 1) ^ 0xA001) : std::uint16_t(crc >> 1);
}

std::uint16_t CrsCrc::CrcBlock(const std::uint8_t* bytes, std::size_t length, bool skipDle) {
  std::uint16_t crc = 0;
  bool skipped = false;
  for (std::size_t i = 0; i < length; ++i) {
    if (skipDle && bytes[i] == CrsLink::DLE && !skipped) {
      skipped = true;
      continue;
    }
    skipped = false;
    CrcByte(bytes[i], crc);
  }
  return crc;
}
