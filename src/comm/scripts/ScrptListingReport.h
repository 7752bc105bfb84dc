#pragma once
// The script listing ("Script Listing") as a band report on a letter page in portrait, laid
// out in form pixels (a page 1056 high, no margins): the page header holds the title, the
// date and time it was printed at the left, the page number at the right and the column
// headings "Script Id" and "Actions" over a rule; then one detail band a record, as high
// as the record (ScrptListing::Record), with its id beside its lines. Bands never split, so
// a record that no longer fits on a page starts the next one. No records, no pages.
#include "comm/scripts/ScrptListing.h"
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptReport.h"

class TScrptListingReport final : public RptReport {
public:
  TScrptListingReport(QList<ScrptListing::Record> records, const QString& printedAt);

private:
  const ScrptListing::Record& Current() const;

  QList<ScrptListing::Record> records_;
  RptMemoryRows rows_; // the records' places in records_
};
