#include "crs-sim/SimCrc.h"

#include <array>

namespace SimCrc {

quint16 Step(quint16 crc, quint8 byte) {
  crc ^= byte;
  for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  return crc;
}

// A whole frame is summed a byte at a time through the table of Step's results, so the
// register answers a 4 KB block without a pause of its own.
quint16 Of(const QByteArray& bytes, quint16 crc) {
  static const auto table = [] {
    std::array<quint16, 256> t{};
    for (int value = 0; value < 256; ++value) t[std::size_t(value)] = Step(0, quint8(value));
    return t;
  }();
  for (char c : bytes) crc = quint16((crc >> 8) ^ table[(crc ^ quint8(c)) & 0xFF]);
  return crc;
}

} // namespace SimCrc
