#include "store/odb/TObjectFile.h"

#include "platform/sys/ScopeGuard.h"
#include "store/containers/ContainerErrors.h"
#include "store/odb/OdbErrors.h"
#include "store/odb/TObjectDatabase.h"
#include "store/streaming/TObjectStream.h"
#include "store/odb/TOdbBookmark.h"
#include "store/odb/TOdbDriver.h"
#include "store/odb/TOdbField.h"
#include "store/odb/TOdbIndex.h"
#include "store/containers/TUnorderedList.h"

TB_DEFINE_ABSTRACT_CLASS(TObjectFile, TObject)

TObjectFile::TObjectFile(TObjectDatabase& database, const TClass& elementClass, const QString& tableName)
    : database_(&database), tableName_(tableName), elementClass_(elementClass),
      keyFields_(std::make_unique<TUnorderedList>(TOdbField::StaticClass(), CompareOdbField)),
      indexes_(std::make_unique<TUnorderedList>(TOdbIndex::StaticClass(), CompareOdbIndex)) {
  database_->AddFile(this);
}

TObjectFile::~TObjectFile() {
  try {
    Close();
  } catch (...) {
    // The database closes what is left of the table when it closes.
  }
  if (database_) database_->RemoveFile(this);
}

TObjectDatabase& TObjectFile::Database() const {
  if (!database_) OdbError<EOdbDatabaseNotOpened>();
  return *database_;
}

TOdbDriver& TObjectFile::DriverUnchecked() const { return Database().Driver(); }

TOdbDriver& TObjectFile::Driver() const {
  if (!database_ || !database_->Driver().Opened()) OdbError<EOdbDatabaseNotOpened>();
  return database_->Driver();
}

void TObjectFile::GetKeyFields(TObject&) {}

void TObjectFile::EnsureDefined() {
  if (defined_ || defining_) return;
  defining_ = true;
  {
    const auto restore = OnScopeFailure([&] {
      defining_ = false;
      keyFields_->Clear();
      indexes_->Clear();
    });
    DefineFields();
    DefineIndexes();
  }
  defining_ = false;
  defined_ = true;
}

TUnorderedList& TObjectFile::KeyFields() {
  EnsureDefined();
  return *keyFields_;
}

TUnorderedList& TObjectFile::Indexes() {
  EnsureDefined();
  return *indexes_;
}

void TObjectFile::AddField(const QString& name, TOdbFieldType type, int size) {
  EnsureDefined();
  if (!DriverUnchecked().FieldTypes().Contains(type)) OdbError<EOdbFieldTypeNotSupported>();
  auto field = std::make_unique<TOdbField>(name, type, size);
  keyFields_->Append(field.get());
  field.release();
}

void TObjectFile::AddIndex(const QString& name, TOdbIndexOptions options, const QStringList& fieldNames) {
  EnsureDefined();
  auto index = std::make_unique<TOdbIndex>(name, options, fieldNames);
  indexes_->Append(index.get());
  index.release();
}

TOdbField& TObjectFile::FieldByName(const QString& name) { return FindOdbField(name, KeyFields()); }

void TObjectFile::CreateFile() { Driver().CreateFile(tableName_, *this); }

void TObjectFile::Open() {
  if (IsOpen()) return;
  TOdbDriver& driver = Driver();
  EnsureDefined();
  DoBeforeOpen();
  handle_ = driver.OpenFile(tableName_, *this);
  DoAfterOpen();
  if (!indexes_->IsEmpty()) SetIndexName(OdbIndexesOf(*indexes_).first()->Name());
  First();
}

void TObjectFile::Close() {
  if (!IsOpen()) return;
  TOdbDriver& driver = Driver();
  DoBeforeClose();
  driver.CloseFile(handle_);
  handle_ = 0;
  DoAfterClose();
}

TObject& TObjectFile::GetCurrent() const {
  if (!current_) OdbError<EOdbObjectFileNotPositioned>();
  return *current_;
}

std::unique_ptr<TObject> TObjectFile::TakeCurrent() {
  GetCurrent();
  return std::move(current_);
}

