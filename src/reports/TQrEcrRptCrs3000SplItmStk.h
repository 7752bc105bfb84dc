#pragma once
// The CRS 3000 special item stock report: a line a special item with its memory number, its
// PLU's number and descriptor, and the stock left. Under zero skip a line prints only when
// its stock is there and not 0 (a stock sold below zero prints).
#include "reports/TQrEcrRpt3000Listing.h"

class TQrEcrRptCrs3000SplItmStk : public TQrEcrRpt3000Listing {
public:
  TQrEcrRptCrs3000SplItmStk();
};
