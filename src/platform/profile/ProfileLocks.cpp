#include "platform/profile/ProfileLocks.h"

#include <QDir>
#include <QFileInfo>
#include <map>
#include <memory>

QString ProfileLocks::CanonicalPath(const QString& path) {
  const QFileInfo info(path);
  const QString file = info.canonicalFilePath();
  if (!file.isEmpty()) return file;
  const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
  if (!folder.isEmpty()) return folder + QLatin1Char('/') + info.fileName();
  return QDir::cleanPath(info.absoluteFilePath());
}

std::mutex& ProfileLocks::ForPath(const QString& path) {
  static std::mutex guard;
  static std::map<QString, std::unique_ptr<std::mutex>> locks;
  const QString key = CanonicalPath(path);
  std::lock_guard<std::mutex> hold(guard);
  auto& slot = locks[key];
  if (!slot) slot = std::make_unique<std::mutex>();
  return *slot;
}
