#pragma once
// The open orders of tracks 1 and 2: a line an order with its tracking and order numbers,
// cashier, time and balance, every order printed whatever its balance.
#include "reports/TQrEcrRpt3000Listing.h"

class TQrEcrRptCrs3000Trk12 : public TQrEcrRpt3000Listing {
public:
  TQrEcrRptCrs3000Trk12();
};
