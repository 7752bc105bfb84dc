#include "platform/engine/TSession.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString CanonicalFolder(const QString& folder) {
  const QFileInfo info(folder);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The built-in folders belong to the system: they are made on first use. The program
// folder is made only inside an existing data folder, so that a missing data folder is
// still reported as missing.
void MakeDefaultFolder(const QString& alias, const QString& folder) {
  if (!EngineConfig::IsDefaultFolder(alias)) return;
  if (alias.compare(QLatin1String(EngineConfig::kProgDatabase), Qt::CaseInsensitive) == 0 &&
      !QFileInfo(QFileInfo(folder).absolutePath()).isDir())
    return;
  QDir().mkpath(folder);
}

void CloseAtExit() { TSession::Default().CloseAll(); }
} // namespace

TSession& TSession::Default() {
  static TSession* session = [] {
    // Connections must be gone before the application object and the SQL plugins are.
    qAddPostRoutine(CloseAtExit);
    return new TSession();
  }();
  return *session;
}

TDatabase& TSession::Database(const QString& databaseName) {
  if (TDatabase* db = FindOpen(databaseName)) return *db;
  if (std::optional<QString> folder = EngineConfig::AliasPath(databaseName)) {
    MakeDefaultFolder(databaseName, *folder);
    if (TDatabase* db = FindOpenFolder(*folder)) return *db;
    return OpenOwned(databaseName, *folder);
  }
  // A folder path; a missing folder is then reported as missing (FileMissing).
  if (QDir::isAbsolutePath(databaseName)) return DatabaseForFolder(databaseName);
  throw EDBEngineError(EngineError::UnknownDatabase, QStringLiteral("Database: ") + databaseName);
}

TDatabase& TSession::DatabaseForFolder(const QString& folder) {
  if (TDatabase* db = FindOpenFolder(folder)) return *db;
  return OpenOwned(QString(), folder);
}

QString TSession::AliasPath(const QString& alias) const {
  if (std::optional<QString> folder = EngineConfig::AliasPath(alias)) return *folder;
  throw EDBEngineError(EngineError::UnknownDatabase, QStringLiteral("Alias: ") + alias);
}

TDatabase& TSession::OpenOwned(const QString& name, const QString& folder) {
  // A database the session made and someone closed is opened again, never made twice.
  const QString wanted = CanonicalFolder(folder);
  for (const auto& owned : owned_) {
    if (CanonicalFolder(owned->Folder()) != wanted || owned->Name().compare(name, Qt::CaseInsensitive) != 0) continue;
    owned->Open();
    return *owned;
  }
  auto db = std::make_unique<TDatabase>(name, folder);
  db->Open();
  owned_.push_back(std::move(db));
  return *owned_.back();
}

TDatabase* TSession::FindOpen(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  for (TDatabase* db : open_)
    if (db->Name().compare(name, Qt::CaseInsensitive) == 0) return db;
  return nullptr;
}

TDatabase* TSession::FindOpenFolder(const QString& folder) const {
  const QString wanted = CanonicalFolder(folder);
  for (TDatabase* db : open_)
    if (CanonicalFolder(db->Folder()) == wanted) return db;
  return nullptr;
}

void TSession::CloseAll() {
  while (!open_.isEmpty()) open_.last()->Close();
  owned_.clear();
}

void TSession::Register(TDatabase* db) {
  if (!open_.contains(db)) open_.append(db);
}

void TSession::Unregister(TDatabase* db) { open_.removeAll(db); }
