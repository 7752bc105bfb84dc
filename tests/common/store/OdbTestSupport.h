#pragma once
// What the object-database tests share: a streamable item with a text key, object files
// over it, drivers that ask for key checks or lack a field type, and a fixture with a
// temporary folder database.
#include "store/odb/TEngineOdbDriver.h"
#include "store/odb/TObjectDatabase.h"
#include "store/odb/TObjectFile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

class TObjectReader;
class TObjectWriter;

class TOdbTestItem : public TObject {
  TB_OBJECT(TOdbTestItem)
public:
  TOdbTestItem(QString itemId, qint32 number, QString text)
      : id(std::move(itemId)), number(number), text(std::move(text)) {}
  explicit TOdbTestItem(TBlank blank) : TObject(blank) {}

  QString id;
  qint32 number = 0;
  QString text;
  qint32 sequence = 0; // the counter key of counter files

  static void Read(TObject& obj, TObjectReader& reader);
  static void Write(const TObject& obj, TObjectWriter& writer);
};

// A file of items keyed by their id: one string key field (size 32 unless told) with a
// primary unique index of the same name; optionally a second, non-unique key "Number"
// with the index "ByNumber".
class TOdbTestFile : public TObjectFile {
public:
  struct Options {
    QString table = QStringLiteral("Items");
    QString key = QStringLiteral("ItemId");
    int keySize = 32;
    bool numberIndex = false;
  };
  TOdbTestFile(TObjectDatabase& database, Options options);
  explicit TOdbTestFile(TObjectDatabase& database) : TOdbTestFile(database, Options{}) {}
  ~TOdbTestFile() override;

  void SetKeyFields(const TObject& obj) override;
  void DefineFields() override;
  void DefineIndexes() override;

  // Every hook as it runs, by name, and the bytes each stream hook saw.
  QStringList hooks;
  QList<QByteArray> streams;

protected:
  void DoBeforeInsert() override;
  void DoAfterInsert() override;
  void DoWriteStream(TMemoryStream& stream) override;
  void DoReadStream(TMemoryStream& stream) override;

private:
  Options options_;
};

// A file keyed by a counter the table assigns ("Seq").
class TOdbCounterFile : public TObjectFile {
public:
  explicit TOdbCounterFile(TObjectDatabase& database);
  void SetKeyFields(const TObject& obj) override;
  void GetKeyFields(TObject& obj) override;
  void DefineFields() override;
  void DefineIndexes() override;
};

// The engine driver, asking the files for key checks and counting its key searches.
class TCheckingOdbDriver : public TEngineOdbDriver {
  TB_OBJECT(TCheckingOdbDriver)
public:
  explicit TCheckingOdbDriver(TBlank blank) : TEngineOdbDriver(blank) {}
  bool NeedsInsertKeyCheck() override { return true; }
  bool NeedsUpdateKeyCheck() override { return true; }
  bool FindKey(qint32 handle, const TUnorderedList& keyFields, const TOdbIndex& index) override;
  int findKeyCalls = 0;
};

// The engine driver without counter fields.
class TNoCounterOdbDriver : public TEngineOdbDriver {
  TB_OBJECT(TNoCounterOdbDriver)
public:
  explicit TNoCounterOdbDriver(TBlank blank) : TEngineOdbDriver(blank) {}
  TOdbFieldTypes SupportedFieldTypes() override;
};

// Leaves the engine's configuration as it found it: engine.ini removed, and the common
// folder too when it was not there before.
class ScopedEngineConfig {
public:
  ScopedEngineConfig();
  ~ScopedEngineConfig();
  ScopedEngineConfig(const ScopedEngineConfig&) = delete;
  ScopedEngineConfig& operator=(const ScopedEngineConfig&) = delete;

private:
  bool commonFolderExisted_;
};

class OdbFixture : public ::testing::Test {
public:
  // Inserts items with the given ids (number i, text "item <id>").
  static void InsertItems(TObjectFile& file, const QStringList& ids);
  // Makes an item with that id current and looks it up (Find).
  static bool FindId(TObjectFile& file, const QString& id);

protected:
  void SetUp() override;
  void TearDown() override;

  QString Folder() const { return dir_.path(); }
  // An object database over the fixture's folder with that driver, opened.
  std::unique_ptr<TObjectDatabase> OpenDatabase(const TClass& driverClass = TEngineOdbDriver::StaticClass());
  // A test file over the database, its table created and opened.
  std::unique_ptr<TOdbTestFile> OpenFile(TObjectDatabase& database, TOdbTestFile::Options options = {});
  // The ids of the file's objects from First to the end.
  static QStringList ListIds(TObjectFile& file);
  static const TOdbTestItem& Current(TObjectFile& file);

  ScopedEngineConfig config_;
  QTemporaryDir dir_;
};

// The message of what the call raises; empty when it raises nothing.
QString MessageOf(const std::function<void()>& call);
