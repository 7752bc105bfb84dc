#pragma once
// A CRS 3000 report form that prints the poll's rows as they are: bold captions over the
// columns and a line a row with each column's field. No computed values and no totals line;
// the listing itself holds back no line, under zero skip as without it (a form may add its
// own line test). The forms give their columns as a table.
#include "reports/TQrEcrRpt3000.h"

#include <span>

struct RptListingColumn {
  const char* caption;
  const char* field;
  double left, width;  // form pixels
  RptAlign align = RptAlign::Left;
  const char* mask = "";
};

class TQrEcrRpt3000Listing : public TQrEcrRpt3000 {
public:
  TQrEcrRpt3000Listing(const QString& name, const QString& title, std::span<const RptListingColumn> columns,
                       double lineHeightPx);
};
