#include "platform/engine/BackupLink.h"

#include "platform/engine/EDBEngineError.h"

#include <QFile>
#include <sys/stat.h>

namespace {
bool Identity(const QString& path, dev_t& device, ino_t& inode) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) return false;
  device = info.st_dev;
  inode = info.st_ino;
  return true;
}
} // namespace

BackupLink::BackupLink(const TDatabase& source, const QString& folder) : backup_(QString(), folder) {
  backup_.Open();
  if (!Identity(backup_.FilePath(), device_, inode_))
    throw EDBEngineError(EngineError::OsError, QStringLiteral("File: ") + backup_.FilePath());
  backup_.Exec(QStringLiteral("ATTACH DATABASE ? AS ") + QLatin1String(kSourceSchema), {source.FilePath()},
               QStringLiteral("Backup of database ") + source.FilePath());
}

bool BackupLink::Current() const {
  if (!backup_.Connected()) return false;
  dev_t device = 0;
  ino_t inode = 0;
  return Identity(backup_.FilePath(), device, inode) && device == device_ && inode == inode_;
}
