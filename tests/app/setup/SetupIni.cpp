#include "SetupIni.h"

#include "store/settings/SettingsFile.h"

#include <QFile>

namespace SetupIni {
QSet<QString> Lines() {
  QFile file(SettingsFilePath());
  QSet<QString> lines;
  if (!file.open(QIODevice::ReadOnly)) return lines;
  QString section;
  for (const QByteArray& raw : file.readAll().split('\n')) {
    const QString line = QString::fromLatin1(raw).trimmed();
    if (line.startsWith(QLatin1Char('['))) section = line.mid(1, line.size() - 2);
    else if (!line.isEmpty()) lines.insert(section + QLatin1Char('/') + line);
  }
  return lines;
}

QSet<QString> Added(const QSet<QString>& before, const QSet<QString>& after) { return after - before; }
} // namespace SetupIni
