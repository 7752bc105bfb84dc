#pragma once
// The financial report on a narrow roll of paper: the same sections, lines, tests and
// captions as TQrEcrRptCrs3000Financial, each line a block that carries its own headings, no
// averages, the track times without leading zeros, all on one long page under a header
// stacked in one column.
#include "reports/TQrEcrRptCrs3000Financial.h"

class TQrEcrRptCrs3000Financial2 : public TQrEcrRptCrs3000Financial {
public:
  TQrEcrRptCrs3000Financial2();

private:
  void StackTitle();
};
