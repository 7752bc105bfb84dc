#pragma once
// The storage driver of an object database: the operations an object file needs of its
// tables, each on a handle of an open table. Drivers are made through their run-time
// class (a blank instance, then Create with the database name), so the database can be
// told which driver class to use.
//
// The base keeps the table of open files: a new table gets the smallest handle from 1
// that is free; a handle that is not open raises EOdbInvalidObjectFileHandle.
// Operations a driver lacks raise the "not supported" errors, as listed per operation.
#include "platform/sys/TObject.h"
#include "store/odb/OdbTypes.h"

#include <QString>
#include <memory>

class TArray;
class TMemoryStream;
class TObjectFile;
class TObjectFileData;
class TOdbIndex;
class TOdbEngineTable;
class TUnorderedList;

// A driver's mark of a record; freed through the driver that made it.
class TOdbDriverBookmark {
public:
  virtual ~TOdbDriverBookmark() = default;
};

class TOdbDriver : public TObject {
  TB_OBJECT(TOdbDriver)
public:
  explicit TOdbDriver(TBlank blank);
  ~TOdbDriver() override;
  TOdbDriver(const TOdbDriver&) = delete;
  TOdbDriver& operator=(const TOdbDriver&) = delete;

  // The constructor proper: stores the name (an alias or a folder) and takes the set of
  // supported field types. Overrides do their own set-up, then call this.
  virtual void Create(const QString& databaseName);

  const QString& DatabaseName() const { return databaseName_; }
  bool Opened() const { return opened_; }
  void SetOpened(bool opened) { opened_ = opened; }
  TOdbFieldTypes FieldTypes() const { return fieldTypes_; }

  // Whether the object file must check primary and unique keys itself (false).
  virtual bool NeedsInsertKeyCheck();
  virtual bool NeedsUpdateKeyCheck();
  // EOdbTransactionNotSupported.
  virtual void StartTransaction();
  virtual void Commit();
  virtual void Rollback();
  // Nothing.
  virtual void OpenDatabase(const QString& serverName, const QString& userName, const QString& password);
  virtual void CloseDatabase();

  virtual qint32 OpenFile(const QString& tableName, TObjectFile& file) = 0;
  // EOdbFileLockingNotSupported.
  virtual qint32 OpenFileExclusive(const QString& tableName, TObjectFile& file);
  virtual void CloseFile(qint32 handle) = 0;
  virtual void DeleteFile(const QString& tableName) = 0;
  virtual void CreateFile(const QString& tableName, TObjectFile& file) = 0;
  // A counter key field receives the value the table gave the new record.
  virtual void InsertRecord(qint32 handle, TUnorderedList& keyFields, TMemoryStream& stream) = 0;
  // Rewrites the record at the table's cursor.
  virtual void UpdateRecord(qint32 handle, TUnorderedList& keyFields, TMemoryStream& stream) = 0;
  // Deletes the record at the table's cursor.
  virtual void DeleteRecord(qint32 handle) = 0;
  virtual QString GetIndexName(qint32 handle) = 0;
  virtual void SetIndexName(qint32 handle, const QString& name) = 0;
  // Writes the stored object bytes of the record at the cursor into the stream.
  virtual void ReadObjectData(qint32 handle, TMemoryStream& stream) = 0;
  // EOdbObjectLockingNotSupported.
  virtual bool LockRecord(qint32 handle);
  virtual void UnlockRecord(qint32 handle);
  // Moves; false at the end (Next), at the start (Prior), or on an empty table (First, Last).
  virtual bool Next(qint32 handle) = 0;
  virtual bool Prior(qint32 handle) = 0;
  virtual bool First(qint32 handle) = 0;
  virtual bool Last(qint32 handle) = 0;
  virtual bool FindKey(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) = 0;
  virtual void FindNearest(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) = 0;
  virtual qint32 RecordCount(qint32 handle) = 0;
  virtual std::unique_ptr<TOdbDriverBookmark> GetBookmark(qint32 handle) = 0;
  virtual void GotoBookmark(qint32 handle, const TOdbDriverBookmark& bookmark) = 0;
  virtual void FreeBookmark(qint32 handle, std::unique_ptr<TOdbDriverBookmark> bookmark) = 0;
  // RecordCount = 0.
  virtual bool IsEmpty(qint32 handle);
  // Nothing.
  virtual void Pack(qint32 handle);
  virtual TOdbFieldTypes SupportedFieldTypes() = 0;

  // The number of open tables.
  qint32 OpenFileCount() const;

protected:
  // Enters an open table under the smallest free handle and answers the handle.
  qint32 AddFileData(std::unique_ptr<TOdbEngineTable> table);
  // The entry of an open handle; EOdbInvalidObjectFileHandle when there is none.
  TObjectFileData& FileData(qint32 handle) const;
  // Removes the entry, which frees its table.
  void RemoveFileData(qint32 handle);
  // The handles of the open tables, ascending.
  QList<qint32> OpenHandles() const;

private:
  std::unique_ptr<TArray> files_;
  QString databaseName_;
  bool opened_ = false;
  TOdbFieldTypes fieldTypes_;
};
