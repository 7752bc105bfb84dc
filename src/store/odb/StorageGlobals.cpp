#include "store/odb/StorageGlobals.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Exception.h"
#include "platform/sys/Prompter.h"
#include "store/settings/SettingsFile.h"
#include "store/odb/TEngineOdbDriver.h"
#include "store/odb/TObjectDatabase.h"
#include "platform/sys/Termination.h"

#include <exception>

namespace {
struct Globals {
  std::unique_ptr<TObjectDatabase> objectDatabase;
  qint32 objectDatabaseUsers = 0;
};

Globals& Shared() {
  static Globals globals;
  return globals;
}

void CannotFindDb(const std::exception& e) {
  Prompter::ShowMessage(QStringLiteral("Got Error: ") + ExceptionMessage(e) +
                            QStringLiteral(".   Can not find DB.  Program will terminate."),
                        Prompter::Kind::Error);
  RequestTermination();
}

// The engine makes the program folder only inside an existing data folder, and the data
// folder when the data alias is first opened: on a first start the data alias goes first.
TDatabase& ProgDatabase() {
  const QString name = GetProgDatabaseName();
  try {
    return TSession::Default().Database(name);
  } catch (const EDBEngineError& e) {
    if (e.ErrorCode() != EngineError::FileMissing || !EngineConfig::IsDefaultFolder(name)) throw;
  }
  TSession::Default().Database(GetDataAlias());
  return TSession::Default().Database(name);
}
} // namespace

QString GetAliasPath(const QString& alias) { return TSession::Default().AliasPath(alias); }

QString GetProgDatabaseName() { return QLatin1String(EngineConfig::kProgDatabase); }

TObjectDatabase* OpenObjectDatabase() {
  Globals& globals = Shared();
  if (globals.objectDatabase) return globals.objectDatabase.get();
  try {
    auto database = std::make_unique<TObjectDatabase>(TEngineOdbDriver::StaticClass(), GetDataAlias());
    database->Open(QString(), QString(), QString());
    globals.objectDatabase = std::move(database);
  } catch (const std::exception& e) {
    CannotFindDb(e);
    return nullptr;
  }
  return globals.objectDatabase.get();
}

TObjectDatabase* ObjectDatabase() { return Shared().objectDatabase.get(); }

void CloseObjectDatabase() {
  Globals& globals = Shared();
  if (globals.objectDatabaseUsers > 0 || !globals.objectDatabase) return;
  std::unique_ptr<TObjectDatabase> database = std::move(globals.objectDatabase);
  database->Close();
}

qint32 ObjectDatabaseUsers() { return Shared().objectDatabaseUsers; }

void AddObjectDatabaseUser() { ++Shared().objectDatabaseUsers; }

void RemoveObjectDatabaseUser() { --Shared().objectDatabaseUsers; }

TDatabase* OpenProgDatabase() {
  try {
    return &ProgDatabase(); // the session owns it and closes it at exit
  } catch (const std::exception& e) {
    CannotFindDb(e);
    return nullptr;
  }
}
