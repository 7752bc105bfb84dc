#pragma once
// An object file: one table of an object database holding objects of one class. Each
// record has the object's key values in key columns, which the table indexes, and the
// object itself as an object stream in the column "Object".
//
// The file keeps one current object, its own copy of the object at the cursor (or none),
// and moves it with the cursor. Update and Delete act on the record at the cursor: the
// caller positions it first with Find (or a move).
//
// A concrete file is a subclass that passes its element class and table name and
// implements SetKeyFields, DefineFields and DefineIndexes; the definitions run when the
// fields or indexes are first needed. Files are never streamed, so a subclass needs no
// run-time class of its own. How callers use a file:
//   read by key:  SetCurrent (an object holding the key), Find, GetCurrent;
//   change:       Find, SetCurrent (the changed object), Update;
//   add:          SetCurrent, Insert;
//   list:         First, then Next until false, reading GetCurrent each time.
// Every call that reaches the driver raises EOdbDatabaseNotOpened while the database is
// closed. Used on the GUI thread only.
#include "platform/sys/TObject.h"
#include "store/odb/OdbTypes.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class TMemoryStream;
class TObjectDatabase;
class TObjectStream;
class TOdbBookmark;
class TOdbDriver;
class TOdbField;
class TOdbIndex;
class TUnorderedList;

class TObjectFile : public TObject {
  TB_OBJECT(TObjectFile)
public:
  // The hooks, each with an event that fires when assigned.
  enum class Event {
    BeforeInsert, AfterInsert, BeforeUpdate, AfterUpdate, BeforeDelete, AfterDelete,
    WriteStream, ReadStream, BeforeOpen, AfterOpen, BeforeClose, AfterClose
  };
  static constexpr int EventCount = 12;
  using TNotifyEvent = std::function<void(TObjectFile& sender)>;

  // Adds the file to the database's list.
  TObjectFile(TObjectDatabase& database, const TClass& elementClass, const QString& tableName);
  // Closes the file when open and leaves the database's list.
  ~TObjectFile() override;
  TObjectFile(const TObjectFile&) = delete;
  TObjectFile& operator=(const TObjectFile&) = delete;

  // Copies the object's key values into the key fields.
  virtual void SetKeyFields(const TObject& obj) = 0;
  // Copies key values back into the object after an insert (for counter keys); nothing here.
  virtual void GetKeyFields(TObject& obj);
  // Add the key fields (AddField) and the indexes (AddIndex).
  virtual void DefineFields() = 0;
  virtual void DefineIndexes() = 0;

  // The database; EOdbDatabaseNotOpened once it has been freed.
  TObjectDatabase& Database() const;
  const QString& TableName() const { return tableName_; }
  const TClass& ElementClass() const { return elementClass_; }
  qint32 Handle() const { return handle_; }

  // EOdbFieldTypeNotSupported when the driver lacks the type. A string field takes the
  // size given (its capacity with the length byte); the other types their own.
  void AddField(const QString& name, TOdbFieldType type, int size);
  void AddIndex(const QString& name, TOdbIndexOptions options, const QStringList& fieldNames);
  // The key field of that name (case ignored); EOdbFieldDoesNotExist.
  TOdbField& FieldByName(const QString& name);
  TUnorderedList& KeyFields();
  TUnorderedList& Indexes();

  // Creates the file's table (it is not left open).
  void CreateFile();
  // Opens the table, selects the first index and reads the first object when there is one.
  void Open();
  // The current object survives closing.
  void Close();
  bool IsOpen() const { return handle_ != 0; }

  // The current object, which stays the file's; EOdbObjectFileNotPositioned when none.
  TObject& GetCurrent() const;
  bool HasCurrent() const { return current_ != nullptr; }
  // The current object handed to the caller; the file has none afterwards.
  // EOdbObjectFileNotPositioned when none.
  std::unique_ptr<TObject> TakeCurrent();
  // A deep copy of the object becomes current (EInvalidObjectType for an object that is
  // not of the element class); nullptr leaves none.
  void SetCurrent(const TObject* obj);

  // Stores the current object as a new record; the current object stays as it was.
  void Insert();
  // Rewrites the record at the cursor with the current object.
  void Update();
  // Deletes the record at the cursor; the record the cursor lands on becomes current, or
  // none when the table is now empty.
  void Delete();
  // Delete for a caller that does not read on: no object is current afterwards.
  void Remove();

  // Moves; on true the object of the new record becomes current.
  bool First();
  bool Last();
  bool Next();
  // Looks the current object's key up on the current index; on a hit the stored object
  // becomes current. False without a current object (the driver is not asked) and on a
  // miss (the current object and the cursor stay).
  bool Find();
  // Find for a caller that rewrites or deletes the record without reading it: on a hit the
  // cursor stands on the record and the current object stays the one holding the key.
  bool Locate();

  QString GetIndexName();
  // Asks the driver only when the name differs (case counts) from the current one.
  void SetIndexName(const QString& name);
  // The index whose name (case ignored) is the selected one; EOdbIndexDoesNotExist.
  TOdbIndex& CurrentIndex();

  qint32 RecordCount();
  bool IsEmpty();
  std::unique_ptr<TOdbBookmark> GetBookmark();

  void SetEvent(Event event, TNotifyEvent handler);

protected:
  virtual void DoBeforeInsert();
  virtual void DoAfterInsert();
  virtual void DoBeforeUpdate();
  virtual void DoAfterUpdate();
  virtual void DoBeforeDelete();
  virtual void DoAfterDelete();
  // With the bytes of an object just written (before they are stored) and of a record
  // just read (before the object is rebuilt), positioned at 0; may see or change them.
  virtual void DoWriteStream(TMemoryStream& stream);
  virtual void DoReadStream(TMemoryStream& stream);
  virtual void DoBeforeOpen();
  virtual void DoAfterOpen();
  virtual void DoBeforeClose();
  virtual void DoAfterClose();

  void Fire(Event event);

private:
  friend class TOdbBookmark;
  friend class TObjectDatabase;
  // The driver, after checking that the database is open.
  TOdbDriver& Driver() const;
  // The driver for the two key-check questions, which need no open database.
  TOdbDriver& DriverUnchecked() const;
  void EnsureDefined();
  void ReadCurrent();
  // ReadCurrent when the cursor found a record; answers found.
  bool ReadIfFound(bool found);
  std::unique_ptr<TObjectStream> WriteCurrent();
  void SetKeysWithCheck(bool forInsert);
  QList<TOdbIndex*> ChangedUniqueIndexes(const TUnorderedList& before);
  void CheckKeyViolations(const QList<TOdbIndex*>& indexes);
  void ReturnTo(const TOdbBookmark& bookmark);
  void RestoreKeyFields(const TUnorderedList& saved);
  void InsertWithCounter();
  bool HasCounterKey();

  qint32 handle_ = 0;
  std::unique_ptr<TObject> current_;
  TObjectDatabase* database_;
  QString tableName_;
  const TClass& elementClass_;
  std::unique_ptr<TUnorderedList> keyFields_;
  std::unique_ptr<TUnorderedList> indexes_;
  bool defined_ = false;
  bool defining_ = false;
  std::array<TNotifyEvent, EventCount> events_;
};
