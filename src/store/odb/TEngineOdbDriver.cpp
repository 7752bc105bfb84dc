#include "store/odb/TEngineOdbDriver.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/sys/ScopeGuard.h"
#include "store/odb/OdbDriverRegistry.h"
#include "store/odb/OdbErrors.h"
#include "store/streaming/TMemoryStream.h"
#include "store/odb/TObjectFile.h"
#include "store/odb/TObjectFileData.h"
#include "store/odb/TOdbEngineTable.h"
#include "store/odb/TOdbField.h"
#include "store/odb/TOdbIndex.h"
#include "store/containers/TUnorderedList.h"

TB_DEFINE_CLASS(TEngineOdbDriver, TOdbDriver)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterOdbDriver(TEngineOdbDriver::StaticClass(), QStringLiteral("ENGINE"));
  return true;
}();

const QString kObjectColumn = QStringLiteral("Object");

class TEngineBookmark : public TOdbDriverBookmark {
public:
  explicit TEngineBookmark(TBookmark mark) : mark_(mark) {}
  const TBookmark& Mark() const { return mark_; }

private:
  TBookmark mark_;
};

TFieldDef ColumnOf(const TOdbField& field) {
  switch (field.Type()) {
  case TOdbFieldType::String: return {field.Name(), TFieldType::Alpha, field.Size() - 1};
  case TOdbFieldType::Float: return {field.Name(), TFieldType::Number, 0};
  case TOdbFieldType::Integer: return {field.Name(), TFieldType::Long, 0};
  case TOdbFieldType::Counter: return {field.Name(), TFieldType::AutoInc, 0};
  }
  return {field.Name(), TFieldType::Alpha, field.Size() - 1};
}

TIndexDef IndexOf(const TOdbIndex& index) {
  const TOdbIndexOptions options = index.Options();
  TIndexDef def;
  def.primary = options.testFlag(TOdbIndexOption::Primary);
  def.name = def.primary ? QString() : index.Name(); // the engine's primary index has no name
  def.fields = index.FieldNameList();
  def.unique = options.testFlag(TOdbIndexOption::Unique);
  def.caseInsensitive = options.testFlag(TOdbIndexOption::CaseInsensitive);
  def.descending = options.testFlag(TOdbIndexOption::Descending);
  return def;
}

QVariant ValueOf(const TOdbField& field) {
  switch (field.Type()) {
  case TOdbFieldType::String: return field.GetAsString();
  case TOdbFieldType::Float: return field.GetAsFloat();
  case TOdbFieldType::Integer:
  case TOdbFieldType::Counter: return qlonglong(field.GetAsInteger());
  }
  return QVariant();
}

QVariantList KeyOf(const TUnorderedList& keyFields, const TOdbIndex& index) {
  QVariantList key;
  for (const QString& name : index.FieldNameList()) key << ValueOf(FindOdbField(name, keyFields));
  return key;
}

QString PrimaryIndexName(TObjectFile& file) {
  for (const TOdbIndex* index : OdbIndexesOf(file.Indexes()))
    if (index->Options().testFlag(TOdbIndexOption::Primary)) return index->Name();
  return QString();
}
} // namespace

TEngineOdbDriver::TEngineOdbDriver(TBlank blank) : TOdbDriver(blank) {}

TEngineOdbDriver::~TEngineOdbDriver() {
  try {
    CloseDatabase();
  } catch (...) {
  }
}

void TEngineOdbDriver::Create(const QString& databaseName) { TOdbDriver::Create(databaseName); }

TOdbFieldTypes TEngineOdbDriver::SupportedFieldTypes() { return TOdbFieldTypes::All(); }

TDatabase& TEngineOdbDriver::Database() const {
  if (!connected_) OdbError<EOdbDatabaseNotOpened>();
  // Found again each time: the session owns the connection and may have closed it.
  return TSession::Default().Database(DatabaseName());
}

TOdbEngineTable& TEngineOdbDriver::Table(qint32 handle) const {
  return *FileData(handle).Table();
}

void TEngineOdbDriver::StartTransaction() { Database().StartTransaction(); }
void TEngineOdbDriver::Commit() { Database().Commit(); }
void TEngineOdbDriver::Rollback() { Database().Rollback(); }

// The server, user and password of a database server do not apply to a folder database.
void TEngineOdbDriver::OpenDatabase(const QString&, const QString&, const QString&) {
  connected_ = true;
  {
    const auto restore = OnScopeFailure([&] { connected_ = false; });
    Database();
  }
}

void TEngineOdbDriver::CloseDatabase() {
  for (qint32 handle : OpenHandles()) RemoveFileData(handle);
  connected_ = false;
}

qint32 TEngineOdbDriver::OpenFile(const QString& tableName, TObjectFile& file) {
  auto table = std::make_unique<TOdbEngineTable>(DatabaseName(), tableName);
  Database();
  table->Open();
  table->SetPrimaryIndexName(PrimaryIndexName(file));
  return AddFileData(std::move(table));
}

void TEngineOdbDriver::CloseFile(qint32 handle) { RemoveFileData(handle); }

void TEngineOdbDriver::DeleteFile(const QString& tableName) { Database().DeleteTable(tableName); }

