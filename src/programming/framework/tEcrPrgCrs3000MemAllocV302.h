#pragma once
// The memory allocation of ROMs 3.02 to 3.05: 40 bytes, two-byte Coupon, with Protected
// Pre-Poll, Logo and Spec Itm Stock.
#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"

class tEcrPrgCrs3000MemAllocV302 : public tEcrPrgCrs3000MemAllocV225 {
  TB_OBJECT(tEcrPrgCrs3000MemAllocV302)
public:
  explicit tEcrPrgCrs3000MemAllocV302(TBlank blank) : tEcrPrgCrs3000MemAllocV225(blank) {}
};
