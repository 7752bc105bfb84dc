#pragma once
// The control bytes of the CRS register link. A control frame is DLE and one of ACK, NAK
// or EOT; a data frame runs from DLE STX to DLE ETX and two CRC bytes.
#include <cstdint>

namespace CrsLink {
inline constexpr std::uint8_t DLE = 0x10;
inline constexpr std::uint8_t STX = 0x02;
inline constexpr std::uint8_t ETX = 0x03;
inline constexpr std::uint8_t EOT = 0x04;
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t NAK = 0x15;
} // namespace CrsLink
