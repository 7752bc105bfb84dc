#include "reports/RptPollKinds.h"

namespace {
bool Has(const QString& name, const char* part) { return name.contains(QLatin1String(part), Qt::CaseInsensitive); }

bool IsSales(const QString& name) { return Has(name, "tEcrRptCrs3000Sales") && !Has(name, "tEcrRptCrs3000SalesLabor"); }

// The sections after sales, each by the parts of its class names.
bool IsOtherSection(const QString& name, int place) {
  switch (place) {
  case 2:
    return Has(name, "tEcrRptCrs3000Receipts") || Has(name, "tEcrRptCrs3000Rcpts");
  case 3:
    return Has(name, "tEcrRptCrs3000Memo");
  case 4:
    return Has(name, "tEcrRptCrs3000SysBal");
  case 5:
    return Has(name, "tEcrRptCrs3000TblSrvc");
  default:
    return false;
  }
}
} // namespace

bool RptPollKinds::IsFinancialHead(const QString& reportClass) {
  return Has(reportClass, "tEcrRptCrs3000Financial") || Has(reportClass, "tEcrRptCrs3000Fncl");
}

int RptPollKinds::SectionPlace(const QString& reportClass) {
  if (IsSales(reportClass)) return 1;
  for (int place = 2; place <= kSectionCount; ++place)
    if (IsOtherSection(reportClass, place)) return place;
  return 0;
}

bool RptPollKinds::IsFinancialSection(const QString& reportClass) { return SectionPlace(reportClass) > 0; }

bool RptPollKinds::HiddenUnderFinancialHead(const QString& reportClass, const QString& reportName) {
  return SectionPlace(reportClass) > 1 || reportName == QLatin1String("Sales");
}
