#include "platform/engine/EngineConfig.h"

#include "platform/profile/ProfileFile.h"
#include "platform/sys/Folders.h"

#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

namespace {
const QString kAliases = QStringLiteral("Aliases");
const QString kEngine = QStringLiteral("Engine");
const QString kDLLPath = QStringLiteral("DLLPath");

ProfileFile Config() { return ProfileFile(EngineConfig::FilePath()); }

std::optional<QString> Configured(const QString& alias) {
  std::optional<QString> folder = Config().Read(kAliases, alias);
  if (!folder || folder->trimmed().isEmpty()) return std::nullopt;
  return QDir::cleanPath(folder->trimmed());
}

bool Is(const QString& alias, const char* name) { return alias.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; }

void EnsureCommonFolder() { QDir().mkpath(Folders::CommonFolder()); }
} // namespace

QString EngineConfig::FilePath() { return Folders::CommonFolder() + QStringLiteral("/engine.ini"); }

std::optional<QString> EngineConfig::AliasPath(const QString& alias) {
  if (std::optional<QString> folder = Configured(alias)) return folder;
  if (Is(alias, kDataAlias)) return QDir::cleanPath(Folders::UserDataFolder() + QStringLiteral("/data"));
  if (Is(alias, kProgDatabase)) {
    const std::optional<QString> data = AliasPath(QLatin1String(kDataAlias));
    return QDir::cleanPath(*data + QLatin1Char('/') + QLatin1String(kProgramDataFolder));
  }
  return std::nullopt;
}

bool EngineConfig::IsDefaultFolder(const QString& alias) {
  return (Is(alias, kDataAlias) || Is(alias, kProgDatabase)) && !Configured(alias);
}

QStringList EngineConfig::AliasNames() {
  QStringList names = Config().Keys(kAliases);
  for (const char* builtIn : {kDataAlias, kProgDatabase})
    if (!names.contains(QLatin1String(builtIn), Qt::CaseInsensitive)) names << QLatin1String(builtIn);
  return names;
}

void EngineConfig::SetAlias(const QString& alias, const QString& folder) {
  EnsureCommonFolder();
  Config().Write(kAliases, alias, QDir::cleanPath(folder));
}

void EngineConfig::DeleteAlias(const QString& alias) { Config().DeleteKey(kAliases, alias); }

QString EngineConfig::DLLPath() {
  const QString configured = Config().Read(kEngine, kDLLPath).value_or(QString()).trimmed();
  if (!configured.isEmpty()) return configured;
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&EngineConfig::DLLPath), &info) == 0 || !info.dli_fname) return QString();
  return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

void EngineConfig::SetDLLPath(const QString& folder) {
  EnsureCommonFolder();
  Config().Write(kEngine, kDLLPath, folder);
}
