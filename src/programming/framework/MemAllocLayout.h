#pragma once
// Where each field of the memory allocation stands in the register's record, in each of
// its four layouts, and the local table's fields in their order (the order matters: the
// register driver takes its table sizes from fields 0 to 21 by position).
#include "model/EcrLayout.h"

enum class MemAllocLayout {
  OneByteCoupon, // 36 bytes: ROMs 0.61 and 2.21 to 2.26 (and the logon's own class)
  TwoByteCoupon, // 36 bytes: ROMs 0.77 to 2.20
  V302,          // 40 bytes: ROMs 3.02 to 3.05
  V402,          // 37 bytes: ROMs 4.02 and 4.03
};

namespace MemAllocFields {
constexpr int Count = 26;
// The fields the register driver takes as its table sizes.
constexpr int SizeCount = 22;

// The record's columns; its variants are the MemAllocLayout values.
const EcrLayout& Layout();
int RecordSize(MemAllocLayout layout);
} // namespace MemAllocFields
