#pragma once
// The CRC of the register link: CRC-16/ARC (reflected polynomial 0xA001, initial value 0,
// no final XOR; "123456789" gives 0xBB3D). It covers a data frame's body without its
// doubled DLEs, followed by the ETX byte.
#include <cstddef>
#include <cstdint>

namespace CrsCrc {
// One step: the byte folded into crc.
void CrcByte(std::uint8_t byte, std::uint16_t& crc);
// The CRC of length bytes from 0. With skipDle the bytes are read as a doubled body
// followed by DLE ETX: a DLE is left out unless the byte before it was a DLE left out,
// so the result is the CRC of the plain body and the ETX.
std::uint16_t CrcBlock(const std::uint8_t* bytes, std::size_t length, bool skipDle);
} // namespace CrsCrc
