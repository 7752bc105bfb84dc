#pragma once
// The export of a poll right after it was saved, into the report's export file, in the
// layout that the settings choose ("ExportFormat"/"Format", 0..4; another value writes
// nothing). A file name without a folder lands beside the executable; missing folders
// are made. The poll's leading values come from its AllPolls row.
#include <QString>

namespace PollAutoExport {
// Nothing is written for an empty file name or a poll that AllPolls does not hold.
void Run(const QString& databaseName, const QString& tableName, qint32 pollId, const QString& exportFile);
} // namespace PollAutoExport
