#include "ScopedDataFolder.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"

#include <QDir>

ScopedDataFolder::ScopedDataFolder(const QString& folder) {
  const QString data = folder + QStringLiteral("/data");
  QDir().mkpath(data);
  EngineConfig::SetAlias(QString::fromLatin1(EngineConfig::kDataAlias), data);
}

ScopedDataFolder::~ScopedDataFolder() {
  TSession::Default().CloseAll();
  EngineConfig::DeleteAlias(QString::fromLatin1(EngineConfig::kDataAlias));
}
