#include "platform/engine/TableBackup.h"

#include "platform/engine/BackupLink.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TableBackupLog.h"
#include "platform/engine/TableSharedState.h"
#include "platform/sys/ScopeGuard.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

QString TableBackup::BackupFolder(const TDatabase& db) {
  return db.Folder() + QLatin1Char('/') + QLatin1String(EngineConfig::kBackupFolder);
}

namespace {
const QString kSource = QLatin1String(BackupLink::kSourceSchema);
const QString kCopy = QStringLiteral("tb_backup");
// One row per copied table in the backup file: the structure it was copied with, the
// highest record id it holds and the last entry of the change list it has taken.
const QString kStateTable = QStringLiteral("tb_backup_state");

struct CopyState {
  QString structure;
  qint64 top = 0;
  qint64 lastSeq = 0;
};

QString Context(const QString& table) { return QStringLiteral("Backup of table ") + table; }

QString StructureText(const TTableDef& def) {
  QStringList parts{SqlText::CreateTable(def)};
  for (const TIndexDef& index : def.indexes) parts << SqlText::CreateIndex(def.name, index);
  return parts.join(QLatin1String(";\n"));
}

// The columns that carry a row with its record id: an autoincrement field is the record
// id itself, any other table needs it named.
QString Columns(const TTableDef& def) {
  QStringList columns;
  bool hasId = false;
  for (const TFieldDef& field : def.fields) {
    columns << SqlText::Quote(field.name);
    hasId = hasId || field.type == TFieldType::AutoInc;
  }
  if (!hasId) columns.prepend(QStringLiteral("rowid"));
  return columns.join(QLatin1Char(','));
}

qint64 Number(TDatabase& db, const QString& sql, const QVariantList& values, const QString& table) {
  QSqlQuery query = db.Exec(sql, values, Context(table));
  return query.next() ? query.value(0).toLongLong() : 0;
}

std::optional<CopyState> ReadState(TDatabase& backup, const QString& table) {
  backup.Exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (tbl TEXT PRIMARY KEY COLLATE NOCASE, structure TEXT, "
                             "top INTEGER, lastseq INTEGER)")
                  .arg(kStateTable),
              {}, Context(table));
  if (!backup.TableExists(table)) return std::nullopt;
  QSqlQuery query = backup.Exec(QStringLiteral("SELECT structure, top, lastseq FROM %1 WHERE tbl = ?").arg(kStateTable), {table},
                                Context(table));
  if (!query.next()) return std::nullopt;
  return CopyState{query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toLongLong()};
}

void WriteState(TDatabase& backup, const QString& table, const std::optional<CopyState>& state) {
  backup.Exec(QStringLiteral("DELETE FROM %1 WHERE tbl = ?").arg(kStateTable), {table}, Context(table));
  if (!state) return;
  backup.Exec(QStringLiteral("INSERT INTO %1 (tbl, structure, top, lastseq) VALUES (?, ?, ?, ?)").arg(kStateTable),
              {table, state->structure, state->top, state->lastSeq}, Context(table));
}

qint64 SourceTop(TDatabase& backup, const QString& quoted, const QString& table) {
  return Number(backup, QStringLiteral("SELECT coalesce(max(rowid), 0) FROM %1.%2").arg(kSource, quoted), {}, table);
}

qint64 LastLogged(TDatabase& backup, const QString& table, qint64 after) {
  return Number(backup, QStringLiteral("SELECT coalesce(max(seq), ?) FROM %1.%2 WHERE tbl = ? AND seq > ?")
                            .arg(kSource, QLatin1String(TableBackupLog::kLogTable)),
                {after, table, after}, table);
}

// Replaces the copy with the whole table. Without a change list in the source the copy
// keeps no state, so the next call copies in full again.
std::optional<CopyState> CopyAll(TDatabase& backup, const TTableDef& def, bool logged) {
  const QString quoted = SqlText::Quote(def.name);
  if (backup.TableExists(def.name)) backup.Exec(QStringLiteral("DROP TABLE ") + quoted, {}, Context(def.name));
  backup.Exec(SqlText::CreateTable(def), {}, Context(def.name));
  for (const TIndexDef& index : def.indexes) backup.Exec(SqlText::CreateIndex(def.name, index), {}, Context(def.name));
  const QString columns = Columns(def);
  backup.Exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1").arg(quoted, columns, kSource), {}, Context(def.name));
  if (!logged) return std::nullopt;
  return CopyState{StructureText(def), SourceTop(backup, quoted, def.name), LastLogged(backup, def.name, 0)};
}

// Brings an up-to-date state's copy level with the table: the rows the change list names
// are taken again (or dropped, when gone), and the rows above the copy's top are added.
CopyState CopyChanges(TDatabase& backup, const TTableDef& def, const CopyState& state) {
  const QString quoted = SqlText::Quote(def.name);
  const QString columns = Columns(def);
  const qint64 lastSeq = LastLogged(backup, def.name, state.lastSeq);
  if (lastSeq > state.lastSeq) {
    const QString changed = QStringLiteral("SELECT rid FROM %1.%2 WHERE tbl = ? AND seq > ? AND seq <= ?")
                                .arg(kSource, QLatin1String(TableBackupLog::kLogTable));
    const QVariantList range{def.name, state.lastSeq, lastSeq};
    backup.Exec(QStringLiteral("DELETE FROM main.%1 WHERE rowid IN (%2)").arg(quoted, changed), range, Context(def.name));
    backup.Exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1 WHERE rowid IN (%4) AND rowid <= ?")
                    .arg(quoted, columns, kSource, changed),
                range + QVariantList{state.top}, Context(def.name));
  }
  backup.Exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1 WHERE rowid > ?").arg(quoted, columns, kSource),
              {state.top}, Context(def.name));
  return CopyState{state.structure, SourceTop(backup, quoted, def.name), lastSeq};
}

