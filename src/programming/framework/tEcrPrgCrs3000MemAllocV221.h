#pragma once
// The memory allocation of ROMs 0.61 and 2.21 to 2.26: 36 bytes, one-byte Coupon.
#include "programming/framework/tEcrPrgCrs3000MemAlloc.h"

class tEcrPrgCrs3000MemAllocV221 : public tEcrPrgCrs3000MemAlloc {
  TB_OBJECT(tEcrPrgCrs3000MemAllocV221)
public:
  explicit tEcrPrgCrs3000MemAllocV221(TBlank blank) : tEcrPrgCrs3000MemAlloc(blank) {}
};
