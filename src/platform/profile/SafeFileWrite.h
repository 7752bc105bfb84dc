#pragma once
// Replacing a small file's whole content so that a crash never leaves half a file.
#include <QByteArray>
#include <QString>

namespace SafeFileWrite {
// Writes bytes to a new file in the same folder, flushes it to disk and renames it over
// path: readers see the old content or the new, never a mixture. An existing file keeps
// its permission bits; a symbolic link is followed, its target replaced and the link kept.
// The folder must exist. Throws EProfileError (with the system's error number).
void Replace(const QString& path, const QByteArray& bytes);
} // namespace SafeFileWrite
