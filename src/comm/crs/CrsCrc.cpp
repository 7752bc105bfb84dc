#include "comm/crs/CrsCrc.h"

#include "comm/crs/CrsLinkBytes.h"

#include <array>
#include <cstring>

namespace {
using Table = std::array<std::uint16_t, 256>;
// kTables[0] holds the CRC of each byte value alone; kTables[k] that of the value followed
// by k zero bytes. Eight bytes are then summed with eight independent look-ups in place of
// a chain of eight dependent ones: a frame of 4 KB costs a few microseconds.
constexpr std::array<Table, 8> MakeTables() {
  std::array<Table, 8> tables{};
  for (int value = 0; value < 256; ++value) {
    auto crc = std::uint16_t(value);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? std::uint16_t((crc >> 1) ^ 0xA001) : std::uint16_t(crc >> 1);
    tables[0][std::size_t(value)] = crc;
  }
  for (std::size_t k = 1; k < 8; ++k)
    for (std::size_t value = 0; value < 256; ++value) {
      const std::uint16_t prev = tables[k - 1][value];
      tables[k][value] = std::uint16_t((prev >> 8) ^ tables[0][prev & 0xFF]);
    }
  return tables;
}
constexpr auto kTables = MakeTables();
constexpr const Table& kTable = kTables[0];

inline void Step(std::uint8_t byte, std::uint16_t& crc) { crc = std::uint16_t((crc >> 8) ^ kTable[(crc ^ byte) & 0xFF]); }

// A run of bytes with no DLE to skip.
inline void Run(const std::uint8_t* p, const std::uint8_t* end, std::uint16_t& crc) {
  for (; end - p >= 8; p += 8) {
    const std::uint16_t x = std::uint16_t(crc ^ (p[0] | (p[1] << 8)));
    crc = std::uint16_t(kTables[7][x & 0xFF] ^ kTables[6][x >> 8] ^ kTables[5][p[2]] ^ kTables[4][p[3]] ^
                        kTables[3][p[4]] ^ kTables[2][p[5]] ^ kTables[1][p[6]] ^ kTables[0][p[7]]);
  }
  for (; p < end; ++p) Step(*p, crc);
}
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
    Run(p, stop, crc);
    if (!dle) break;
    if (dle + 1 < end) Step(dle[1], crc);
    p = dle + 2;
  }
  return crc;
}