// Runs in one transaction of the backup file, reading one snapshot of the source.
// Answers the state written, so that the caller can clear what the copy has taken.
// fresh: the change list was started just now, so the copy's state is of a table that
// may have been made again meanwhile.
std::optional<CopyState> Refresh(TDatabase& backup, const TTableDef& def, bool fresh) {
  const QString context = Context(def.name);
  backup.Exec(QStringLiteral("BEGIN"), {}, context);
  const auto rollback = OnScopeFailure([&] { backup.Exec(QStringLiteral("ROLLBACK"), {}, context); });
  {
    const bool logged = TableBackupLog::IsLogged(backup, def.name, kSource);
    const std::optional<CopyState> state = ReadState(backup, def.name);
    const bool current = !fresh && logged && state && state->structure == StructureText(def);
    std::optional<CopyState> next = current ? CopyChanges(backup, def, *state) : CopyAll(backup, def, logged);
    WriteState(backup, def.name, next);
    backup.Exec(QStringLiteral("COMMIT"), {}, context);
    return next;
  }
}

TDatabase& Attached(TDatabase& db, const QString& file, const QString& schema, const QString& table) {
  db.Exec(QStringLiteral("ATTACH DATABASE ? AS ") + schema, {file}, Context(table));
  return db;
}

// Never raises: it runs on the way out of a failed restore too. A copy left attached to a
// database is detached before the next attach under its name.
void Detach(TDatabase& db, const QString& schema, const QString& table) noexcept {
  try {
    db.Exec(QStringLiteral("DETACH DATABASE ") + schema, {}, Context(table));
  } catch (...) {
  }
}

// The database's kept backup connection, opened afresh when there is none or its file is
// no longer the one in the folder.
BackupLink& Link(TDatabase& db, const QString& folder) {
  BackupLink* link = db.KeptBackupLink();
  if (link && link->Current()) return *link;
  db.KeepBackupLink(nullptr);
  db.KeepBackupLink(std::make_unique<BackupLink>(db, folder));
  return *db.KeptBackupLink();
}

bool HasState(TDatabase& db, const QString& table) {
  return Number(db, QStringLiteral("SELECT count(*) FROM %1.sqlite_master WHERE type = 'table' AND name = ?").arg(kCopy),
                {kStateTable}, table) > 0;
}
} // namespace

void TableBackup::CopyToBackup(TDatabase& db, const QString& table) {
  const std::optional<TTableDef> def = db.ReadTableDef(table);
  if (!def) throw EDBEngineError(EngineError::TableMissing, QStringLiteral("Table: ") + TableNameOf(table));
  const QString folder = BackupFolder(db);
  if (!QDir().mkpath(folder)) throw EDBEngineError(EngineError::OsError, QStringLiteral("Folder: ") + folder);
  // The change list is started before the snapshot is read, so that no change falls
  // between the two. Inside a caller's transaction the source is not written: the copy is
  // then made in full, and again next time.
  const bool free = !db.InTransaction();
  const bool fresh = free && !TableBackupLog::IsLogged(db, def->name);
  if (fresh) TableBackupLog::Start(db, def->name);
  std::optional<CopyState> state;
  {
    // A copy that fails part-way may leave its connection in any state: the next copy
    // opens a new one.
    const auto drop = OnScopeFailure([&] { db.KeepBackupLink(nullptr); });
    state = Refresh(Link(db, folder).Backup(), *def, fresh);
  }
  if (!free || !state || state->lastSeq == 0) return;
  try {
    TableBackupLog::Forget(db, def->name, state->lastSeq);
  } catch (const EDBEngineError&) {
    // Entries left behind are skipped by number next time and cleared after a later copy.
  }
}

void TableBackup::RestoreFromBackup(TDatabase& db, const QString& table) {
  const QString folder = BackupFolder(db);
  const QString missing = QStringLiteral("Backup of table ") + TableNameOf(table);
  if (!QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(EngineConfig::kDatabaseFileName)))
    throw EDBEngineError(EngineError::TableMissing, missing);
  TDatabase backup(QString(), folder);
  backup.Open();
  std::optional<TTableDef> def = backup.ReadTableDef(table);
  if (!def) throw EDBEngineError(EngineError::TableMissing, missing);
  const QString file = backup.FilePath();
  backup.Close();
  Detach(db, kCopy, def->name);
  Attached(db, file, kCopy, def->name);
  const auto detach = OnScopeExit([&] { Detach(db, kCopy, def->name); });
  db.RunInTransaction([&] {
    if (db.TableExists(def->name)) db.DeleteTable(def->name);
    db.CreateTable(*def);
    const QString quoted = SqlText::Quote(def->name);
    db.Exec(QStringLiteral("INSERT INTO main.%1 (%2) SELECT %2 FROM %3.%1").arg(quoted, Columns(*def), kCopy), {}, Context(def->name));
    // The table's triggers went with it. The list's older entries are of the rows replaced:
    // the copy goes on from the list as it is now.
    TableBackupLog::StartInTransaction(db, def->name);
    TableBackupLog::Forget(db, def->name, std::numeric_limits<qint64>::max());
    if (HasState(db, def->name))
      db.Exec(QStringLiteral("UPDATE %1.%2 SET lastseq = 0 WHERE tbl = ?").arg(kCopy, kStateTable), {def->name}, Context(def->name));
  });
  TableSharedState::BumpTable(db.FilePath(), def->name);
}
