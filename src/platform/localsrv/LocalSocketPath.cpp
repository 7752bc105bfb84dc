#include "platform/localsrv/LocalSocketPath.h"

#include <QDir>
#include <QStandardPaths>

namespace LocalSocketPath {
QString ForService(const QString& service, const char* overrideVariable) {
  if (overrideVariable) {
    const QString path = qEnvironmentVariable(overrideVariable);
    if (!path.isEmpty()) return path;
  }
  // Without $XDG_RUNTIME_DIR Qt makes a private folder of the user's (mode 0700) under /tmp.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder + QLatin1Char('/') + service;
}
} // namespace LocalSocketPath
