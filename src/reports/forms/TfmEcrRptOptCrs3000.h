#pragma once
// The option dialog of the CRS 3000 reports, in each of its variants (RptOptCrs3000Variant):
// the area polled (parameter 1), printing at the register (2), the register range (3 and
// 4), the reset mode (5), and on the time keeping and time period dialogs the reports read
// along (6). A variant hides some of these; what it hides keeps its parameters as they were.
#include "reports/forms/TfmEcrRptOpt.h"

#include <memory>

class RptOptArrangement;
struct RptOptCrs3000Variant;

class TfmEcrRptOptCrs3000 : public TfmEcrRptOpt {
  Q_OBJECT
public:
  TfmEcrRptOptCrs3000(tEcrRpt& report, const RptOptCrs3000Variant& variant, QWidget* parent = nullptr);
  ~TfmEcrRptOptCrs3000() override;

protected:
  void LoadParams() override;
  void StoreParams() override;

private:
  const RptOptCrs3000Variant& variant_;
  std::unique_ptr<RptOptArrangement> arrangement_;
};
