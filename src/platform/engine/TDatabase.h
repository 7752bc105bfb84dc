#pragma once
// One database: a folder and the engine's database file in it ("tillbridge.db"), reached
// through one connection of its own. Tables live in the file under their own names.
//
// The file runs in write-ahead-log mode with full synchronisation: a committed
// transaction is on disk when Commit returns, so neither a killed process nor a power
// failure loses it, and a transaction that did not commit leaves none of its rows. Every
// autocommitted write pays one disk flush: work on many rows belongs in a transaction.
// A write that meets another connection's open write transaction waits up to the
// "EngineBusyTimeout" interval of the timing profile, then fails with TableBusy.
//
// Used on the thread that opened it (the GUI thread).
#include "platform/engine/TableDef.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>

class BackupLink;
class TTable;

class TDatabase {
public:
  // name: how tables and the session find the database (an alias, "ProgDatabase", or
  // empty); folder: where its file lives.
  TDatabase(QString name, QString folder);
  ~TDatabase();
  TDatabase(const TDatabase&) = delete;
  TDatabase& operator=(const TDatabase&) = delete;

  // How much a file's writes are worth: Full survives a crash or power loss once
  // committed; Scratch, for a file thrown away after use, pays for no disk flush.
  enum class Durability { Full, Scratch };
  // Opens the file, creating it in an existing folder; a missing folder raises FileMissing.
  void Open(Durability durability = Durability::Full);
  // Closes every table open on the database and rolls back an open transaction.
  void Close();
  bool Connected() const { return connected_; }

  const QString& Name() const { return name_; }
  const QString& Folder() const { return folder_; }
  // The database file's full path (its folder's canonical path once open).
  QString FilePath() const;
  const QSqlDatabase& Connection() const;

  void StartTransaction();
  void Commit();
  void Rollback();
  bool InTransaction() const { return inTransaction_; }
  // Runs the work in one transaction: committed when the work returns, rolled back when it
  // raises (the exception goes on).
  void RunInTransaction(const std::function<void()>& work);

  QStringList TableNames() const;
  bool TableExists(const QString& table) const;
  // The table's stored structure. Kept from one call to the next while the file's schema
  // is unchanged (by any connection), so asking again costs one look at the schema's
  // version counter.
  std::optional<TTableDef> ReadTableDef(const QString& table) const;
  // Raises TableExists over an existing table: a table is never silently replaced.
  void CreateTable(const TTableDef& def);
  // Raises TableMissing when there is none, TableBusy while a cursor has it open.
  void DeleteTable(const QString& table);
  // Deletes every row; autoincrement values already given out are not given again.
  void EmptyTable(const QString& table);
  void AddIndex(const QString& table, const TIndexDef& index);

  // A number that changes whenever another connection has committed a change to the file
  // since the last call (this connection's own commits leave it).
  qint64 DataVersion() const;
  // Unique to this open connection: a number kept with a DataVersion answer is only
  // comparable while this is the same.
  const QString& ConnectionName() const { return connectionName_; }

  // Runs one statement with bound values; errors raise EDBEngineError with the context.
  QSqlQuery Exec(const QString& sql, const QVariantList& values, const QString& context) const;

  // The connection backup copies of the database's tables are made on, kept while the
  // database is open (nullptr when there is none); closing the database closes it.
  BackupLink* KeptBackupLink() const { return backupLink_.get(); }
  void KeepBackupLink(std::unique_ptr<BackupLink> link);

  // Tables register while open so that closing the database closes them.
  void Attach(TTable* table);
  void Detach(TTable* table);

private:
  void CheckConnected() const;
  void OpenConnection();
  void DropConnection();
  TTableDef StoredDef(const QString& table) const;
  const std::optional<TTableDef>* Kept(const QString& table) const;
  qint64 SchemaVersion() const;
  qint64 PragmaValue(std::optional<QSqlQuery>& kept, const QString& pragma) const;
  void ForgetSchema() const;

  QString name_;
  QString folder_;
  QString filePath_;
  QString connectionName_;
  QSqlDatabase db_;
  bool connected_ = false;
  bool inTransaction_ = false;
  QList<TTable*> tables_;
  // The structures read at schemaVersion_, by table name as asked for.
  mutable QHash<QString, std::optional<TTableDef>> schema_;
  mutable qint64 schemaVersion_ = -1;
  mutable std::optional<QSqlQuery> schemaVersionQuery_;
  mutable std::optional<QSqlQuery> dataVersionQuery_;
  std::unique_ptr<BackupLink> backupLink_;
};
