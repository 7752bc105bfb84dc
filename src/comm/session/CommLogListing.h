#pragma once
// What the listing of the communication log ("Log Table", TCommLogListingReport) shows: the
// nine column headings and a row of texts for each log row.
#include <QList>
#include <QString>
#include <QStringList>

class TTable;

namespace CommLogListing {
// The rows a page of the listing holds.
inline constexpr int kRowsPerPage = 54;

const QStringList& Headings();
// Every row of the table from the first, in the order of the current index: ID, Result,
// MachineID, StoreNumber, MachineNumber, CommType, StartTime, EndTime, Duration as text.
QList<QStringList> Rows(TTable& table);
} // namespace CommLogListing
