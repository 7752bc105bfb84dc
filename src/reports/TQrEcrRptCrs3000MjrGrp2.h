#pragma once
// The major group report on a roll 4 inches wide (the alternate mode): a framed block a
// group with its count, percent, amount and commission (the group's percent of its amount,
// the amount first raised by 0.001, to the cent with halves to the even cent), and a totals
// block with the commission, a tax on it (settings "Drommet", "Tax", percent, default 0)
// and their sum. Zero skip and the totals rule are those of the major group form.
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000MjrGrp2 : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000MjrGrp2();

private:
  void LayOutHeader();
  void AddGroupBlock();
  void AddTotalsBlock();
  void SetTotals(RptBand& band);

  qint64 countSum_ = 0;
  qint64 totalUnits_ = 0;
  qint64 commissionCents_ = 0;
  double taxPercent_ = 0;
};
