#pragma once
// The object database's driver over the database engine: each object file is one engine
// table of the database named by an alias or a folder, with the key fields as columns
// (string: alpha of size - 1 characters; float: number; integer: long; counter:
// autoincrement), then the blob column "Object". Each index of the file becomes an engine
// index over its fields; the primary one is the table's primary index, remembered by the
// file's name for it.
//
// The engine enforces primary and unique keys itself (a duplicate raises its key
// violation), so no key checks are asked of the object files. Engine errors pass to the
// caller unchanged. Registered as "ENGINE".
//
// The database connection is the engine session's for that alias or folder, shared with
// every other table of it: closing the object database closes its files, not the
// connection.
#include "store/odb/TOdbDriver.h"

class TDatabase;
class TOdbEngineTable;

class TEngineOdbDriver : public TOdbDriver {
  TB_OBJECT(TEngineOdbDriver)
public:
  explicit TEngineOdbDriver(TBlank blank);
  ~TEngineOdbDriver() override;

  void Create(const QString& databaseName) override;
  void StartTransaction() override;
  void Commit() override;
  void Rollback() override;
  void OpenDatabase(const QString& serverName, const QString& userName, const QString& password) override;
  void CloseDatabase() override;
  qint32 OpenFile(const QString& tableName, TObjectFile& file) override;
  void CloseFile(qint32 handle) override;
  void DeleteFile(const QString& tableName) override;
  void CreateFile(const QString& tableName, TObjectFile& file) override;
  void InsertRecord(qint32 handle, TUnorderedList& keyFields, TMemoryStream& stream) override;
  void UpdateRecord(qint32 handle, TUnorderedList& keyFields, TMemoryStream& stream) override;
  void DeleteRecord(qint32 handle) override;
  QString GetIndexName(qint32 handle) override;
  void SetIndexName(qint32 handle, const QString& name) override;
  void ReadObjectData(qint32 handle, TMemoryStream& stream) override;
  // False when another cursor holds the record's lock.
  bool LockRecord(qint32 handle) override;
  // A release that fails raises nothing.
  void UnlockRecord(qint32 handle) override;
  bool Next(qint32 handle) override;
  bool Prior(qint32 handle) override;
  bool First(qint32 handle) override;
  bool Last(qint32 handle) override;
  bool FindKey(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) override;
  void FindNearest(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) override;
  qint32 RecordCount(qint32 handle) override;
  std::unique_ptr<TOdbDriverBookmark> GetBookmark(qint32 handle) override;
  void GotoBookmark(qint32 handle, const TOdbDriverBookmark& bookmark) override;
  void FreeBookmark(qint32 handle, std::unique_ptr<TOdbDriverBookmark> bookmark) override;
  bool IsEmpty(qint32 handle) override;
  // EEnginePackNotSupported.
  void Pack(qint32 handle) override;
  TOdbFieldTypes SupportedFieldTypes() override;

  // The engine database (the session's for the name); EOdbDatabaseNotOpened before
  // OpenDatabase.
  TDatabase& Database() const;
  // The engine table of an open handle.
  TOdbEngineTable& Table(qint32 handle) const;

private:
  void WriteRecord(TOdbEngineTable& table, TUnorderedList& keyFields, TMemoryStream& stream);

  bool connected_ = false;
};
