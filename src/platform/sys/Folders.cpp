#include "platform/sys/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString xdgFolder(const char* variable, const char* fallbackUnderHome) {
  QString base = qEnvironmentVariable(variable);
  if (base.isEmpty()) base = QDir::homePath() + QLatin1Char('/') + QLatin1String(fallbackUnderHome);
  return QDir::cleanPath(base + QStringLiteral("/tillbridge"));
}
} // namespace

QString Folders::CommonFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

bool Folders::CommonFolderExists() { return QFileInfo(CommonFolder()).isDir(); }

QString Folders::UserDataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

QString Folders::ExecutablePath() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationFilePath();
  return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

QString Folders::ExecutableFolder() { return QFileInfo(ExecutablePath()).absolutePath(); }
