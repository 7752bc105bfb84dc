#include "comm/jobs/tHisEvFile.h"

#include "comm/jobs/tHistoryEvent.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/odb/TOdbField.h"
#include "store/settings/SettingsFile.h"

// Not made blank by readers: a file is always opened over a database.
TB_DEFINE_ABSTRACT_CLASS(tHisEvFile, TObjectFile)
TB_DEFINE_ABSTRACT_CLASS(tPendingFile, tHisEvFile)
TB_DEFINE_ABSTRACT_CLASS(tHistoryFile, tHisEvFile)

namespace {
const QString KeyName = QStringLiteral("HisEvId");
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

bool tHisEvFile::FindId(const QString& eventId) {
  if (IsEmpty()) return false;
  SetIndexName(KeyName);
  tHistoryEvent key{TBlank{}};
  key.EventId = eventId;
  SetCurrent(&key);
  return Find();
}

QString tHisEvFile::LastId() {
  TQuery query(TSession::Default().Database(GetDataAlias()));
  query.Exec(QStringLiteral("SELECT \"HisEvId\" FROM \"%1\" ORDER BY %2 LIMIT 1").arg(TableName(), NumericOrder(true)),
             {});
  return query.Next() ? query.Value(0).toString() : QString();
}

QString tHisEvFile::NumericOrder(bool descending) {
  return QStringLiteral("LENGTH(\"HisEvId\") %1, \"HisEvId\" %1")
      .arg(descending ? QStringLiteral("DESC") : QStringLiteral("ASC"));
}
