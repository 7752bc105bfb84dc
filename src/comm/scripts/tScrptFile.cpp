#include "comm/scripts/tScrptFile.h"

#include "comm/scripts/tScrpt.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/odb/TOdbField.h"
#include "store/settings/SettingsFile.h"

// Not made blank by readers: a file is always opened over a database.
TB_DEFINE_ABSTRACT_CLASS(tScrptFile, TObjectFile)

namespace {
const QString KeyName = QStringLiteral("ScrptId");
} // namespace

tScrptFile::tScrptFile(TObjectDatabase& database)
    : TObjectFile(database, tScrpt::StaticClass(), QStringLiteral("Scripts")) {}

tScrptFile::~tScrptFile() {
  try {
    Close();
  } catch (...) {
  }
}

void tScrptFile::SetKeyFields(const TObject& obj) {
  FieldByName(KeyName).SetAsString(static_cast<const tScrpt&>(obj).ScrptID());
}

// 32 characters and the length byte.
void tScrptFile::DefineFields() { AddField(KeyName, TOdbFieldType::String, 33); }

void tScrptFile::DefineIndexes() {
  AddIndex(KeyName, TOdbIndexOption::Primary | TOdbIndexOption::Unique, {KeyName});
}

bool tScrptFile::FindId(const QString& id) {
  if (IsEmpty()) return false;
  SetIndexName(KeyName);
  tScrpt key{TBlank{}};
  key.SetScrptID(id);
  SetCurrent(&key);
  return Find();
}

QStringList tScrptFile::Ids() {
  TQuery query(TSession::Default().Database(GetDataAlias()));
  query.Exec(QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY \"%1\"").arg(KeyName, TableName()), {});
  QStringList ids;
  while (query.Next()) ids << query.Value(0).toString();
  return ids;
}
