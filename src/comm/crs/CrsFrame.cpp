#include "comm/crs/CrsFrame.h"

#include "comm/crs/CrsCrc.h"
#include "comm/crs/CrsLinkBytes.h"

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
  const std::size_t bodyEnd = size - 4; // the DLE of DLE ETX
  Bytes plain(frame, frame + 2);
  plain.reserve(size);
  for (std::size_t i = 2; i < bodyEnd; ++i) {
    plain.push_back(frame[i]);
    if (frame[i] == DLE && i + 1 < bodyEnd && frame[i + 1] == DLE) ++i;
  }
  plain.insert(plain.end(), frame + bodyEnd, frame + size);
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
  const std::size_t bodyEnd = size - 4;
  for (std::size_t i = 2; i < bodyEnd; ++i) {
    if (frame[i] != DLE) continue;
    if (i + 1 >= bodyEnd || frame[i + 1] != DLE) return false;
    ++i;
  }
  return true;
}
} // namespace

CrsFrame::Checked CrsFrame::Check(const std::uint8_t* frame, std::size_t size) {
  Checked result;
  result.frame.assign(frame, frame + size);
  if (!WellFormed(frame, size)) return result;
  const std::uint16_t crc = CrsCrc::CrcBlock(frame + 2, size - 4, true);
  if (crc != std::uint16_t(frame[size - 2] | (frame[size - 1] << 8))) return result;
  if (!EveryDleDoubled(frame, size)) return result;
  if (frame[kFirstRecordAt] == kErrorBlockMark && size < kErrorBlockBelow) {
    result.kind = Kind::Error;
    result.errorCode = frame[kErrorCodeAt];
    return result;
  }
  Bytes plain = Unstuff(frame, size);
  if (plain.size() > kLongestStored) return result;
  result.kind = Kind::Block;
  result.frame = std::move(plain);
  return result;
}
