#include "platform/engine/TDatabase.h"

#include "platform/engine/BackupLink.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/SchemaReader.h"
#include "platform/engine/SqlErrors.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/engine/TableSharedState.h"
#include "platform/sys/ScopeGuard.h"
#include "platform/sys/TimingProfile.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>

namespace {
// A database file of no bytes reads as a valid empty database, and every table would then
// be made anew over what was lost. Only a folder that holds nothing but the file's own
// parts is new enough for that to be a first open cut short; a non-empty log means the
// rows are still there to be read.
void RefuseEmptiedFile(const QString& folder, const QString& filePath) {
  const QFileInfo file(filePath);
  if (!file.exists() || file.size() > 0) return;
  const QString name = file.fileName();
  if (QFileInfo(filePath + QStringLiteral("-wal")).size() > 0) return;
  const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry == name || entry.startsWith(name + QLatin1Char('-'))) continue;
    throw EDBEngineError(EngineError::TableCorrupt,
                         QStringLiteral("File: ") + filePath + QStringLiteral("\nThe file is empty but its folder is in use"));
  }
}

QString NextConnectionName() {
  static QAtomicInt counter;
  return QStringLiteral("tb_engine_%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

QString TableContext(const QString& table) { return QStringLiteral("Table: ") + table; }

// Makes a change of several statements all-or-nothing, inside or outside a transaction.
class SavePoint {
public:
  explicit SavePoint(const TDatabase& db) : db_(db) { db_.Exec(QStringLiteral("SAVEPOINT tb_change"), {}, QString()); }
  ~SavePoint() {
    if (done_) return;
    try {
      db_.Exec(QStringLiteral("ROLLBACK TO tb_change"), {}, QString());
      db_.Exec(QStringLiteral("RELEASE tb_change"), {}, QString());
    } catch (...) {
    }
  }
  void Release() {
    db_.Exec(QStringLiteral("RELEASE tb_change"), {}, QString());
    done_ = true;
  }

private:
  const TDatabase& db_;
  bool done_ = false;
};
} // namespace

TDatabase::TDatabase(QString name, QString folder) : name_(std::move(name)), folder_(QDir::cleanPath(folder)) {}

TDatabase::~TDatabase() { Close(); }

QString TDatabase::FilePath() const {
  if (!filePath_.isEmpty()) return filePath_;
  return folder_ + QLatin1Char('/') + QLatin1String(EngineConfig::kDatabaseFileName);
}

const QSqlDatabase& TDatabase::Connection() const {
  CheckConnected();
  return db_;
}

void TDatabase::Open(Durability durability) {
  if (connected_) return;
  const QFileInfo folder(folder_);
  if (!folder.isDir()) throw EDBEngineError(EngineError::FileMissing, QStringLiteral("Folder: ") + folder_);
  filePath_ = folder.canonicalFilePath() + QLatin1Char('/') + QLatin1String(EngineConfig::kDatabaseFileName);
  RefuseEmptiedFile(folder.canonicalFilePath(), filePath_);
  OpenConnection();
  connected_ = true;
  {
    const auto restore = OnScopeFailure([&] {
      connected_ = false;
      DropConnection();
    });
    const bool full = durability == Durability::Full;
    Exec(full ? QStringLiteral("PRAGMA journal_mode=WAL") : QStringLiteral("PRAGMA journal_mode=MEMORY"), {},
         QStringLiteral("File: ") + filePath_);
    Exec(full ? QStringLiteral("PRAGMA synchronous=FULL") : QStringLiteral("PRAGMA synchronous=OFF"), {},
         QStringLiteral("File: ") + filePath_);
    Exec(QStringLiteral("SELECT count(*) FROM sqlite_master"), {}, QStringLiteral("File: ") + filePath_);
  }
  TSession::Default().Register(this);
}

void TDatabase::OpenConnection() {
  connectionName_ = NextConnectionName();
  db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
  db_.setDatabaseName(filePath_);
  db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(TimingMs("EngineBusyTimeout", 5000)));
  if (db_.open()) return;
  const QSqlError error = db_.lastError();
  DropConnection();
  SqlErrors::Raise(error, QStringLiteral("File: ") + filePath_);
}

