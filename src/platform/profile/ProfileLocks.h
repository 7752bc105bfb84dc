#pragma once
// One lock per profile file, shared by every ProfileFile of the process that names the
// same file, so that a read-modify-write of one caller never loses another's change.
#include <QString>
#include <mutex>

namespace ProfileLocks {
// The lock of a file. The path is reduced to one canonical spelling first (symbolic
// links and "." / ".." resolved as far as the folders exist), so two spellings of one
// file share their lock. The lock lives until the process ends.
std::mutex& ForPath(const QString& path);
// The canonical spelling that ForPath uses.
QString CanonicalPath(const QString& path);
} // namespace ProfileLocks
