// TObjectFile: inserting, updating and deleting, and the key checks for drivers whose
// tables do not enforce primary and unique keys themselves.
#include "store/odb/TObjectFile.h"

#include "platform/sys/ScopeGuard.h"
#include "store/odb/OdbErrors.h"
#include "store/streaming/TObjectStream.h"
#include "store/odb/TOdbBookmark.h"
#include "store/odb/TOdbDriver.h"
#include "store/odb/TOdbField.h"
#include "store/odb/TOdbIndex.h"
#include "store/containers/TUnorderedList.h"

namespace {
QList<TOdbIndex*> PrimaryOrUnique(const TUnorderedList& indexes) {
  QList<TOdbIndex*> result;
  for (TOdbIndex* index : OdbIndexesOf(indexes))
    if (index->IsPrimaryOrUnique()) result << index;
  return result;
}
} // namespace

bool TObjectFile::HasCounterKey() {
  for (const TOdbField* field : OdbFieldsOf(KeyFields()))
    if (field->Type() == TOdbFieldType::Counter) return true;
  return false;
}

void TObjectFile::RestoreKeyFields(const TUnorderedList& saved) {
  const QList<TOdbField*> fields = OdbFieldsOf(*keyFields_);
  const QList<TOdbField*> values = OdbFieldsOf(saved);
  for (qsizetype i = 0; i < fields.size() && i < values.size(); ++i) *fields[i] = *values[i];
}

QList<TOdbIndex*> TObjectFile::ChangedUniqueIndexes(const TUnorderedList& before) {
  QList<TOdbIndex*> changed;
  for (TOdbIndex* index : PrimaryOrUnique(Indexes())) {
    bool same = true;
    for (const QString& name : index->FieldNameList())
      same = same && FieldByName(name).SameValue(FindOdbField(name, before));
    if (!same) changed << index;
  }
  return changed;
}

// The key fields take the current object's key. With a key check, the unique indexes
// concerned are searched for the new key; a hit raises EOdbKeyViolation and puts the key
// fields back as they were.
void TObjectFile::SetKeysWithCheck(bool forInsert) {
  TOdbDriver& driver = DriverUnchecked();
  const bool check = forInsert ? driver.NeedsInsertKeyCheck() && !IsEmpty() : driver.NeedsUpdateKeyCheck();
  if (!check) return SetKeyFields(GetCurrent());
  const std::unique_ptr<TObject> saved = CopyObject(&KeyFields());
  const auto& before = static_cast<const TUnorderedList&>(*saved);
  {
    const auto restore = OnScopeFailure([&] { RestoreKeyFields(before); });
    SetKeyFields(GetCurrent());
    const QList<TOdbIndex*> indexes = forInsert ? PrimaryOrUnique(Indexes()) : ChangedUniqueIndexes(before);
    if (!indexes.isEmpty()) CheckKeyViolations(indexes);
  }
}

void TObjectFile::ReturnTo(const TOdbBookmark& bookmark) {
  SetIndexName(bookmark.IndexName());
  Driver().GotoBookmark(handle_, bookmark.Mark());
}

// Whatever the outcome, the index and the cursor are where they were.
void TObjectFile::CheckKeyViolations(const QList<TOdbIndex*>& indexes) {
  const std::unique_ptr<TOdbBookmark> bookmark = GetBookmark();
  const auto back = OnScopeExit([&] { ReturnTo(*bookmark); });
  for (const TOdbIndex* index : indexes) {
    SetIndexName(index->Name());
    if (Driver().FindKey(handle_, *keyFields_, *index)) OdbError<EOdbKeyViolation>(index->Name());
  }
}

// A counter key is given by the table on insert, and the object stored must carry it:
// the record goes in with an empty object, which is then replaced. The object is written
// once first, so that an object that cannot be written never leaves a record behind; a
// later failure removes the new record again.
void TObjectFile::InsertWithCounter() {
  WriteCurrent();
  TMemoryStream empty;
  Driver().InsertRecord(handle_, *keyFields_, empty);
  const auto remove = OnScopeFailure([&] { Driver().DeleteRecord(handle_); });
  GetKeyFields(*current_);
  const std::unique_ptr<TObjectStream> objects = WriteCurrent();
  Driver().UpdateRecord(handle_, *keyFields_, objects->Stream());
}

void TObjectFile::Insert() {
  DoBeforeInsert();
  SetKeysWithCheck(true);
  if (HasCounterKey()) {
    InsertWithCounter();
  } else {
    const std::unique_ptr<TObjectStream> objects = WriteCurrent();
    Driver().InsertRecord(handle_, *keyFields_, objects->Stream());
  }
  DoAfterInsert();
}

void TObjectFile::Update() {
  GetCurrent();
  DoBeforeUpdate();
  SetKeysWithCheck(false);
  const std::unique_ptr<TObjectStream> objects = WriteCurrent();
  Driver().UpdateRecord(handle_, *keyFields_, objects->Stream());
  DoAfterUpdate();
}

void TObjectFile::Delete() {
  Remove();
  if (!Driver().IsEmpty(handle_)) ReadCurrent();
}

void TObjectFile::Remove() {
  GetCurrent();
  DoBeforeDelete();
  Driver().DeleteRecord(handle_);
  DoAfterDelete();
  current_.reset();
}