void TDatabase::DropConnection() {
  ForgetSchema();
  schemaVersionQuery_.reset();
  dataVersionQuery_.reset();
  db_.close();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connectionName_);
  connectionName_.clear();
}

void TDatabase::Close() {
  backupLink_.reset(); // it has this file attached
  if (!connected_) return;
  while (!tables_.isEmpty()) tables_.last()->Close();
  if (inTransaction_) {
    try {
      Rollback();
    } catch (...) {
    }
  }
  TSession::Default().Unregister(this);
  connected_ = false;
  DropConnection();
}

void TDatabase::CheckConnected() const {
  if (!connected_) throw EDBEngineError(EngineError::UnknownDatabase, QStringLiteral("Database %1 is not open").arg(name_));
}

QSqlQuery TDatabase::Exec(const QString& sql, const QVariantList& values, const QString& context) const {
  CheckConnected();
  QSqlQuery q(db_);
  q.setForwardOnly(true);
  if (!q.prepare(sql)) SqlErrors::Raise(q.lastError(), context);
  for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
  // A structure read inside a transaction may be undone with it, and the schema's version
  // counter goes back to a value it had before. A failed statement may have rolled the
  // transaction back by itself.
  if (sql.startsWith(QLatin1String("ROLLBACK"), Qt::CaseInsensitive)) ForgetSchema();
  if (!q.exec()) {
    ForgetSchema();
    SqlErrors::Raise(q.lastError(), context);
  }
  return q;
}

void TDatabase::StartTransaction() {
  CheckConnected();
  if (inTransaction_) throw EDBEngineError(EngineError::TransactionActive, QStringLiteral("Database: ") + name_);
  // Taking the write lock at the start keeps a later write of the transaction from failing
  // on another connection's newer snapshot.
  Exec(QStringLiteral("BEGIN IMMEDIATE"), {}, QStringLiteral("Database: ") + name_);
  inTransaction_ = true;
}

void TDatabase::Commit() {
  CheckConnected();
  if (!inTransaction_) throw EDBEngineError(EngineError::NoTransaction, QStringLiteral("Database: ") + name_);
  Exec(QStringLiteral("COMMIT"), {}, QStringLiteral("Database: ") + name_);
  inTransaction_ = false;
}

void TDatabase::Rollback() {
  CheckConnected();
  if (!inTransaction_) throw EDBEngineError(EngineError::NoTransaction, QStringLiteral("Database: ") + name_);
  inTransaction_ = false;
  TableSharedState::BumpFile(filePath_);
  Exec(QStringLiteral("ROLLBACK"), {}, QStringLiteral("Database: ") + name_);
}

void TDatabase::RunInTransaction(const std::function<void()>& work) {
  StartTransaction();
  const auto rollback = OnScopeFailure([&] {
    if (inTransaction_) Rollback();
  });
  work();
  Commit();
}

QStringList TDatabase::TableNames() const {
  CheckConnected();
  return SchemaReader::TableNames(db_);
}

bool TDatabase::TableExists(const QString& table) const {
  CheckConnected();
  if (const std::optional<TTableDef>* kept = Kept(table)) return kept->has_value();
  return SchemaReader::StoredTableName(db_, TableNameOf(table)).has_value();
}

std::optional<TTableDef> TDatabase::ReadTableDef(const QString& table) const {
  CheckConnected();
  if (const std::optional<TTableDef>* kept = Kept(table)) return *kept;
  std::optional<TTableDef> def = SchemaReader::ReadTableDef(db_, TableNameOf(table));
  schema_.insert(table, def);
  return def;
}

