#include "reports/TQrEcrRptCrs3000SplItmStk.h"

#include "model/ZeroSkip.h"
#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000SplItmStk"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000SplItmStk>(); });

const RptListingColumn kColumns[] = {{"Memory #", "Memory Number", 16, 80, RptAlign::Right},
                                     {"PLU #", "PLU Number", 106, 110, RptAlign::Right},
                                     {"Descriptor", "Descriptor", 236, 150},
                                     {"Stock", "Stock", 396, 90, RptAlign::Right}};
} // namespace

TQrEcrRptCrs3000SplItmStk::TQrEcrRptCrs3000SplItmStk()
    : TQrEcrRpt3000Listing(QStringLiteral("TQrEcrRptCrs3000SplItmStk"), QStringLiteral("Special Item Stock"), kColumns,
                           18) {
  DetailBand1().OnBeforePrint([this](RptBand&, bool& printBand) {
    if (!ZeroSkip) return;
    const RptValue stock = Master()->Field(QStringLiteral("Stock"));
    printBand = !stock.IsNull() && stock.ToInteger() != 0;
  });
}
