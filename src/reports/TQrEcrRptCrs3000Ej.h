#pragma once
// The CRS 3000 electronic journal: a line a journal entry, numbered, the register's print
// lines following each other closely in a fixed-pitch font so that their columns line up.
#include "reports/TQrEcrRpt3000Listing.h"

class TQrEcrRptCrs3000Ej : public TQrEcrRpt3000Listing {
public:
  TQrEcrRptCrs3000Ej();
};
