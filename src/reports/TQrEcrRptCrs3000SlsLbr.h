#pragma once
// The CRS 3000 sales and labour report: a block of three lines a period of the day (its time
// range from the register's time range program, customers, sales and the average sale; the
// labour hours, cost and cost as a percent of sales; the labour cost per customer and the
// sales per labour hour) and a totals block of the same figures over the printed periods,
// which always prints. Under zero skip a period prints when its sales, customers, labour
// hours or labour cost are there and not 0.
#include "reports/RptFormTables.h"
#include "reports/TQrEcrRpt3000.h"

#include <functional>

class TQrEcrRptCrs3000SlsLbr : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000SlsLbr();
  void BindPrograms(const tEcrRpt& report) override;

  // A period's figures, or their sums.
  struct Figures {
    double customers = 0, total = 0, hours = 0, cost = 0;
  };

private:
  void AddFigures(RptBand& band, const std::function<Figures()>& figures, bool totals);

  RptFormTables tables_;
};
