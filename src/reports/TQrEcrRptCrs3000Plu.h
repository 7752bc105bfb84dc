#pragma once
// The CRS 3000 PLU report, on landscape Letter: a line a PLU memory (code, memory number,
// descriptor, count, amount, average price, its share of the poll's sales, promotion and
// waste counts and weight), and a totals line of the printed lines.
//
// The share is the line's total over the grand total of the poll's totals that are not
// below zero, worked out at the start of each generation before the first line. Under zero
// skip a line prints when its count, else its waste, else its total is there and not 0.
// The totals line prints only when the counts and the totals of all the poll's lines both
// sum to something other than 0.
#include "reports/TQrEcrRpt3000.h"

#include <cstdint>

class TQrEcrRptCrs3000Plu : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000Plu();

private:
  void QrEcrRptCrs3000PluBeforePrint();
  void DetailBand1BeforePrint(RptBand& band, bool& printBand);

  int64_t countSum_ = 0;
  int64_t totalSum_ = 0;    // ten-thousandths
  int64_t grandTotal_ = 0;  // ten-thousandths
};
