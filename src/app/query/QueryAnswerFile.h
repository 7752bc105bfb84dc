#pragma once
// The answer file of a request: its lines in Windows-1252, each ended by CR LF (the last
// too); no lines give an empty file.
#include <QString>
#include <QStringList>

namespace QueryAnswerFile {
// Creates or replaces the file. EFCreateError when it cannot be created or written.
void Write(const QString& path, const QStringList& lines);
} // namespace QueryAnswerFile
