#include "reports/TQrEcrRptCrs3000Trk12.h"

#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Trk12"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Trk12>(); });

const RptListingColumn kColumns[] = {{"Track Number", "Tracking Number", 16, 110},
                                     {"Order Number", "Order", 136, 100},
                                     {"Cashier Name", "Cashier", 246, 130},
                                     {"Time", "Time", 386, 110},
                                     {"Balance", "Balance", 506, 120, RptAlign::Right, "$###,###,###.00"}};
} // namespace

TQrEcrRptCrs3000Trk12::TQrEcrRptCrs3000Trk12()
    : TQrEcrRpt3000Listing(QStringLiteral("TQrEcrRptCrs3000Trk12"), QStringLiteral("Track Report"), kColumns, 18) {}
