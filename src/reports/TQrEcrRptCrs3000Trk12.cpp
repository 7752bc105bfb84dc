#include "reports/TQrEcrRptCrs3000Trk12.h"

#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Trk12"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Trk12>(); });

const RptListingColumn kColumns[] = {{"Track Number", "Tracking Number", 16, 116},
                                     {"Order Number", "Order", 140, 110},
                                     {"Cashier Name", "Cashier", 260, 130},
                                     {"Time", "Time", 400, 110},
                                     {"Balance", "Balance", 520, 120, RptAlign::Right, "$###,###,###.00"}};
} // namespace

TQrEcrRptCrs3000Trk12::TQrEcrRptCrs3000Trk12()
    : TQrEcrRpt3000Listing(QStringLiteral("TQrEcrRptCrs3000Trk12"), QStringLiteral("Track Report"), kColumns, 18) {}
