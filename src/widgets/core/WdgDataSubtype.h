#pragma once
// The data subtype of an entry field: what its value is. The numbers are stored in the
// low six bits of a field's data-type code.
#include <cstdint>

enum class TWdgDataSubtype : uint8_t {
  String = 0,
  Char = 1,
  Boolean = 2,
  YesNo = 3,
  LongInt = 4,
  Word = 5,
  SmallInt = 6,
  Byte = 7,
  ShortInt = 8,
  Real = 9,
  Extended = 10,
  Double = 11,
  Single = 12,
  Comp = 13,
  Date = 14,
  Time = 15,
};
