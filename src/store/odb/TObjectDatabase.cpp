#include "store/odb/TObjectDatabase.h"

#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/ContainerItems.h"
#include "store/odb/OdbErrors.h"
#include "store/odb/TObjectFile.h"
#include "store/odb/TOdbDriver.h"
#include "store/containers/TUnorderedList.h"

#include <exception>
#include <functional>

TB_DEFINE_CLASS(TObjectDatabase, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterCompareFunc(QStringLiteral("CompareObjectIdentity"), CompareObjectIdentity);
  return true;
}();

std::unique_ptr<TUnorderedList> NewFileList() {
  auto files = std::make_unique<TUnorderedList>(TObjectFile::StaticClass(), CompareObjectIdentity);
  files->SetOwnsItems(false);
  return files;
}
} // namespace

TObjectDatabase::TObjectDatabase(const TClass& driverClass, const QString& databaseName) : files_(NewFileList()) {
  if (driverClass.IsAbstract() || !driverClass.InheritsFrom(TOdbDriver::StaticClass())) throw EInvalidObjectType();
  driver_.reset(static_cast<TOdbDriver*>(driverClass.NewBlank()));
  driver_->Create(databaseName);
}

TObjectDatabase::TObjectDatabase(TBlank blank) : TObject(blank), files_(NewFileList()) {}

TObjectDatabase::~TObjectDatabase() {
  try {
    if (IsOpen()) Close();
  } catch (...) {
  }
  // A file that outlives its database reports the database as not open.
  for (TObjectFile* file : ItemsOf<TObjectFile>(*files_)) file->database_ = nullptr;
}

void TObjectDatabase::Open(const QString& serverName, const QString& userName, const QString& password) {
  Driver().OpenDatabase(serverName, userName, password);
  driver_->SetOpened(true);
}

// Every file is closed and the database with them even when one of them fails to close;
// the first failure is raised afterwards.
void TObjectDatabase::Close() {
  if (!driver_) return;
  std::exception_ptr failure;
  for (TObjectFile* file : ItemsOf<TObjectFile>(*files_)) {
    try {
      file->Close();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  try {
    driver_->CloseDatabase();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  driver_->SetOpened(false);
  if (failure) std::rethrow_exception(failure);
}

TOdbDriver& TObjectDatabase::Driver() const {
  if (!driver_) OdbError<EOdbDatabaseNotOpened>();
  return *driver_;
}

bool TObjectDatabase::IsOpen() const { return driver_ && driver_->Opened(); }

void TObjectDatabase::AddFile(TObjectFile* file) { files_->Append(file); }

void TObjectDatabase::RemoveFile(TObjectFile* file) { files_->Remove(file, 1); }

quint8 CompareObjectIdentity(const TObject& first, const TObject& second) {
  if (&first == &second) return 0;
  return std::less<const TObject*>()(&first, &second) ? 1 : 2;
}
