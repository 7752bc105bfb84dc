#include "reports/TQrEcrRptCrs3000OpnOrd3.h"

#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000OpnOrd3"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000OpnOrd3>(); });

const RptListingColumn kColumns[] = {{"Memory Number", "Memory Number", 16, 134},
                                     {"Table #", "Table", 156, 60},
                                     {"Check #", "Check", 226, 70},
                                     {"Cashier Name", "Cashier", 306, 130},
                                     {"Time", "Time", 446, 100},
                                     {"Balance", "Balance", 556, 120, RptAlign::Right, "$###,###,###.00"}};
} // namespace

TQrEcrRptCrs3000OpnOrd3::TQrEcrRptCrs3000OpnOrd3()
    : TQrEcrRpt3000Listing(QStringLiteral("TQrEcrRptCrs3000OpnOrd3"), QStringLiteral("Track Report"), kColumns, 18) {}
