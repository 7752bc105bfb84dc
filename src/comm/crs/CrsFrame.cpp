#include "comm/crs/CrsFrame.h"

#include "comm/crs/CrsCrc.h"
#include "comm/crs/CrsLinkBytes.h"

#include <algorithm>
#include <cstring>

using namespace CrsLink;

CrsFrame::Bytes CrsFrame::Stuff(const Bytes& body) {
  Bytes stuffed;
  stuffed.reserve(body.size() + body.size() / 8 + 1);
  for (std::uint8_t byte : body) {
    if (byte == DLE) stuffed.push_back(DLE);
    stuffed.push_back(byte);
  }
  return stuffed;
}

CrsFrame::Bytes CrsFrame::Build(const Bytes& body) {
  Bytes frame{DLE, STX};
  const Bytes stuffed = Stuff(body);
  frame.insert(frame.end(), stuffed.begin(), stuffed.end());
  frame.push_back(DLE);
  frame.push_back(ETX);
  const std::uint16_t crc = CrsCrc::CrcBlock(frame.data() + 2, frame.size() - 2, true);
  frame.push_back(std::uint8_t(crc & 0xFF));
  frame.push_back(std::uint8_t(crc >> 8));
  return frame;
}

CrsFrame::Bytes CrsFrame::Unstuff(const std::uint8_t* frame, std::size_t size) {
  if (size < 6) return Bytes(frame, frame + size);
  const std::uint8_t* const bodyEnd = frame + size - 4; // the DLE of DLE ETX
  Bytes plain(size);
  std::uint8_t* out = std::copy(frame, frame + 2, plain.data());
  // A run at a time, from one DLE to the next; the second DLE of a pair is dropped.
  for (const std::uint8_t* p = frame + 2; p < bodyEnd;) {
    const auto* dle = static_cast<const std::uint8_t*>(std::memchr(p, DLE, std::size_t(bodyEnd - p)));
    const std::uint8_t* const stop = dle ? dle + 1 : bodyEnd;
    out = std::copy(p, stop, out);
    p = stop;
    if (dle && p < bodyEnd && *p == DLE) ++p;
  }
  out = std::copy(bodyEnd, frame + size, out);
  plain.resize(std::size_t(out - plain.data()));
  return plain;
}

namespace {
bool WellFormed(const std::uint8_t* frame, std::size_t size) {
  return size >= CrsFrame::kShortest && size <= CrsFrame::kReceiveBuffer && frame[0] == DLE && frame[1] == STX &&
         frame[size - 4] == DLE && frame[size - 3] == ETX;
}

// The register doubles every DLE of a body. The CRC skips a lone one, so without this check
// a DLE added on the line would pass and be stored as a record byte.
bool EveryDleDoubled(const std::uint8_t* frame, std::size_t size) {
  const std::uint8_t* const bodyEnd = frame + size - 4;
  for (const std::uint8_t* p = frame + 2; p < bodyEnd; p += 2) {
    p = static_cast<const std::uint8_t*>(std::memchr(p, DLE, std::size_t(bodyEnd - p)));
    if (!p) return true;
    if (p + 1 >= bodyEnd || p[1] != DLE) return false;
  }
  return true;
}
} // namespace

CrsFrame::Checked CrsFrame::Check(const std::uint8_t* frame, std::size_t size) {
  Checked result;
  // A block keeps its body unstuffed; anything else keeps the frame as it came.
  const auto asReceived = [&]() -> Checked& {
    result.frame.assign(frame, frame + size);
    return result;
  };
  if (!WellFormed(frame, size)) return asReceived();
  const std::uint16_t crc = CrsCrc::CrcBlock(frame + 2, size - 4, true);
  if (crc != std::uint16_t(frame[size - 2] | (frame[size - 1] << 8))) return asReceived();
  if (!EveryDleDoubled(frame, size)) return asReceived();
  if (frame[kFirstRecordAt] == kErrorBlockMark && size < kErrorBlockBelow) {
    result.kind = Kind::Error;
    result.errorCode = frame[kErrorCodeAt];
    return asReceived();
  }
  Bytes plain = Unstuff(frame, size);
  if (plain.size() > kLongestStored) return asReceived();
  result.kind = Kind::Block;
  result.frame = std::move(plain);
  return result;
}
