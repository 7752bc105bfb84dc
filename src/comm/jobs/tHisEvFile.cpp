#include "comm/jobs/tHisEvFile.h"

#include "comm/jobs/tHistoryEvent.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TableSharedState.h"
#include "store/odb/TOdbField.h"
#include "store/settings/SettingsFile.h"

// Not made blank by readers: a file is always opened over a database.
TB_DEFINE_ABSTRACT_CLASS(tHisEvFile, TObjectFile)
TB_DEFINE_ABSTRACT_CLASS(tPendingFile, tHisEvFile)
TB_DEFINE_ABSTRACT_CLASS(tHistoryFile, tHisEvFile)

namespace {
const QString KeyName = QStringLiteral("HisEvId");

// The order of NumericOrder: the longer id first, then by text.
bool Above(const QString& id, const QString& other) {
  return id.size() != other.size() ? id.size() > other.size() : id > other;
}
} // namespace

tHisEvFile::tHisEvFile(TObjectDatabase& database, const QString& tableName)
    : TObjectFile(database, tHistoryEvent::StaticClass(), tableName) {}

tHisEvFile::~tHisEvFile() {
  try {
    Close();
  } catch (...) {
  }
}

void tHisEvFile::SetKeyFields(const TObject& obj) {
  FieldByName(KeyName).SetAsString(static_cast<const tHistoryEvent&>(obj).EventId);
}

// 9 characters and the length byte.
void tHisEvFile::DefineFields() { AddField(KeyName, TOdbFieldType::String, 10); }

void tHisEvFile::DefineIndexes() {
  AddIndex(KeyName, TOdbIndexOption::Primary | TOdbIndexOption::Unique, {KeyName});
}

// False when the file is empty: there is nothing to look for.
bool tHisEvFile::SetKey(const QString& eventId) {
  if (IsEmpty()) return false;
  SetIndexName(KeyName);
  tHistoryEvent key{TBlank{}};
  key.EventId = eventId;
  SetCurrent(&key);
  return true;
}

bool tHisEvFile::FindId(const QString& eventId) { return SetKey(eventId) && Find(); }

bool tHisEvFile::LocateId(const QString& eventId) { return SetKey(eventId) && Locate(); }

// The process's change counter of the table, which every write through any cursor raises.
TableSharedState& tHisEvFile::Shared(const QString& filePath) {
  if (!shared_ || sharedFile_ != filePath) {
    shared_ = TableSharedState::For(filePath, TableName());
    sharedFile_ = filePath;
  }
  return *shared_;
}

QString tHisEvFile::LastId() {
  TDatabase& db = TSession::Default().Database(GetDataAlias());
  const qint64 dataVersion = db.DataVersion();
  const quint64 tableVersion = Shared(db.FilePath()).Version();
  if (lastId_ && lastId_->connection == db.ConnectionName() && lastId_->dataVersion == dataVersion &&
      lastId_->tableVersion == tableVersion)
    return lastId_->id;
  TQuery query(db);
  query.Exec(QStringLiteral("SELECT \"HisEvId\" FROM \"%1\" ORDER BY %2 LIMIT 1").arg(TableName(), NumericOrder(true)),
             {});
  const QString id = query.Next() ? query.Value(0).toString() : QString();
  lastId_ = LastIdSeen{db.ConnectionName(), dataVersion, tableVersion, id};
  return id;
}

void tHisEvFile::DoBeforeInsert() {
  if (shared_) versionBeforeInsert_ = shared_->Version();
  TObjectFile::DoBeforeInsert();
}

// A record added over a LastId still valid (nothing else was written in between) moves
// it on by itself, without another look at the table.
void tHisEvFile::DoAfterInsert() {
  if (lastId_ && shared_ && lastId_->tableVersion == versionBeforeInsert_) {
    const QString& inserted = static_cast<const tHistoryEvent&>(GetCurrent()).EventId;
    if (Above(inserted, lastId_->id)) lastId_->id = inserted;
    lastId_->tableVersion = shared_->Version();
  }
  TObjectFile::DoAfterInsert();
}

QString tHisEvFile::NumericOrder(bool descending) {
  return QStringLiteral("LENGTH(\"HisEvId\") %1, \"HisEvId\" %1")
      .arg(descending ? QStringLiteral("DESC") : QStringLiteral("ASC"));
}
