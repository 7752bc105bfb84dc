#pragma once
// The commands the system sends a CRS register. The body of every command frame is
//   command | data (1 or 15 bytes) | store number, 4 ASCII digits | range first | range last
// with the register range in packed BCD (0x24 is register 24).
#include <cstdint>
#include <string>
#include <vector>

namespace CrsCmd {
inline constexpr std::uint8_t Status = 0xA0;      // one data frame answers: the status
inline constexpr std::uint8_t ClearFlag = 0xB0;   // DLE ACK or DLE EOT
inline constexpr std::uint8_t CnsldtReset = 0xC0; // DLE EOT
inline constexpr std::uint8_t CnsldtRead = 0xC1;  // DLE EOT
inline constexpr std::uint8_t ReadRpt = 0xD0;     // blocks, each acknowledged, then DLE EOT
inline constexpr std::uint8_t PrgReceive = 0xE0;  // the same
inline constexpr std::uint8_t PrgSend = 0xF0;     // DLE ACK, then one DLE ACK per block sent

// What every command carries besides its own data; a session's module keeps one set.
struct Params {
  std::string store = "0001";
  std::uint8_t first = 0x01;
  std::uint8_t last = 0x24;
};

// Four digits with leading zeros; "****" for a number the four digits cannot hold.
std::string StoreNumberText(long long storeNumber);
// Packed BCD of 0..99 ((n div 10) x 16 + n mod 10); -1 for any other number.
int ToBcd(long long n);
std::vector<std::uint8_t> Payload(std::uint8_t command, const std::vector<std::uint8_t>& data, const Params& params);
} // namespace CrsCmd
