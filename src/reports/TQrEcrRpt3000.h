#pragma once
// The base of every CRS 3000 report form: the header prints once, as the title of the
// first page, and adds the transaction number, whether the register's report was polled
// before, the polled register (or "CONSOLIDATION") and the three register lines of the
// poll's status bytes.
#include "reports/TQrEcrRpt.h"

class TQrEcrRpt3000 : public TQrEcrRpt {
public:
  explicit TQrEcrRpt3000(const QString& name);

protected:
  void TitleBand1BeforePrint(RptBand& band, bool& printBand) override;
};
