#pragma once
// A cursor over one table of a database: open and close, move through the records in the
// order of the current index, find by key, search, limit to a range, edit, insert,
// append, post, cancel, delete, lock records, and read and set fields.
//
// The cursor holds the ids of its records in index order, never the rows; it reads the
// current row when it lands on it. Changes made through other cursors of the process
// are seen at the next move (the cursor re-reads its ids); its own changes it follows
// without re-reading when their place in the order is known.
//
// States follow the usual data-set rules: a move while editing or inserting posts the
// record first; Close cancels an unposted record; Edit on an empty table inserts.
// After a delete the cursor stands on the record that followed the deleted one, or on
// the new last record when the last one was deleted, or nowhere when the table is empty.
//
// Record locks are the engine's (per process, see TableSharedState): Edit and Delete take
// the current record's lock and raise RecordLocked when another cursor holds it; Post,
// Cancel, UnlockRecord and Close release them.
#include "platform/engine/SqlText.h"
#include "platform/engine/TField.h"
#include "platform/engine/TableDef.h"
#include "platform/engine/TableKeyset.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CursorStatements;
class TDatabase;
class TableSharedState;

enum class TDataSetState { Inactive, Browse, Edit, Insert };

struct TLocateOptions {
  bool caseInsensitive = false;
  bool partialKey = false; // the value may be only the beginning of a text field
};

// A record's place that survives moves: its id (and nothing when there was no record).
struct TBookmark {
  qint64 id = 0;
  bool valid = false;
};

class TTable {
public:
  using Event = std::function<void(TTable&)>;

  TTable();
  TTable(QString databaseName, QString tableName);
  ~TTable();
  TTable(const TTable&) = delete;
  TTable& operator=(const TTable&) = delete;

  // Where the table is: a database name (see TSession) or a database object, and the
  // table's name ("AllPolls.DB" and "AllPolls" are the same table).
  void SetDatabaseName(const QString& name);
  const QString& DatabaseName() const { return databaseName_; }
  void SetDatabase(TDatabase* database);
  void SetTableName(const QString& name);
  const QString& TableName() const { return tableName_; }
  TDatabase& Database();

  // The definitions CreateTable uses. Set before Open, they also give an alpha field that
  // keeps every byte its flag in a file made before the flag was stored.
  QList<TFieldDef>& FieldDefs() { return fieldDefs_; }
  QList<TIndexDef>& IndexDefs() { return indexDefs_; }
  void CreateTable();
  void DeleteTable();
  void EmptyTable();
  bool Exists();
  void AddIndex(const TIndexDef& index);

  // Opens on the first record. A table the file does not hold raises TableMissing; a file
  // or structure that cannot be read raises TableCorrupt.
  void Open();
  void Close();
  bool Active() const { return state_ != TDataSetState::Inactive; }
  TDataSetState State() const { return state_; }
  // The structure read from the file when the table was opened (with the flags of the
  // definitions, see FieldDefs).
  const TTableDef& Structure() const;

  // Moves. Next at the last record and Prior at the first stay and set Eof / Bof.
  void First();
  void Last();
  void Next();
  void Prior();
  // Moves by n records (negative: backwards) and answers how far it went.
  int MoveBy(int n);
  bool Bof() const { return bof_; }
  bool Eof() const { return eof_; }
  bool IsEmpty();
  int RecordCount();
  // The current record's number from 1; 0 when there is none.
  int RecNo();
  void SetRecNo(int recNo);
  // The current record's id; nullopt when there is none (or while inserting).
  std::optional<qint64> RecordId() const;

  // The current index: "" is the primary index (or the order of entry without one).
  const QString& IndexName() const { return indexName_; }
  void SetIndexName(const QString& name);
  const TIndexDef* CurrentIndex() const;

