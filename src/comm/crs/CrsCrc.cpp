#include "comm/crs/CrsCrc.h"

#include "comm/crs/CrsLinkBytes.h"

#include <array>
#include <cstring>

namespace {
// The CRC of each byte value alone: a frame of 4 KB is checked with one look-up a byte
// instead of eight shifts.
constexpr std::array<std::uint16_t, 256> MakeTable() {
  std::array<std::uint16_t, 256> table{};
  for (int value = 0; value < 256; ++value) {
    auto crc = std::uint16_t(value);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? std::uint16_t((crc >> 1) ^ 0xA001) : std::uint16_t(crc >> 1);
    table[std::size_t(value)] = crc;
  }
  return table;
}
constexpr auto kTable = MakeTable();

inline void Step(std::uint8_t byte, std::uint16_t& crc) { crc = std::uint16_t((crc >> 8) ^ kTable[(crc ^ byte) & 0xFF]); }
} // namespace

void CrsCrc::CrcByte(std::uint8_t byte, std::uint16_t& crc) { Step(byte, crc); }

// With skipDle the sum skips the first DLE of each pair (and a lone one) and takes the
// byte after it whatever it is; the runs between DLEs are summed without a test a byte.
std::uint16_t CrsCrc::CrcBlock(const std::uint8_t* bytes, std::size_t length, bool skipDle) {
  std::uint16_t crc = 0;
  const std::uint8_t* p = bytes;
  const std::uint8_t* const end = bytes + length;
  while (p < end) {
    const auto* dle = skipDle ? static_cast<const std::uint8_t*>(std::memchr(p, CrsLink::DLE, std::size_t(end - p))) : nullptr;
    const std::uint8_t* const stop = dle ? dle : end;
    for (; p < stop; ++p) Step(*p, crc);
    if (!dle) break;
    if (dle + 1 < end) Step(dle[1], crc);
    p = dle + 2;
  }
  return crc;
}