void TObjectFile::SetCurrent(const TObject* obj) {
  if (obj && !obj->InheritsFrom(elementClass_)) throw EInvalidObjectType();
  std::unique_ptr<TObject> copy = CopyObject(obj);
  current_ = std::move(copy);
}

// The record at the cursor becomes the current object. Whatever happens, the object that
// was current before is gone: it belongs to another record, and keeping it would let an
// Update write it over this one.
void TObjectFile::ReadCurrent() {
  current_.reset();
  auto bytes = std::make_unique<TMemoryStream>();
  Driver().ReadObjectData(handle_, *bytes);
  bytes->SetPosition(0);
  DoReadStream(*bytes);
  bytes->SetPosition(0);
  TObjectStream objects(std::move(bytes));
  std::unique_ptr<TObject> obj = objects.ReadObject();
  if (!obj || !obj->InheritsFrom(elementClass_)) throw EInvalidObjectType();
  SetKeyFields(*obj);
  current_ = std::move(obj);
}

std::unique_ptr<TObjectStream> TObjectFile::WriteCurrent() {
  auto objects = std::make_unique<TObjectStream>();
  objects->WriteObject(&GetCurrent());
  objects->Rewind();
  DoWriteStream(objects->Stream());
  objects->Rewind();
  return objects;
}

bool TObjectFile::ReadIfFound(bool found) {
  if (found) ReadCurrent();
  return found;
}

bool TObjectFile::First() { return ReadIfFound(Driver().First(handle_)); }
bool TObjectFile::Last() { return ReadIfFound(Driver().Last(handle_)); }
bool TObjectFile::Next() { return ReadIfFound(Driver().Next(handle_)); }

bool TObjectFile::Find() { return ReadIfFound(Locate()); }

bool TObjectFile::Locate() {
  if (!current_) return false;
  SetKeyFields(*current_);
  const TOdbIndex& index = CurrentIndex();
  return Driver().FindKey(handle_, KeyFields(), index);
}

QString TObjectFile::GetIndexName() { return Driver().GetIndexName(handle_); }

void TObjectFile::SetIndexName(const QString& name) {
  if (name != GetIndexName()) Driver().SetIndexName(handle_, name);
}

TOdbIndex& TObjectFile::CurrentIndex() {
  const QString name = GetIndexName();
  for (TOdbIndex* index : OdbIndexesOf(Indexes()))
    if (index->Name().compare(name, Qt::CaseInsensitive) == 0) return *index;
  OdbError<EOdbIndexDoesNotExist>(name);
}

qint32 TObjectFile::RecordCount() { return Driver().RecordCount(handle_); }

bool TObjectFile::IsEmpty() { return Driver().IsEmpty(handle_); }

std::unique_ptr<TOdbBookmark> TObjectFile::GetBookmark() {
  TOdbDriver& driver = Driver();
  QString indexName = GetIndexName();
  return std::make_unique<TOdbBookmark>(*this, std::move(indexName), driver.GetBookmark(handle_));
}

void TObjectFile::SetEvent(Event event, TNotifyEvent handler) { events_[size_t(event)] = std::move(handler); }

void TObjectFile::Fire(Event event) {
  if (const TNotifyEvent& handler = events_[size_t(event)]) handler(*this);
}

void TObjectFile::DoBeforeInsert() { Fire(Event::BeforeInsert); }
void TObjectFile::DoAfterInsert() { Fire(Event::AfterInsert); }
void TObjectFile::DoBeforeUpdate() { Fire(Event::BeforeUpdate); }
void TObjectFile::DoAfterUpdate() { Fire(Event::AfterUpdate); }
void TObjectFile::DoBeforeDelete() { Fire(Event::BeforeDelete); }
void TObjectFile::DoAfterDelete() { Fire(Event::AfterDelete); }
void TObjectFile::DoWriteStream(TMemoryStream&) { Fire(Event::WriteStream); }
void TObjectFile::DoReadStream(TMemoryStream&) { Fire(Event::ReadStream); }
void TObjectFile::DoBeforeOpen() { Fire(Event::BeforeOpen); }
void TObjectFile::DoAfterOpen() { Fire(Event::AfterOpen); }
void TObjectFile::DoBeforeClose() { Fire(Event::BeforeClose); }
void TObjectFile::DoAfterClose() { Fire(Event::AfterClose); }
