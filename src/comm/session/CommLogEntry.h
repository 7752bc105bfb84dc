#pragma once
// A log row's "LogEntry": the session's progress lines as one text, every line ended by
// CR LF, and back; and its export to a text file.
#include <QString>
#include <QStringList>

namespace CommLogEntry {
QString Text(const QStringList& lines);
// Lines end at CR LF, LF or CR; the end of the last line adds no empty line.
QStringList Lines(const QString& text);
// Writes the lines to the file, one a line (Windows-1252, CR LF): an empty entry gives an
// empty file. ECommLogExport ("File I/O error.") when the file cannot be written.
void Export(const QString& text, const QString& path);
} // namespace CommLogEntry
