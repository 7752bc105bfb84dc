#include "reports/ConsolidationRanges.h"

#include "reports/RptPollKinds.h"

bool ConsolidationRanges::Accepted() const {
  return startDate.isValid() && endDate.isValid() && endDate >= startDate && lastStore >= firstStore &&
         lastMachine >= firstMachine;
}

bool ConsolidationRefusal::Refused(const QString& driverClass, const QString& reportClass) {
  if (RptPollKinds::IsFinancialHead(reportClass)) return true;
  if (!driverClass.contains(QLatin1String("CRS"), Qt::CaseInsensitive)) return false;
  for (const char* listed : {"tEcrRptCrs3000Ej", "tEcrRptCrs3000Invt", "tEcrRptCrs3000ProductMix", "tEcrRptCrs3000ClkPnchs"})
    if (reportClass.compare(QLatin1String(listed), Qt::CaseInsensitive) == 0) return true;
  return reportClass.contains(QLatin1String("OpnOrdTrk"), Qt::CaseInsensitive);
}
