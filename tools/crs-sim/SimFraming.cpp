#include "crs-sim/SimFraming.h"

#include "crs-sim/SimCrc.h"

namespace SimFraming {

QByteArray Stuff(const QByteArray& body) {
  QByteArray out;
  out.reserve(body.size() + 8);
  for (char c : body) {
    if (static_cast<quint8>(c) == DLE) out.append(char(DLE));
    out.append(c);
  }
  return out;
}

QByteArray Unstuff(const QByteArray& stuffed) {
  QByteArray out;
  out.reserve(stuffed.size());
  for (qsizetype i = 0; i < stuffed.size(); ++i) {
    out.append(stuffed[i]);
    if (static_cast<quint8>(stuffed[i]) == DLE && i + 1 < stuffed.size() &&
        static_cast<quint8>(stuffed[i + 1]) == DLE)
      ++i;
  }
  return out;
}

quint16 BodyCrc(const QByteArray& body) {
  return SimCrc::Step(SimCrc::Of(body), ETX);
}

QByteArray DataFrame(const QByteArray& body, bool badCrc) {
  quint16 crc = BodyCrc(body);
  if (badCrc) crc ^= 0xFFFF;
  QByteArray frame;
  frame.reserve(body.size() * 2 + 6);
  frame.append(char(DLE)).append(char(STX));
  frame.append(Stuff(body));
  frame.append(char(DLE)).append(char(ETX));
  frame.append(char(crc & 0xFF)).append(char(crc >> 8));
  return frame;
}

QByteArray ControlFrame(quint8 code) {
  QByteArray frame;
  frame.append(char(DLE)).append(char(code));
  return frame;
}

} // namespace SimFraming
