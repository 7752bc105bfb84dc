#pragma once
// The "Log Table" listing as a band report on a letter page in portrait: the page header
// holds the title at 20 points, the date and time it was printed at the left and the page
// number at the right, then the nine column headings in bold; a detail band a log row
// (CommLogListing::Rows) at 8 points, 54 to a page. An empty log still gives one page with
// its title and headings.
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptReport.h"

#include <QList>
#include <QStringList>

class TCommLogListingReport final : public RptReport {
public:
  TCommLogListingReport(const QList<QStringList>& rows, const QString& printedAt);

private:
  RptMemoryRows rows_;
};
