#pragma once
// A sample PLU listing for the report demo: a title, a page header with the date and the page
// number, a framed column header, one line a row and a summary with the sums.
#include "reports/engine/RptMemoryRows.h"
#include "reports/engine/RptReport.h"

#include <memory>

struct SampleReport {
  RptMemoryRows rows;
  std::unique_ptr<RptReport> report;
};

// The paper by its short name (letter, landscape, roll1, roll2); nullopt for another name.
std::optional<RptPageSetup> SamplePaper(const QString& name);
std::unique_ptr<SampleReport> MakeSampleReport(const RptPageSetup& setup, int rowCount);
