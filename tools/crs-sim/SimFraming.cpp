#include "crs-sim/SimFraming.h"

#include "crs-sim/SimCrc.h"

#include <cstring>

namespace SimFraming {

// Both go a run at a time, from one DLE to the next, so a 4 KB block costs a few copies.
QByteArray Stuff(const QByteArray& body) {
  QByteArray out;
  out.reserve(body.size() + 8);
  const char* p = body.constData();
  const char* const end = p + body.size();
  while (p < end) {
    const char* dle = static_cast<const char*>(std::memchr(p, DLE, size_t(end - p)));
    const char* stop = dle ? dle + 1 : end;
    out.append(p, stop - p);
    if (dle) out.append(char(DLE));
    p = stop;
  }
  return out;
}

QByteArray Unstuff(const QByteArray& stuffed) {
  QByteArray out;
  out.reserve(stuffed.size());
  const char* p = stuffed.constData();
  const char* const end = p + stuffed.size();
  while (p < end) {
    const char* dle = static_cast<const char*>(std::memchr(p, DLE, size_t(end - p)));
    const char* stop = dle ? dle + 1 : end;
    out.append(p, stop - p);
    if (dle && stop < end && quint8(*stop) == DLE) ++stop; // the pair's second byte
    p = stop;
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
