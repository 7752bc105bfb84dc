#pragma once
// The maker-level base of the CRS register tables: the parent of tEcrPrgCrs3000. It adds
// nothing to tEcrPrg.
#include "model/tEcrPrg.h"

class tEcrPrgCrs : public tEcrPrg {
  TB_OBJECT(tEcrPrgCrs)
public:
  explicit tEcrPrgCrs(TBlank blank) : tEcrPrg(blank) {}
};
