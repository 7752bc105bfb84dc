#include "platform/engine/TableBackup.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/sys/ScopeGuard.h"

#include <QDir>

QString TableBackup::BackupFolder(const TDatabase& db) {
  return db.Folder() + QLatin1Char('/') + QLatin1String(EngineConfig::kBackupFolder);
}

namespace {
void CopyRows(TDatabase& backup, const TTableDef& def, const QString& sourceFile) {
  const QString context = QStringLiteral("Backup of table ") + def.name;
  backup.Exec(QStringLiteral("ATTACH DATABASE ? AS tb_source"), {sourceFile}, context);
  // A deferred transaction: the copy writes the backup file only, and reads the source
  // without taking its write lock (an immediate one would lock every attached file).
  const auto detach = OnScopeExit([&] { backup.Exec(QStringLiteral("DETACH DATABASE tb_source"), {}, context); });
  {
    const auto rollback = OnScopeFailure([&] { backup.Exec(QStringLiteral("ROLLBACK"), {}, context); });
    backup.Exec(QStringLiteral("BEGIN"), {}, context);
    if (backup.TableExists(def.name)) backup.Exec(QStringLiteral("DROP TABLE ") + SqlText::Quote(def.name), {}, context);
    backup.Exec(SqlText::CreateTable(def), {}, context);
    for (const TIndexDef& index : def.indexes) backup.Exec(SqlText::CreateIndex(def.name, index), {}, context);
    backup.Exec(QStringLiteral("INSERT INTO %1 SELECT * FROM tb_source.%1").arg(SqlText::Quote(def.name)), {}, context);
    backup.Exec(QStringLiteral("COMMIT"), {}, context);
  }
}
} // namespace

void TableBackup::CopyToBackup(TDatabase& db, const QString& table) {
  const std::optional<TTableDef> def = db.ReadTableDef(table);
  if (!def) throw EDBEngineError(EngineError::TableMissing, QStringLiteral("Table: ") + TableNameOf(table));
  const QString folder = BackupFolder(db);
  if (!QDir().mkpath(folder)) throw EDBEngineError(EngineError::OsError, QStringLiteral("Folder: ") + folder);
  TDatabase backup(QString(), folder);
  backup.Open();
  CopyRows(backup, *def, db.FilePath());
}
