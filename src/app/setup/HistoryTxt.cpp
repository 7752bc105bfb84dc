#include "app/setup/HistoryTxt.h"

#include "app/setup/Preferences.h"
#include "model/EInOutError.h"
#include "platform/sys/Cp1252.h"
#include "store/odb/StorageGlobals.h"
#include "store/settings/SettingsFile.h"

#include <QSaveFile>

void WriteHistoryTxt(const QString& folder, const QString& initRetry, const QString& defRetry,
                     const QString& waitTime) {
  const QString path = folder + QStringLiteral("/History.txt");
  QByteArray bytes;
  for (const QString& line : {initRetry, defRetry, waitTime, QStringLiteral("100"), QStringLiteral("0"),
                              QStringLiteral("2")})
    bytes += Cp1252::Encode(line) + "\r\n";
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    throw EInOutError(QStringLiteral("Cannot write ") + path + QStringLiteral(": ") + file.errorString());
}

void ApplyCommSetup(const QString& initRetry, const QString& defRetry, const QString& waitTime,
                    qint32 initValue, qint32 defValue, qint32 waitValue) {
  WriteHistoryTxt(GetAliasPath(GetDataAlias()), initRetry, defRetry, waitTime);
  HandRetriesToQueue(initValue, defValue, waitValue);
}
