#include "crs-synth/SynthFrame.h"

#include "crs-synth/SynthErrors.h"

namespace SynthFrame {

namespace {
constexpr char DLE = 0x10, STX = 0x02, ETX = 0x03;
}

quint16 Crc(const QByteArray& bytes) {
  quint16 crc = 0;
  for (const char c : bytes) {
    crc ^= quint8(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
  }
  return crc;
}

QByteArray Stored(quint8 number, quint8 count, const QByteArray& data) {
  if (data.size() + kFrameBytes > kMaxBlock)
    throw SynthValueError(QStringLiteral("A block of %1 data bytes exceeds %2 bytes").arg(data.size()).arg(kMaxBlock));
  QByteArray summed;
  summed.append(char(number)).append(char(count)).append(data).append(ETX);
  const quint16 crc = Crc(summed);
  QByteArray block;
  block.append(DLE).append(STX).append(summed.chopped(1)).append(DLE).append(ETX);
  block.append(char(crc & 0xFF)).append(char(crc >> 8));
  return block;
}

QByteArray Data(const QByteArray& block) {
  const qsizetype n = block.size();
  if (n < kFrameBytes || block[0] != DLE || block[1] != STX || block[n - 4] != DLE || block[n - 3] != ETX)
    throw SynthFileError(QStringLiteral("A block of %1 bytes is not a stored frame").arg(n));
  const quint16 stored = quint16(quint8(block[n - 2]) | quint8(block[n - 1]) << 8);
  if (stored != Crc(block.mid(2, n - 6) + ETX))
    throw SynthFileError(QStringLiteral("A block of %1 bytes has a wrong CRC").arg(n));
  return block.mid(4, n - kFrameBytes);
}

} // namespace SynthFrame
