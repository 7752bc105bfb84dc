// The shared storage: the object database over the data alias, the object-file opening
// convention, and the program database.
#include "OdbTestSupport.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Prompter.h"
#include "store/odb/ObjectFileOpening.h"
#include "store/settings/SettingsFile.h"
#include "store/odb/StorageGlobals.h"
#include "platform/sys/Termination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const QString kCannotFindDb = QStringLiteral(".   Can not find DB.  Program will terminate.");

class StorageGlobalsTest : public ::testing::Test {
protected:
  void SetUp() override {
    SetTerminationHook([this] { ++terminations_; });
    ResetTermination();
  }

  void TearDown() override {
    while (ObjectDatabaseUsers() > 0) RemoveObjectDatabaseUser();
    CloseObjectDatabase();
    TSession::Default().CloseAll();
    QFile::remove(EngineConfig::FilePath());
    QDir(*EngineConfig::AliasPath(GetDataAlias())).removeRecursively();
    SetTerminationHook({});
    ResetTermination();
  }

  static QString DataFolder() { return *EngineConfig::AliasPath(GetDataAlias()); }

  ScopedEngineConfig config_;
  ScriptedPrompter prompter_;
  ScopedPrompter scoped_{prompter_};
  int terminations_ = 0;
};

struct ObjectFileKind {
  const char* table;
  const char* key;
  int keySize;
  TMissingTableRule rule;
};

const ObjectFileKind kSystemFiles[] = {
    {"Machine", "MachineId", 32, TMissingTableRule::MissingCodesOnly},
    {"Scripts", "ScrptId", 32, TMissingTableRule::AnyEngineError},
    {"Pending", "HisEvId", 10, TMissingTableRule::AnyEngineError},
    {"History", "HisEvId", 10, TMissingTableRule::AnyEngineError},
    {"Sched", "SchedId", 32, TMissingTableRule::AnyEngineError},
};

std::unique_ptr<TOdbTestFile> FileOf(TObjectDatabase& db, const ObjectFileKind& kind) {
  return std::make_unique<TOdbTestFile>(
      db, TOdbTestFile::Options{QLatin1String(kind.table), QLatin1String(kind.key), kind.keySize});
}

void MakeUnreadableTable(const QString& table) {
  TSession::Default().Database(GetDataAlias()).Exec(QStringLiteral("CREATE TABLE \"%1\" (x STRANGE_TYPE)").arg(table), {}, QString());
}
} // namespace

TEST_F(StorageGlobalsTest, AFreshDataFolderGetsEveryObjectFileCreatedOnFirstOpen) {
  ASSERT_FALSE(QFileInfo::exists(DataFolder()));
  TObjectDatabase* db = OpenObjectDatabase();
  ASSERT_NE(db, nullptr);
  EXPECT_TRUE(db->IsOpen());
  EXPECT_TRUE(QFileInfo(DataFolder()).isDir());
  std::vector<std::unique_ptr<TOdbTestFile>> files;
  for (const ObjectFileKind& kind : kSystemFiles) {
    files.push_back(FileOf(*db, kind));
    OpenObjectFile(*files.back(), kind.rule);
    AddObjectDatabaseUser();
    EXPECT_TRUE(files.back()->IsOpen()) << kind.table;
    EXPECT_TRUE(files.back()->IsEmpty()) << kind.table;
  }
  EXPECT_EQ(ObjectDatabaseUsers(), 5);
  TDatabase& engine = TSession::Default().Database(GetDataAlias());
  for (const ObjectFileKind& kind : kSystemFiles) EXPECT_TRUE(engine.TableExists(QLatin1String(kind.table))) << kind.table;
  // Program end: each owner closes and frees its file, counts itself out and closes.
  for (auto& file : files) {
    file.reset();
    RemoveObjectDatabaseUser();
    CloseObjectDatabase();
  }
  EXPECT_EQ(ObjectDatabase(), nullptr);
}

TEST_F(StorageGlobalsTest, AnExistingObjectFileIsOpenedWithItsObjects) {
  TObjectDatabase* db = OpenObjectDatabase();
  ASSERT_NE(db, nullptr);
  {
    auto file = FileOf(*db, kSystemFiles[0]);
    OpenObjectFile(*file, TMissingTableRule::MissingCodesOnly);
    OdbFixture::InsertItems(*file, {QStringLiteral("REG1")});
  }
  auto file = FileOf(*db, kSystemFiles[0]);
  OpenObjectFile(*file, TMissingTableRule::MissingCodesOnly);
  EXPECT_EQ(file->RecordCount(), 1);
}