  // Key searches on the leading fields of the current index.
  bool FindKey(const QVariantList& values);
  // The first record at or after the key; the last record when there is none.
  void FindNearest(const QVariantList& values);
  // The first record, in the current order, whose fields match; the cursor stays when
  // there is none.
  bool Locate(const QStringList& fields, const QVariantList& values, TLocateOptions options = {});

  // Limits the records to keys between start and end (both included) on the leading
  // fields of the current index, and moves to the first of them.
  void SetRange(const QVariantList& start, const QVariantList& end);
  void CancelRange();

  TBookmark GetBookmark() const;
  // Raises RecordDeleted when the record is gone or outside the current range.
  void GotoBookmark(const TBookmark& bookmark);
  bool BookmarkValid(const TBookmark& bookmark);

  void Edit();
  void Insert();
  void Append();
  // Stores the record; a failure (a key violation, a value the file refuses) leaves the
  // cursor in its state with the values as they were set.
  void Post();
  void Cancel();
  void Delete();
  // Reads the records again (changes of other processes become visible).
  void Refresh();

  void LockRecord();
  void UnlockRecord();

  int FieldCount() const { return static_cast<int>(fields_.size()); }
  TField& Fields(int index);
  // Names match without regard to case; FieldByName raises FieldMissing.
  TField& FieldByName(const QString& name);
  TField* FindField(const QString& name);

  void SetAfterPost(Event handler) { afterPost_ = std::move(handler); }
  void SetAfterDelete(Event handler) { afterDelete_ = std::move(handler); }
  // Runs when Insert or Append starts a record: the place to give fields their defaults.
  void SetOnNewRecord(Event handler) { onNewRecord_ = std::move(handler); }

  // For TField: the current record's values.
  const QVariant& FieldBuffer(int index) const { return buffer_[index]; }
  void SetFieldBuffer(int index, QVariant value);

private:
  void CheckActive() const;
  void CheckBrowseMode();
  QString Context() const;
  void ResolveIndex(const QString& name);
  void ReadFields();
  void InvalidateKeyset();
  void EnsureKeyset();
  void LoadKeyset();
  void Reposition();
  void PlacePending();
  bool OrderFollowsIds() const;
  bool Coherent() const;
  void MoveTo(int position);
  void LandNear(int position);
  void ClearBuffer();
  SqlText::Condition RangeCondition() const;
  std::optional<qint64> FirstMatch(const SqlText::Condition& where);
  bool GoToId(qint64 id);
  void TakeLock(qint64 id);
  void ReleaseLocks();
  void PostInsert();
  void PostEdit();
  bool OrderChanged() const;
  bool Place(qint64 id);
  CursorStatements& Statements();

  QString databaseName_;
  QString tableName_;
  TDatabase* explicitDatabase_ = nullptr;
  TDatabase* database_ = nullptr;
  QList<TFieldDef> fieldDefs_;
  QList<TIndexDef> indexDefs_;

  TTableDef def_;
  std::vector<std::unique_ptr<TField>> fields_;
  QHash<QString, int> fieldsByName_;
  std::unique_ptr<CursorStatements> statements_;
  std::shared_ptr<TableSharedState> shared_;
  quint64 seenVersion_ = 0;

  TDataSetState state_ = TDataSetState::Inactive;
  QString indexName_;
  QList<SqlText::KeyColumn> order_;
  bool hasIndex_ = false;
  std::optional<std::pair<QVariantList, QVariantList>> range_;
  TableKeyset keyset_;
  bool keysetValid_ = false;
  // Records this cursor wrote whose place in the ids is found when it next needs them.
  std::vector<std::pair<qint64, QVariantList>> pending_;
  int pos_ = -1;
  bool bof_ = true;
  bool eof_ = true;
  std::optional<qint64> current_;
  std::optional<qint64> beforeInsert_;
  QVariantList buffer_;
  QVariantList editStart_;
  QSet<qint64> locks_;

  Event afterPost_;
  Event afterDelete_;
  Event onNewRecord_;
};
