#include "crs-sim/SimFraming.h"

#include "crs-sim/SimCrc.h"

#include <algorithm>
#include <cstring>

namespace SimFraming {

namespace {
// Copies body to out with every DLE doubled, a run at a time from one DLE to the next;
// returns the end of what it wrote. out has room for the body and one byte per DLE in it.
char* StuffInto(const QByteArray& body, char* out) {
  const char* p = body.constData();
  const char* const end = p + body.size();
  while (p < end) {
    const char* dle = static_cast<const char*>(std::memchr(p, DLE, size_t(end - p)));
    const char* stop = dle ? dle + 1 : end;
    out = std::copy(p, stop, out);
    if (dle) *out++ = char(DLE);
    p = stop;
  }
  return out;
}

qsizetype StuffedSize(const QByteArray& body) { return body.size() + body.count(char(DLE)); }
} // namespace

// A 4 KB block costs a few copies and one allocation of its exact size.
QByteArray Stuff(const QByteArray& body) {
  QByteArray out(StuffedSize(body), Qt::Uninitialized);
  StuffInto(body, out.data());
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
  QByteArray frame(StuffedSize(body) + 6, Qt::Uninitialized);
  char* out = frame.data();
  *out++ = char(DLE);
  *out++ = char(STX);
  out = StuffInto(body, out);
  *out++ = char(DLE);
  *out++ = char(ETX);
  *out++ = char(crc & 0xFF);
  *out = char(crc >> 8);
  return frame;
}

QByteArray ControlFrame(quint8 code) {
  QByteArray frame;
  frame.append(char(DLE)).append(char(code));
  return frame;
}

} // namespace SimFraming
