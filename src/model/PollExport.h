#pragma once
// Writing stored polls to an export file for other programs: the rows of one poll in one
// of five line layouts (settings "ExportFormat"/"Format"), appended to the file with CRLF
// line ends. A consolidated poll is framed by a "!CONSOLIDATED," line with its ranges and
// a "!ENDCONSOLIDATED" line. The poll's leading values come from its AllPolls row.
#include <QString>
#include <QtGlobal>

namespace PollExport {
inline constexpr int kFormatCount = 5;  // 0 .. 4

// The layout the settings choose; EPollExport naming the value when it is none of 0..4.
int FormatSetting();
void CheckFormat(int format);

// The file an export writes: the name as given, in full; a name without a folder goes
// into the default export folder (the executable's). Missing folders are made and the file
// is created when missing, so a name that cannot be written fails here, before any line,
// with EPollExport "File Was Not Opened Correctly".
QString OpenOutput(const QString& name);

enum class Framing { None, Consolidated };
// Appends the rows of the poll (a report table of the database whose AllPolls holds it) in
// the format. A poll that AllPolls does not hold writes nothing.
void WritePoll(const QString& databaseName, const QString& tableName, qint32 pollId, int format,
               const QString& path, Framing framing = Framing::None);
} // namespace PollExport
