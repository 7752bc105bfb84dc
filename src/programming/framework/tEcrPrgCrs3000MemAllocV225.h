#pragma once
// The memory allocation of ROMs 0.77 to 2.20: 36 bytes, two-byte Coupon.
#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"

class tEcrPrgCrs3000MemAllocV225 : public tEcrPrgCrs3000MemAllocV221 {
  TB_OBJECT(tEcrPrgCrs3000MemAllocV225)
public:
  explicit tEcrPrgCrs3000MemAllocV225(TBlank blank) : tEcrPrgCrs3000MemAllocV221(blank) {}
};
