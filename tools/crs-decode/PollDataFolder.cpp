#include "PollDataFolder.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"

#include <QDir>

namespace {
// A database the session finds by its name before it looks at the configuration.
std::unique_ptr<TDatabase> OpenNamed(const char* name, const QString& folder) {
  if (!QDir().mkpath(folder)) throw EDataFolder(QStringLiteral("Cannot make the data folder %1").arg(folder));
  auto db = std::make_unique<TDatabase>(QString::fromLatin1(name), folder);
  try {
    db->Open();
  } catch (const Exception& e) {
    throw EDataFolder(QStringLiteral("Cannot open the data folder %1: %2").arg(folder, e.Message()));
  }
  return db;
}
} // namespace

PollDataFolder::PollDataFolder(const QString& folder) : folder_(QDir(folder).absolutePath()) {
  // Nothing opened through the configuration may stand in front of these.
  TSession::Default().CloseAll();
  data_ = OpenNamed(EngineConfig::kDataAlias, folder_);
  programs_ = OpenNamed(EngineConfig::kProgDatabase, folder_ + QLatin1Char('/') + QLatin1String(EngineConfig::kProgramDataFolder));
}

PollDataFolder::~PollDataFolder() { TSession::Default().CloseAll(); }
