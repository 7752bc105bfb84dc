#include "crs-sim/SimCrc.h"

namespace SimCrc {

quint16 Step(quint16 crc, quint8 byte) {
  crc ^= byte;
  for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  return crc;
}

quint16 Of(const QByteArray& bytes, quint16 crc) {
  for (char c : bytes) crc = Step(crc, static_cast<quint8>(c));
  return crc;
}

} // namespace SimCrc
