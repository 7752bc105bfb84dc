#pragma once
// The open orders of track 3: a line an order with its memory, table and check numbers,
// cashier, time and balance, every order printed whatever its balance.
#include "reports/TQrEcrRpt3000Listing.h"

class TQrEcrRptCrs3000OpnOrd3 : public TQrEcrRpt3000Listing {
public:
  TQrEcrRptCrs3000OpnOrd3();
};
