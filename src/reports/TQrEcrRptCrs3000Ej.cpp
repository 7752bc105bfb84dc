#include "reports/TQrEcrRptCrs3000Ej.h"

#include "reports/engine/RptReportRegistry.h"

namespace {
const RptReportRegistration kRegistration(QStringLiteral("TQrEcrRptCrs3000Ej"),
                                          [] { return std::make_unique<TQrEcrRptCrs3000Ej>(); });

const RptListingColumn kColumns[] = {{"Line Number", "Memory Number", 16, 110},
                                     {"Journal Entry", "Entry", 136, 420}};
// The register's print lines are laid out in characters.
const RptFont kEntryFont{QStringLiteral("Monospace"), 9, false, false};
} // namespace

TQrEcrRptCrs3000Ej::TQrEcrRptCrs3000Ej()
    : TQrEcrRpt3000Listing(QStringLiteral("TQrEcrRptCrs3000Ej"), QStringLiteral("Electronic Journal"), kColumns, 18) {
  DetailBand1().FindElement(QStringLiteral("Entry"))->SetFont(kEntryFont);
}
