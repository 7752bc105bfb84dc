#include "store/odb/TOdbDriver.h"

#include "store/odb/TOdbEngineTable.h"
#include "store/odb/OdbErrors.h"
#include "store/containers/TArray.h"
#include "store/odb/TObjectFileData.h"

TB_DEFINE_ABSTRACT_CLASS(TOdbDriver, TObject)

namespace {
constexpr qint32 kFilesCapacity = 200;
constexpr qint32 kFilesDelta = 50;
} // namespace

TOdbDriver::TOdbDriver(TBlank blank) : TObject(blank) {}

TOdbDriver::~TOdbDriver() = default;

void TOdbDriver::Create(const QString& databaseName) {
  databaseName_ = databaseName;
  files_ = std::make_unique<TArray>(TObjectFileData::StaticClass(), CompareObjectFileData, kFilesCapacity, kFilesDelta);
  fieldTypes_ = SupportedFieldTypes();
}

bool TOdbDriver::NeedsInsertKeyCheck() { return false; }
bool TOdbDriver::NeedsUpdateKeyCheck() { return false; }
void TOdbDriver::StartTransaction() { OdbError<EOdbTransactionNotSupported>(); }
void TOdbDriver::Commit() { OdbError<EOdbTransactionNotSupported>(); }
void TOdbDriver::Rollback() { OdbError<EOdbTransactionNotSupported>(); }
void TOdbDriver::OpenDatabase(const QString&, const QString&, const QString&) {}
void TOdbDriver::CloseDatabase() {}
qint32 TOdbDriver::OpenFileExclusive(const QString&, TObjectFile&) { OdbError<EOdbFileLockingNotSupported>(); }
bool TOdbDriver::LockRecord(qint32) { OdbError<EOdbObjectLockingNotSupported>(); }
void TOdbDriver::UnlockRecord(qint32) { OdbError<EOdbObjectLockingNotSupported>(); }
bool TOdbDriver::IsEmpty(qint32 handle) { return RecordCount(handle) == 0; }
void TOdbDriver::Pack(qint32) {}

qint32 TOdbDriver::OpenFileCount() const { return files_ ? files_->Count() : 0; }

qint32 TOdbDriver::AddFileData(std::unique_ptr<TOdbEngineTable> table) {
  // The entries are in handle order, so the first gap (or the end) is the smallest free one.
  qint32 handle = 1;
  while (handle <= files_->Count() && static_cast<TObjectFileData*>(files_->GetItem(handle))->Handle() == handle)
    ++handle;
  auto data = std::make_unique<TObjectFileData>(handle, std::move(table));
  files_->Add(data.get());
  data.release();
  files_->Sort();
  return handle;
}

TObjectFileData& TOdbDriver::FileData(qint32 handle) const {
  const TObjectFileData key(handle, nullptr);
  const qint32 index = files_ ? files_->Search(&key) : 0;
  if (index == 0) OdbError<EOdbInvalidObjectFileHandle>();
  return *static_cast<TObjectFileData*>(files_->GetItem(index));
}

void TOdbDriver::RemoveFileData(qint32 handle) {
  const TObjectFileData key(handle, nullptr);
  const qint32 index = files_ ? files_->Search(&key) : 0;
  if (index == 0) OdbError<EOdbInvalidObjectFileHandle>();
  files_->Delete(index);
  files_->Sort();
}

QList<qint32> TOdbDriver::OpenHandles() const {
  QList<qint32> handles;
  for (qint32 i = 1; i <= OpenFileCount(); ++i) handles << static_cast<TObjectFileData*>(files_->GetItem(i))->Handle();
  return handles;
}
