#pragma once
// The data frames of the register link, without any I/O: building a frame from a body,
// and checking a frame that came off the line (its CRC, the error block, the doubling of
// DLE inside the body). Plain bytes in and out, so the checks run anywhere, a fuzzer too.
//
//   DLE STX | body, every DLE doubled | DLE ETX | CRC low | CRC high
//
// The CRC bytes are never doubled. A received frame is kept with its doubling removed,
// from DLE STX to the second CRC byte: block number at offset 2, record count at 3, the
// first record byte at 4.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace CrsFrame {
using Bytes = std::vector<std::uint8_t>;

// The longest frame taken off the line, as received (its doubling still in).
inline constexpr std::size_t kReceiveBuffer = 4099;
// The longest frame that can be stored, its doubling removed (one block of a block file).
inline constexpr std::size_t kLongestStored = 4096;
// The shortest frame with a block number and a record count.
inline constexpr std::size_t kShortest = 8;
// A frame shorter than this (as received) with 0xFF at offset 4 is an error block.
inline constexpr std::size_t kErrorBlockBelow = 12;

// The body with every DLE doubled.
Bytes Stuff(const Bytes& body);
// The whole frame of a body.
Bytes Build(const Bytes& body);
// A received frame with each DLE DLE pair of its body made one DLE (scanning from the
// front, so four DLEs become two); DLE STX, DLE ETX and the CRC bytes stay as they are.
Bytes Unstuff(const std::uint8_t* frame, std::size_t size);

enum class Kind {
  Block, // a good frame: frame holds it with its doubling removed
  Error, // the register's error block: errorCode holds its code
  Bad,   // a wrong CRC, or no frame at all: frame holds the bytes as received
};

struct Checked {
  Kind kind = Kind::Bad;
  Bytes frame;
  int errorCode = 0;
};

// Checks the bytes from DLE STX to the second CRC byte. A frame that is too short or too
// long for the receive buffer, lacks DLE STX or DLE ETX where they belong, holds a DLE in
// its body that is not doubled, or could not be stored as one block counts as bad, like a
// wrong CRC.
Checked Check(const std::uint8_t* frame, std::size_t size);

// Where a stored frame holds its block number, its record count and its first record byte
// (the status byte of a status answer).
inline constexpr std::size_t kBlockNumberAt = 2;
inline constexpr std::size_t kRecordCountAt = 3;
inline constexpr std::size_t kFirstRecordAt = 4;
// An error block holds 0xFF at its first record byte and the register's error code after it.
inline constexpr std::uint8_t kErrorBlockMark = 0xFF;
inline constexpr std::size_t kErrorCodeAt = 5;
// Where a body (and a block of a block file) holds the block number: the frame's offset
// less DLE STX.
inline constexpr std::size_t kBodyBlockNumberAt = kBlockNumberAt - 2;

// The byte at an offset of a stored frame (any container of bytes); -1 past its end.
template <class Frame> int ByteAt(const Frame& frame, std::size_t at) {
  return std::size_t(frame.size()) > at ? int(std::uint8_t(frame[at])) : -1;
}
template <class Frame> int BlockNumber(const Frame& frame) { return ByteAt(frame, kBlockNumberAt); }
template <class Frame> int RecordCount(const Frame& frame) { return ByteAt(frame, kRecordCountAt); }
template <class Frame> int FirstRecordByte(const Frame& frame) { return ByteAt(frame, kFirstRecordAt); }
} // namespace CrsFrame
