#pragma once
// The CRS 3000 coupon report: a line a coupon (memory number, name, how often used, the
// amount and the average), and a totals line of the printed lines that prints only when
// some line printed. Under zero skip a line prints when its count, or else its total, is
// there and not 0.
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000Cpn : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000Cpn();

private:
  bool linePrinted_ = false;
};