void TEngineOdbDriver::CreateFile(const QString& tableName, TObjectFile& file) {
  TTableDef def;
  def.name = tableName;
  for (const TOdbField* field : OdbFieldsOf(file.KeyFields())) def.fields << ColumnOf(*field);
  def.fields << TFieldDef{kObjectColumn, TFieldType::Blob, 0};
  for (const TOdbIndex* index : OdbIndexesOf(file.Indexes())) def.indexes << IndexOf(*index);
  Database().CreateTable(def);
}

void TEngineOdbDriver::WriteRecord(TOdbEngineTable& table, TUnorderedList& keyFields, TMemoryStream& stream) {
  const QList<TOdbField*> fields = OdbFieldsOf(keyFields);
  for (const TOdbField* field : fields)
    if (field->Type() != TOdbFieldType::Counter) table.FieldByName(field->Name()).SetValue(ValueOf(*field));
  table.FieldByName(kObjectColumn).SetAsBytes(stream.Bytes());
  table.Post();
  for (TOdbField* field : fields)
    if (field->Type() == TOdbFieldType::Counter)
      field->SetAsInteger(qint32(table.FieldByName(field->Name()).AsInteger()));
}

void TEngineOdbDriver::InsertRecord(qint32 handle, TUnorderedList& keyFields, TMemoryStream& stream) {
  TOdbEngineTable& table = Table(handle);
  table.Insert();
  {
    const auto restore = OnScopeFailure([&] { table.Cancel(); });
    WriteRecord(table, keyFields, stream);
  }
}

void TEngineOdbDriver::UpdateRecord(qint32 handle, TUnorderedList& keyFields, TMemoryStream& stream) {
  TOdbEngineTable& table = Table(handle);
  // The engine would start a new record on an empty table; an update needs one to rewrite.
  if (!table.RecordId()) throw EDBEngineError(EngineError::NoCurrentRecord, QStringLiteral("Table: ") + table.TableName());
  try {
    table.Edit();
  } catch (const EDBEngineError&) {
    // A lock this cursor still holds from an earlier failure: release it and try once more.
    UnlockRecord(handle);
    table.Edit();
  }
  {
    const auto restore = OnScopeFailure([&] { table.Cancel(); });
    WriteRecord(table, keyFields, stream);
  }
}

void TEngineOdbDriver::DeleteRecord(qint32 handle) { Table(handle).Delete(); }

QString TEngineOdbDriver::GetIndexName(qint32 handle) {
  const TOdbEngineTable& table = Table(handle);
  return table.IndexName().isEmpty() ? table.PrimaryIndexName() : table.IndexName();
}

void TEngineOdbDriver::SetIndexName(qint32 handle, const QString& name) {
  TOdbEngineTable& table = Table(handle);
  const bool primary = !table.PrimaryIndexName().isEmpty() && name.compare(table.PrimaryIndexName(), Qt::CaseInsensitive) == 0;
  table.SetIndexName(primary ? QString() : name);
}

void TEngineOdbDriver::ReadObjectData(qint32 handle, TMemoryStream& stream) {
  const QByteArray bytes = Table(handle).FieldByName(kObjectColumn).AsBytes();
  stream.Write(bytes.constData(), bytes.size());
}

bool TEngineOdbDriver::LockRecord(qint32 handle) {
  try {
    Table(handle).LockRecord();
  } catch (const EDBEngineError& e) {
    if (e.ErrorCode() == EngineError::RecordLocked) return false;
    throw;
  }
  return true;
}

void TEngineOdbDriver::UnlockRecord(qint32 handle) {
  try {
    Table(handle).UnlockRecord();
  } catch (const EDBEngineError&) {
  }
}

bool TEngineOdbDriver::Next(qint32 handle) {
  TOdbEngineTable& table = Table(handle);
  table.Next();
  return !table.Eof();
}

bool TEngineOdbDriver::Prior(qint32 handle) {
  TOdbEngineTable& table = Table(handle);
  table.Prior();
  return !table.Bof();
}

bool TEngineOdbDriver::First(qint32 handle) {
  TOdbEngineTable& table = Table(handle);
  table.First();
  return !(table.Bof() && table.Eof());
}

bool TEngineOdbDriver::Last(qint32 handle) {
  TOdbEngineTable& table = Table(handle);
  table.Last();
  return !(table.Bof() && table.Eof());
}

bool TEngineOdbDriver::FindKey(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) {
  return Table(handle).FindKey(KeyOf(keyFields, index));
}

void TEngineOdbDriver::FindNearest(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) {
  Table(handle).FindNearest(KeyOf(keyFields, index));
}

qint32 TEngineOdbDriver::RecordCount(qint32 handle) { return Table(handle).RecordCount(); }

bool TEngineOdbDriver::IsEmpty(qint32 handle) { return Table(handle).IsEmpty(); }

std::unique_ptr<TOdbDriverBookmark> TEngineOdbDriver::GetBookmark(qint32 handle) {
  return std::make_unique<TEngineBookmark>(Table(handle).GetBookmark());
}

// A mark taken where there was no record leaves the cursor where it is.
void TEngineOdbDriver::GotoBookmark(qint32 handle, const TOdbDriverBookmark& bookmark) {
  const TBookmark& mark = static_cast<const TEngineBookmark&>(bookmark).Mark();
  if (mark.valid) Table(handle).GotoBookmark(mark);
}

void TEngineOdbDriver::FreeBookmark(qint32, std::unique_ptr<TOdbDriverBookmark>) {}

void TEngineOdbDriver::Pack(qint32) { OdbError<EEnginePackNotSupported>(); }
