#pragma once
// The CRS 3000 inventory report: a block of lines an inventory item with its number,
// descriptor, factor, recipe and inventory units, and its seven stock figures each split by
// the factor (single units in a case) into whole cases and the single units left over. A
// factor of 0 splits nothing: every figure reads 0.00 cases and 0.00 singles. Under zero
// skip a block prints when one of the seven figures is there and not 0.
#include "reports/TQrEcrRpt3000.h"

class TQrEcrRptCrs3000Invt : public TQrEcrRpt3000 {
public:
  TQrEcrRptCrs3000Invt();

private:
  void DetailBand1BeforePrint(RptBand& band, bool& printBand);
};
