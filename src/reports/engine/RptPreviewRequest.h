#pragma once
// Asks for the preview window of a report: pages to look through, print (on the default
// printer, or on one chosen in a print dialog when the user asks) and save as a PDF. The
// window registers itself for this request; the core never names it.
#include "reports/engine/RptPageModel.h"

#include <optional>

class RptReport;

struct RptPreviewRequest {
  static constexpr const char* kForm = "TRptPreviewForm";
  // Generated when the preview opens unless model is given, and again for each print, so
  // a print runs the report's events as the preview did.
  RptReport& report;
  std::optional<RptPageModel> model;
};
