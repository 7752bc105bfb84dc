#pragma once
// The answer file of a request: its lines in Windows-1252, each ended by CR LF (the last
// too); no lines give an empty file.
#include <QString>
#include <QStringList>

namespace QueryAnswerFile {
// Creates the file empty, or empties it. EFCreateError when it cannot.
void Create(const QString& path);
// Writes the lines over the file, which ends where they end. EFCreateError when it cannot.
//
// The file is written in place rather than truncated and written again: on some file
// systems closing a file that was cut to nothing and refilled forces its data to disk at
// once, which would cost every request a disk write.
void Write(const QString& path, const QStringList& lines);
} // namespace QueryAnswerFile
