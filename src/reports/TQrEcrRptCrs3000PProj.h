#pragma once
// The CRS 3000 product projection report (all seven weekdays): for each item a heading with
// its number, then a line for each of the 48 periods of the day with its time range (from
// the register's time range program), the item's counts in the last four weeks and their
// average, unrounded, the count to expect. Under zero skip a period line prints when any of
// its weeks counts; without it all 48 print, used or not. The header shows no Z counter.
#include "reports/RptFormTables.h"
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000PProj : public TQrEcrRpt3000 {
public:
  static constexpr int kPeriods = 48;
  static constexpr int kWeeks = 4;
  TQrEcrRptCrs3000PProj();
  void BindPrograms(const tEcrRpt& report) override;

private:
  void AddPeriodLine(RptBand& parent, int period);

  RptFormTables tables_;
};
