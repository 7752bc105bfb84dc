#include "platform/engine/TTable.h"

#include "platform/engine/CursorStatements.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TableSharedState.h"
#include "platform/sys/ScopeGuard.h"

TTable::TTable() = default;

TTable::TTable(QString databaseName, QString tableName)
    : databaseName_(std::move(databaseName)), tableName_(std::move(tableName)) {}

TTable::~TTable() { Close(); }

QString TTable::Context() const { return QStringLiteral("Table: ") + TableNameOf(tableName_); }

void TTable::CheckActive() const {
  if (!Active()) throw EDBEngineError(EngineError::TableClosed, Context());
}

namespace {
void CheckClosed(const TTable& table, const char* what) {
  if (table.Active())
    throw EDBEngineError(EngineError::InvalidParameter,
                         QStringLiteral("Table: %1\n%2 of an open table").arg(TableNameOf(table.TableName()), QLatin1String(what)));
}
} // namespace

void TTable::SetDatabaseName(const QString& name) {
  CheckClosed(*this, "Changing the database");
  databaseName_ = name;
  explicitDatabase_ = nullptr;
}

void TTable::SetDatabase(TDatabase* database) {
  CheckClosed(*this, "Changing the database");
  explicitDatabase_ = database;
}

void TTable::SetTableName(const QString& name) {
  CheckClosed(*this, "Changing the name");
  tableName_ = name;
}

TDatabase& TTable::Database() {
  if (database_) return *database_;
  if (explicitDatabase_) {
    explicitDatabase_->Open();
    return *explicitDatabase_;
  }
  return TSession::Default().Database(databaseName_);
}

void TTable::CreateTable() {
  CheckClosed(*this, "Creating");
  Database().CreateTable({TableNameOf(tableName_), fieldDefs_, indexDefs_});
}

void TTable::DeleteTable() {
  CheckClosed(*this, "Deleting");
  Database().DeleteTable(tableName_);
}

void TTable::EmptyTable() {
  if (Active()) Cancel();
  Database().EmptyTable(tableName_);
  if (!Active()) return;
  current_.reset();
  InvalidateKeyset();
  First();
}

bool TTable::Exists() { return Database().TableExists(tableName_); }

void TTable::AddIndex(const TIndexDef& index) {
  Database().AddIndex(tableName_, index);
  if (Active()) def_.indexes = Database().ReadTableDef(def_.name)->indexes;
}

void TTable::Open() {
  if (Active()) return;
  TDatabase& db = Database();
  const std::optional<TTableDef> stored = db.ReadTableDef(tableName_);
  if (!stored) throw EDBEngineError(EngineError::TableMissing, Context());
  def_ = *stored;
  def_.fields = WithDeclaredFlags(def_.fields, fieldDefs_);
  ResolveIndex(indexName_);
  {
    const auto restore = OnScopeFailure([&] { Close(); });
    ReadFields();
    statements_ = std::make_unique<CursorStatements>(db.Connection(), def_);
    shared_ = TableSharedState::For(db.FilePath(), def_.name);
    shared_->AddCursor();
    database_ = &db;
    db.Attach(this);
    state_ = TDataSetState::Browse;
    First();
  }
}

void TTable::ReadFields() {
  fields_.clear();
  fieldsByName_.clear();
  for (int i = 0; i < def_.fields.size(); ++i) {
    fields_.push_back(std::make_unique<TField>(*this, i));
    fieldsByName_.insert(def_.fields[i].name, i);
  }
  buffer_ = QVariantList(def_.fields.size());
}

void TTable::Close() {
  if (shared_) {
    shared_->UnlockAll(this);
    shared_->RemoveCursor();
    shared_.reset();
  }
  locks_.clear();
  statements_.reset();
  fields_.clear();
  fieldsByName_.clear();
  keyset_.Clear();
  keysetValid_ = false;
  if (database_) database_->Detach(this);
  database_ = nullptr;
  state_ = TDataSetState::Inactive;
  current_.reset();
  beforeInsert_.reset();
  buffer_.clear();
  editStart_.clear();
  range_.reset();
  pos_ = -1;
  bof_ = eof_ = true;
}

const TTableDef& TTable::Structure() const {
  CheckActive();
  return def_;
}

TField& TTable::Fields(int index) {
  CheckActive();
  if (index < 0 || index >= FieldCount())
    throw EDBEngineError(EngineError::FieldMissing, Context() + QStringLiteral("\nField number %1").arg(index));
  return *fields_[static_cast<size_t>(index)];
}

TField* TTable::FindField(const QString& name) {
  CheckActive();
  auto it = fieldsByName_.constFind(name);
  if (it != fieldsByName_.constEnd()) return fields_[static_cast<size_t>(it.value())].get();
  const int index = def_.FieldIndex(name);
  return index < 0 ? nullptr : fields_[static_cast<size_t>(index)].get();
}

TField& TTable::FieldByName(const QString& name) {
  if (TField* field = FindField(name)) return *field;
  throw EDBEngineError(EngineError::FieldMissing, Context() + QStringLiteral("\nField '%1' not found").arg(name));
}

void TTable::SetFieldBuffer(int index, QVariant value) {
  if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert)
    throw EDBEngineError(EngineError::NotEditing, Context() + QStringLiteral("\nField: ") + def_.fields[index].name);
  buffer_[index] = std::move(value);
}

void TTable::ClearBuffer() {
  for (QVariant& value : buffer_)
    if (value.isValid()) value.clear();
}

CursorStatements& TTable::Statements() {
  CheckActive();
  return *statements_;
}
