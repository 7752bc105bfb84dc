#pragma once
// Bit flags held in one byte.
#include <cstdint>

inline void SetFlag(uint8_t& flags, uint8_t mask) { flags = uint8_t(flags | mask); }
inline void ClearFlag(uint8_t& flags, uint8_t mask) { flags = uint8_t(flags & ~mask); }
// True when at least one bit of the mask is set.
inline bool FlagIsSet(uint8_t flags, uint8_t mask) { return (flags & mask) != 0; }