TEST_F(StorageGlobalsTest, TheMachineFileTakesOnlyMissingTablesAsMissing) {
  TObjectDatabase* db = OpenObjectDatabase();
  ASSERT_NE(db, nullptr);
  MakeUnreadableTable(QStringLiteral("Machine"));
  for (const TMissingTableRule rule : {TMissingTableRule::MissingCodesOnly, TMissingTableRule::AnyEngineError}) {
    auto file = FileOf(*db, kSystemFiles[0]);
    try {
      OpenObjectFile(*file, rule);
      FAIL() << "an unreadable table was opened";
    } catch (const EDBEngineError& e) {
      EXPECT_EQ(e.ErrorCode(), EngineError::TableCorrupt); // the open's error, not the create's
    }
    EXPECT_FALSE(file->IsOpen());
  }
  // The unreadable table was left as it was.
  QSqlQuery query = TSession::Default().Database(GetDataAlias()).Exec(
      QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'Machine'"), {}, QString());
  ASSERT_TRUE(query.next());
  EXPECT_TRUE(query.value(0).toString().contains(QStringLiteral("STRANGE_TYPE")));
}

TEST_F(StorageGlobalsTest, CloseObjectDatabaseLeavesItOpenWhileAFileIsCounted) {
  TObjectDatabase* db = OpenObjectDatabase();
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(OpenObjectDatabase(), db); // made once
  auto machines = FileOf(*db, kSystemFiles[0]);
  OpenObjectFile(*machines, TMissingTableRule::MissingCodesOnly);
  AddObjectDatabaseUser();
  CloseObjectDatabase();
  EXPECT_EQ(ObjectDatabase(), db);
  EXPECT_TRUE(db->IsOpen());
  EXPECT_TRUE(machines->IsOpen());
  RemoveObjectDatabaseUser();
  CloseObjectDatabase();
  EXPECT_EQ(ObjectDatabase(), nullptr);
  EXPECT_FALSE(machines->IsOpen()); // closed with the database
}

TEST_F(StorageGlobalsTest, ADataFolderThatCannotBeOpenedEndsTheProgram) {
  EngineConfig::SetAlias(GetDataAlias(), QDir::temp().filePath(QStringLiteral("tillbridge-missing-folder/data")));
  EXPECT_EQ(OpenObjectDatabase(), nullptr);
  EXPECT_EQ(ObjectDatabase(), nullptr);
  ASSERT_EQ(prompter_.shown.size(), 1);
  const QString text = prompter_.shown[0].text;
  EXPECT_TRUE(text.startsWith(QStringLiteral("Got Error: File or directory does not exist."))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(kCannotFindDb)) << text.toStdString();
  EXPECT_EQ(prompter_.shown[0].kind, Prompter::Kind::Error);
  EXPECT_TRUE(TerminationRequested());
  EXPECT_EQ(terminations_, 1);
}

TEST_F(StorageGlobalsTest, TheProgramDatabaseIsTheProgramDataFolderOfTheDataFolder) {
  TDatabase* prog = OpenProgDatabase();
  ASSERT_NE(prog, nullptr);
  EXPECT_EQ(prog->Name(), QStringLiteral("ProgDatabase"));
  EXPECT_EQ(GetProgDatabaseName(), QStringLiteral("ProgDatabase"));
  EXPECT_EQ(QFileInfo(prog->Folder()).canonicalFilePath(),
            QFileInfo(DataFolder() + QStringLiteral("/Program Data")).canonicalFilePath());
  EXPECT_EQ(OpenProgDatabase(), prog);
  EXPECT_EQ(&TSession::Default().Database(QStringLiteral("ProgDatabase")), prog); // tables find it by name
  EXPECT_TRUE(prompter_.shown.isEmpty());
}

TEST_F(StorageGlobalsTest, AProgramDatabaseThatCannotBeOpenedEndsTheProgram) {
  EngineConfig::SetAlias(QStringLiteral("ProgDatabase"), QDir::temp().filePath(QStringLiteral("tillbridge-missing-folder/prog")));
  EXPECT_EQ(OpenProgDatabase(), nullptr);
  ASSERT_EQ(prompter_.Texts().size(), 1);
  EXPECT_TRUE(prompter_.Texts()[0].startsWith(QStringLiteral("Got Error: ")));
  EXPECT_TRUE(prompter_.Texts()[0].endsWith(kCannotFindDb));
  EXPECT_EQ(terminations_, 1);
}

TEST_F(StorageGlobalsTest, AliasPathsComeFromTheEngine) {
  EXPECT_EQ(GetAliasPath(GetDataAlias()), DataFolder());
  EXPECT_FALSE(GetAliasPath(GetDataAlias()).endsWith(QLatin1Char('/')));
  try {
    GetAliasPath(QStringLiteral("NO_SUCH_ALIAS"));
    FAIL() << "an unknown alias had a path";
  } catch (const EDBEngineError& e) {
    EXPECT_EQ(e.ErrorCode(), EngineError::UnknownDatabase);
  }
}
