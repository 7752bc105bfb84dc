#pragma once
// The CRS 3000 time period report (and its eat-in, take-out and order track kinds): a line
// a period of the day with its time range (from the register's time range program), its
// customers, amount and average sale, and a totals line of the printed periods, which
// always prints. Under zero skip a line prints when its customers, or else its amount, are
// there and not 0.
#include "reports/RptFormTables.h"
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000TimePrd : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000TimePrd();
  void BindPrograms(const tEcrRpt& report) override;

private:
  RptFormTables tables_;
};