// The answer kept for the table, nullptr when there is none; all kept answers go when the
// schema changed since they were read.
const std::optional<TTableDef>* TDatabase::Kept(const QString& table) const {
  const qint64 version = SchemaVersion();
  if (version != schemaVersion_) {
    ForgetSchema();
    schemaVersion_ = version;
  }
  const auto kept = schema_.constFind(table);
  return kept == schema_.constEnd() ? nullptr : &*kept;
}

qint64 TDatabase::SchemaVersion() const { return PragmaValue(schemaVersionQuery_, QStringLiteral("PRAGMA schema_version")); }

qint64 TDatabase::DataVersion() const {
  CheckConnected();
  return PragmaValue(dataVersionQuery_, QStringLiteral("PRAGMA data_version"));
}

// The statement is prepared once and kept for the connection's life.
qint64 TDatabase::PragmaValue(std::optional<QSqlQuery>& kept, const QString& pragma) const {
  if (!kept) {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.prepare(pragma)) SqlErrors::Raise(q.lastError(), QStringLiteral("File: ") + filePath_);
    kept = std::move(q);
  }
  QSqlQuery& q = *kept;
  if (!q.exec() || !q.next()) SqlErrors::Raise(q.lastError(), QStringLiteral("File: ") + filePath_);
  const qint64 value = q.value(0).toLongLong();
  // Not left open: an open statement would hold the file's read snapshot.
  q.finish();
  return value;
}

void TDatabase::ForgetSchema() const {
  schema_.clear();
  schemaVersion_ = -1;
}

TTableDef TDatabase::StoredDef(const QString& table) const {
  std::optional<TTableDef> def = ReadTableDef(table);
  if (!def) throw EDBEngineError(EngineError::TableMissing, TableContext(TableNameOf(table)));
  return *def;
}

void TDatabase::CreateTable(const TTableDef& def) {
  const TTableDef valid = ValidatedTableDef(def);
  if (TableExists(valid.name)) throw EDBEngineError(EngineError::TableExists, TableContext(valid.name));
  SavePoint change(*this);
  Exec(SqlText::CreateTable(valid), {}, TableContext(valid.name));
  for (const TIndexDef& index : valid.indexes) Exec(SqlText::CreateIndex(valid.name, index), {}, TableContext(valid.name));
  change.Release();
}

void TDatabase::DeleteTable(const QString& table) {
  const TTableDef def = StoredDef(table);
  if (TableSharedState::IsOpen(filePath_, def.name))
    throw EDBEngineError(EngineError::TableBusy, TableContext(def.name) + QStringLiteral(" is open"));
  Exec(QStringLiteral("DROP TABLE ") + SqlText::Quote(def.name), {}, TableContext(def.name));
}

void TDatabase::EmptyTable(const QString& table) {
  const TTableDef def = StoredDef(table);
  if (TableSharedState::HasLocks(filePath_, def.name)) throw EDBEngineError(EngineError::RecordLocked, TableContext(def.name));
  Exec(QStringLiteral("DELETE FROM ") + SqlText::Quote(def.name), {}, TableContext(def.name));
  TableSharedState::BumpTable(filePath_, def.name);
}

void TDatabase::AddIndex(const QString& table, const TIndexDef& index) {
  TTableDef def = StoredDef(table);
  def.indexes.append(index);
  const TTableDef valid = ValidatedTableDef(def);
  Exec(SqlText::CreateIndex(valid.name, valid.indexes.last()), {}, TableContext(valid.name));
  TableSharedState::BumpTable(filePath_, valid.name);
}

void TDatabase::KeepBackupLink(std::unique_ptr<BackupLink> link) { backupLink_ = std::move(link); }

void TDatabase::Attach(TTable* table) {
  if (!tables_.contains(table)) tables_.append(table);
}

void TDatabase::Detach(TTable* table) { tables_.removeAll(table); }
