// A libFuzzer target for the frame checks the protocol module runs on every data frame
// that comes off the line: undoing the DLE doubling, the CRC, the error block, the block
// number and record count. Plain bytes in, no event loop, so any input runs in microseconds.
//
// Each input is used twice:
//  - as a frame received (DLE STX .. CRC), checked as the module checks it; whatever the
//    verdict, it must be consistent with the bytes, and a good frame that a sender could
//    have built must build again into exactly those bytes;
//  - as the body of a frame we build ourselves, which the check must take back unchanged.
// A broken rule aborts, which libFuzzer reports as a crash with the input saved.
#include "comm/crs/CrsCrc.h"
#include "comm/crs/CrsFrame.h"
#include "comm/crs/CrsLinkBytes.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
using CrsFrame::Bytes;

void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "frame rule broken: %s\n", rule);
  std::abort();
}

// True when every DLE of the body (offset 2 up to DLE ETX) stands in a doubled pair, as in
// any frame a sender builds.
bool DoubledAsSent(const std::uint8_t* frame, std::size_t size) {
  const std::size_t bodyEnd = size - 4;
  for (std::size_t i = 2; i < bodyEnd; ++i) {
    if (frame[i] != CrsLink::DLE) continue;
    if (i + 1 >= bodyEnd || frame[i + 1] != CrsLink::DLE) return false;
    ++i;
  }
  return true;
}

void CheckReceived(const std::uint8_t* data, std::size_t size) {
  const CrsFrame::Checked checked = CrsFrame::Check(data, size);
  const Bytes& frame = checked.frame;
  switch (checked.kind) {
  case CrsFrame::Kind::Bad:
    Require(frame == Bytes(data, data + size), "a bad frame is kept as received");
    return;
  case CrsFrame::Kind::Error:
    Require(size < CrsFrame::kErrorBlockBelow && size >= CrsFrame::kShortest, "an error block is short");
    Require(data[4] == 0xFF && checked.errorCode == data[5], "an error block carries 0xFF and its code");
    return;
  case CrsFrame::Kind::Block:
    break;
  }
  Require(size >= CrsFrame::kShortest && size <= CrsFrame::kReceiveBuffer, "a block fits the receive buffer");
  Require(frame.size() >= CrsFrame::kShortest && frame.size() <= CrsFrame::kLongestStored, "a block can be stored");
  Require(frame.size() <= size, "undoubling never adds bytes");
  Require(frame[0] == CrsLink::DLE && frame[1] == CrsLink::STX, "a block starts with DLE STX");
  const std::size_t n = frame.size();
  Require(frame[n - 4] == CrsLink::DLE && frame[n - 3] == CrsLink::ETX, "a block ends with DLE ETX");
  Require(frame[n - 2] == data[size - 2] && frame[n - 1] == data[size - 1], "the CRC bytes stay as received");
  Require(CrsFrame::BlockNumber(frame) == frame[2] && CrsFrame::RecordCount(frame) == frame[3],
          "block number and record count sit at offsets 2 and 3");
  Require(DoubledAsSent(data, size), "a block has every DLE of its body doubled");
  const Bytes body(frame.begin() + 2, frame.end() - 4);
  Require(CrsFrame::Build(body) == Bytes(data, data + size), "a block as a sender builds it builds again the same");
}

void CheckBuilt(const std::uint8_t* data, std::size_t size) {
  // Longer bodies could not be received whole once every byte is doubled.
  if (size < 2 || size > (CrsFrame::kReceiveBuffer - 6) / 2) return;
  const Bytes body(data, data + size);
  const Bytes built = CrsFrame::Build(body);
  Bytes crcInput(body);
  crcInput.push_back(CrsLink::ETX);
  const std::uint16_t crc = CrsCrc::CrcBlock(crcInput.data(), crcInput.size(), false);
  Require(built[built.size() - 2] == (crc & 0xFF) && built.back() == (crc >> 8),
          "the CRC covers the plain body and ETX, low byte first");
  Require(CrsFrame::Unstuff(built.data(), built.size()).size() == body.size() + 6, "undoubling restores the body");
  const CrsFrame::Checked checked = CrsFrame::Check(built.data(), built.size());
  if (built[4] == 0xFF && built.size() < CrsFrame::kErrorBlockBelow) {
    Require(checked.kind == CrsFrame::Kind::Error && checked.errorCode == built[5], "a short 0xFF frame is an error block");
    return;
  }
  Require(checked.kind == CrsFrame::Kind::Block, "a frame we build passes the check");
  Require(Bytes(checked.frame.begin() + 2, checked.frame.end() - 4) == body, "the check gives back the body built");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckReceived(data, size);
  CheckBuilt(data, size);
  (void)CrsFrame::Unstuff(data, size);
  return 0;
}
