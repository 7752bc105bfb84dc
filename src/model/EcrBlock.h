#pragma once
// One block of register data: the unit of every transfer and of the block file. Codecs
// address it by a 0-based offset and never touch a byte outside it.
#include <QtGlobal>

#include <array>

inline constexpr int kEcrBlockSize = 4096;
using TEcrBlock = std::array<quint8, kEcrBlockSize>;
