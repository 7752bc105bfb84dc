#pragma once
// The CRS 3000 product mix report: for each item a heading (number and name), its pieces,
// and a line for each of the 48 periods of the day with the period's time range (from the
// register's time range program), count, amount and average. Under zero skip the pieces
// line needs pieces, a period line its count or else its total. Periods 13 to 48 whose
// range is unused (midnight to midnight) never print; periods 1 to 12 always may.
#include "reports/RptFormTables.h"
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000PMix : public TQrEcrRpt3000 {
public:
  static constexpr int kPeriods = 48;
  TQrEcrRptCrs3000PMix();
  void BindPrograms(const tEcrRpt& report) override;

private:
  void AddPeriodLine(RptBand& parent, int period);
  void PeriodBeforePrint(RptBand& band, bool& print);

  RptFormTables tables_;
};
