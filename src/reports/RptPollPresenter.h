#pragma once
// The presentation of a stored poll that a report object asks for (RptPresentRequest,
// under its report form class): printed on the default printer with no dialog, or shown in
// the preview window. Registered under every form class of the report registry by
// RegisterReportPresentations, which the program calls at start after the report forms'
// libraries are loaded; the registrations need no window.
#include <QString>

struct RptPresentRequest;
class tEcrRpt;

namespace RptPollPresenter {
// Prints (request.print) or previews the poll; raises the printer's errors (no printer, a
// refused job) to the caller, so an unattended print never passes for done without paper.
int Present(RptPresentRequest& request);
// Writes the poll as a PDF; false when the poll has no rows (nothing is written).
bool WritePdf(tEcrRpt& report, qint32 pollId, const QString& fileName);
} // namespace RptPollPresenter

void RegisterReportPresentations();
