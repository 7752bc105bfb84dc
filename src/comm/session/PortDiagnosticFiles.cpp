#include "comm/session/PortDiagnosticFiles.h"

#include "comm/link/TSclCustomComPort.h"
#include "comm/session/DirectPortName.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"

#include <QDir>

namespace {
QString PortStem(const QString& portName) {
  try {
    if (const std::optional<int> number = DirectComNumber(portName)) return QStringLiteral("COM%1").arg(*number);
  } catch (const std::exception&) {
    // A direct port without a number never opens; its name still names its files.
  }
  QString stem = portName.trimmed();
  for (QChar& c : stem)
    if (!c.isLetterOrNumber() && c != QLatin1Char('-') && c != QLatin1Char('_')) c = QLatin1Char('_');
  return stem;
}

QString LogFolder() { return QDir(TSession::Default().AliasPath(GetDataAlias())).filePath(QStringLiteral("Log")); }
} // namespace

PortDiagnosticFiles DiagnosticFilesOf(const QString& portName) {
  const QDir folder(LogFolder());
  const QString stem = QStringLiteral("SCOMM-") + PortStem(portName);
  return {folder.filePath(stem + QStringLiteral(".LOG")), folder.filePath(stem + QStringLiteral(".TRC"))};
}

void UseDiagnosticFiles(TSclCustomComPort& port, const QString& portName) {
  const PortDiagnosticFiles files = DiagnosticFilesOf(portName);
  QDir().mkpath(LogFolder());
  port.SetLogName(files.log);
  port.SetTraceName(files.trace);
}
