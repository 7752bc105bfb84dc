#pragma once
// The memory allocation of ROMs 4.02 and 4.03: 37 bytes, one-byte Coupon, with Logo, KPG
// Desc, Two Byte Codes and the two languages.
#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"

class tEcrPrgCrs3000MemAllocV402 : public tEcrPrgCrs3000MemAllocV221 {
  TB_OBJECT(tEcrPrgCrs3000MemAllocV402)
public:
  explicit tEcrPrgCrs3000MemAllocV402(TBlank blank) : tEcrPrgCrs3000MemAllocV221(blank) {}
  QString GetMaintFormClass() const override;
};
