#include "crs-sim/SimCrc.h"

#include <array>

namespace SimCrc {

quint16 Step(quint16 crc, quint8 byte) {
  crc ^= byte;
  for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  return crc;
}

// A whole frame is summed eight bytes at a time: tables[k] holds the CRC of each byte value
// followed by k zero bytes, so the eight look-ups of a step do not wait for one another and
// the register answers a 4 KB block without a pause of its own.
quint16 Of(const QByteArray& bytes, quint16 crc) {
  using Table = std::array<quint16, 256>;
  static const auto tables = [] {
    std::array<Table, 8> t{};
    for (int value = 0; value < 256; ++value) t[0][std::size_t(value)] = Step(0, quint8(value));
    for (std::size_t k = 1; k < 8; ++k)
      for (std::size_t value = 0; value < 256; ++value) t[k][value] = Step(t[k - 1][value], 0);
    return t;
  }();
  const auto* p = reinterpret_cast<const quint8*>(bytes.constData());
  const quint8* const end = p + bytes.size();
  for (; end - p >= 8; p += 8) {
    const quint16 x = quint16(crc ^ (p[0] | (p[1] << 8)));
    crc = quint16(tables[7][x & 0xFF] ^ tables[6][x >> 8] ^ tables[5][p[2]] ^ tables[4][p[3]] ^ tables[3][p[4]] ^
                  tables[2][p[5]] ^ tables[1][p[6]] ^ tables[0][p[7]]);
  }
  for (; p < end; ++p) crc = quint16((crc >> 8) ^ tables[0][(crc ^ *p) & 0xFF]);
  return crc;
}

} // namespace SimCrc
