#include "reports/TQrEcrRptCrs3000OpnOrd3.h"

#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000OpnOrd3"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000OpnOrd3>(); });

const RptListingColumn kColumns[] = {{"Memory Number", "Memory Number", 16, 120},
                                     {"Table #", "Table", 146, 60},
                                     {"Check #", "Check", 216, 70},
                                     {"Cashier Name", "Cashier", 296, 130},
                                     {"Time", "Time", 436, 100},
                                     {"Balance", "Balance", 546, 120, RptAlign::Right, "$###,###,###.00"}};
} // namespace

TQrEcrRptCrs3000OpnOrd3::TQrEcrRptCrs3000OpnOrd3()
    : TQrEcrRpt3000Listing(QStringLiteral("TQrEcrRptCrs3000OpnOrd3"), QStringLiteral("Track Report"), kColumns, 18) {}
