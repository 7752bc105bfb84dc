#pragma once
// The maker-level base of the CRS reports: the parent of tEcrRptCrs3000. It adds nothing
// to tEcrRpt.
#include "model/tEcrRpt.h"

class tEcrCrsReport : public tEcrRpt {
  TB_OBJECT(tEcrCrsReport)
public:
  explicit tEcrCrsReport(TBlank blank) : tEcrRpt(blank) {}
};
