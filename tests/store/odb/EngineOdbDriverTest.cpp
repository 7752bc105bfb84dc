// The engine driver of the object database: table layout, moves, inserts and what it
// does not support.
#include "OdbTestSupport.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "store/odb/OdbDriverRegistry.h"
#include "store/odb/OdbErrors.h"
#include "store/streaming/TMemoryStream.h"
#include "store/odb/TOdbEngineTable.h"
#include "store/odb/TOdbField.h"
#include "store/containers/TUnorderedList.h"

#include <cmath>

using EngineOdbDriverTest = OdbFixture;

namespace {
TEngineOdbDriver& Engine(TObjectDatabase& db) { return static_cast<TEngineOdbDriver&>(db.Driver()); }

// A file like the machine file: "MachineId" of 31 characters, primary index "MachineId".
std::unique_ptr<TOdbTestFile> MachineFile(TObjectDatabase& db) {
  return std::make_unique<TOdbTestFile>(db, TOdbTestFile::Options{QStringLiteral("Machine"), QStringLiteral("MachineId")});
}

// A file with a float key, to make an insert fail on its key value.
class TFloatKeyFile : public TObjectFile {
public:
  explicit TFloatKeyFile(TObjectDatabase& db) : TObjectFile(db, TOdbTestItem::StaticClass(), QStringLiteral("Floats")) {}
  void SetKeyFields(const TObject& obj) override {
    FieldByName(QStringLiteral("Value")).SetAsFloat(static_cast<const TOdbTestItem&>(obj).number / 4.0);
  }
  void DefineFields() override { AddField(QStringLiteral("Value"), TOdbFieldType::Float, 10); }
  void DefineIndexes() override {
    AddIndex(QStringLiteral("Value"), TOdbIndexOption::Primary | TOdbIndexOption::Unique, {QStringLiteral("Value")});
  }
};
} // namespace

TEST_F(EngineOdbDriverTest, CreateFileMakesTheKeyColumnsTheObjectBlobAndAnUnnamedPrimaryIndex) {
  auto db = OpenDatabase();
  auto file = MachineFile(*db);
  file->CreateFile();
  const std::optional<TTableDef> def = Engine(*db).Database().ReadTableDef(QStringLiteral("Machine"));
  ASSERT_TRUE(def.has_value());
  ASSERT_EQ(def->fields.size(), 2);
  EXPECT_EQ(def->fields[0], (TFieldDef{QStringLiteral("MachineId"), TFieldType::Alpha, 31}));
  EXPECT_EQ(def->fields[1], (TFieldDef{QStringLiteral("Object"), TFieldType::Blob, 0}));
  const TIndexDef* primary = def->PrimaryIndex();
  ASSERT_NE(primary, nullptr);
  EXPECT_TRUE(primary->name.isEmpty());
  EXPECT_EQ(primary->fields, QStringList{"MachineId"});
  EXPECT_FALSE(file->IsOpen()); // the table is not left open
}

TEST_F(EngineOdbDriverTest, TheKeyTypesMapToTheirColumns) {
  auto db = OpenDatabase();
  TOdbCounterFile counted(*db);
  counted.CreateFile();
  TFloatKeyFile floats(*db);
  floats.CreateFile();
  auto numbered = std::make_unique<TOdbTestFile>(*db, TOdbTestFile::Options{QStringLiteral("Numbered"), QStringLiteral("Id"), 10, true});
  numbered->CreateFile();
  TDatabase& engine = Engine(*db).Database();
  EXPECT_EQ(engine.ReadTableDef(QStringLiteral("Counted"))->fields[0].type, TFieldType::AutoInc);
  EXPECT_EQ(engine.ReadTableDef(QStringLiteral("Floats"))->fields[0].type, TFieldType::Number);
  const TTableDef def = *engine.ReadTableDef(QStringLiteral("Numbered"));
  EXPECT_EQ(def.fields[0], (TFieldDef{QStringLiteral("Id"), TFieldType::Alpha, 9}));
  EXPECT_EQ(def.fields[1], (TFieldDef{QStringLiteral("Number"), TFieldType::Long, 0}));
  const TIndexDef* byNumber = def.FindIndex(QStringLiteral("ByNumber"));
  ASSERT_NE(byNumber, nullptr);
  EXPECT_FALSE(byNumber->IsUnique());
}

TEST_F(EngineOdbDriverTest, ThePrimaryIndexIsNamedAndSelectedByTheFilesName) {
  auto db = OpenDatabase();
  auto file = MachineFile(*db);
  file->CreateFile();
  file->Open();
  TOdbEngineTable& table = Engine(*db).Table(file->Handle());
  EXPECT_TRUE(table.IndexName().isEmpty());
  EXPECT_EQ(Engine(*db).GetIndexName(file->Handle()), QStringLiteral("MachineId"));
  table.SetIndexName(QString());
  Engine(*db).SetIndexName(file->Handle(), QStringLiteral("machineid"));
  EXPECT_TRUE(table.IndexName().isEmpty());
  EXPECT_NE(table.CurrentIndex(), nullptr);
  EXPECT_TRUE(table.CurrentIndex()->primary);
}

TEST_F(EngineOdbDriverTest, MovesAnswerFalseAtTheEndsAndOnAnEmptyTable) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  const qint32 handle = file->Handle();
  TOdbDriver& driver = db->Driver();
  EXPECT_FALSE(driver.First(handle));
  EXPECT_FALSE(driver.Last(handle));
  EXPECT_TRUE(driver.IsEmpty(handle));
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B")});
  EXPECT_TRUE(driver.First(handle));
  EXPECT_FALSE(driver.Prior(handle));
  EXPECT_TRUE(driver.Next(handle));
  EXPECT_FALSE(driver.Next(handle));
  EXPECT_TRUE(driver.Last(handle));
  EXPECT_TRUE(driver.Prior(handle));
  EXPECT_EQ(driver.RecordCount(handle), 2);
}

TEST_F(EngineOdbDriverTest, FindNearestLandsOnTheNextKey) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("C")});
  file->FieldByName(QStringLiteral("ItemId")).SetAsString(QStringLiteral("B"));
  db->Driver().FindNearest(file->Handle(), file->KeyFields(), file->CurrentIndex());
  TMemoryStream bytes;
  db->Driver().ReadObjectData(file->Handle(), bytes);
  EXPECT_EQ(Engine(*db).Table(file->Handle()).FieldByName(QStringLiteral("ItemId")).AsString(), QStringLiteral("C"));
  EXPECT_GT(bytes.Size(), 0);
}

TEST_F(EngineOdbDriverTest, AnInsertThatFailsLeavesNoRecordAndNoInsertMode) {
  auto db = OpenDatabase();
  TFloatKeyFile file(*db);
  file.CreateFile();
  file.Open();
  file.FieldByName(QStringLiteral("Value")).SetAsFloat(std::nan(""));
  TMemoryStream stream(QByteArray("bytes"));
  EXPECT_THROW(db->Driver().InsertRecord(file.Handle(), file.KeyFields(), stream), EDBEngineError);
  TOdbEngineTable& table = Engine(*db).Table(file.Handle());
  EXPECT_EQ(table.State(), TDataSetState::Browse);
  EXPECT_EQ(table.RecordCount(), 0);
  const TOdbTestItem item(QStringLiteral("x"), 6, QString());
  file.SetCurrent(&item);
  file.Insert();
  ASSERT_TRUE(file.First());
  EXPECT_EQ(file.FieldByName(QStringLiteral("Value")).GetAsFloat(), 1.5);
}

TEST_F(EngineOdbDriverTest, NoKeyChecksAreAskedOverAFolderOrAnAlias) {
  auto overFolder = OpenDatabase();
  EXPECT_FALSE(overFolder->Driver().NeedsInsertKeyCheck());
  EXPECT_FALSE(overFolder->Driver().NeedsUpdateKeyCheck());
  EngineConfig::SetAlias(QStringLiteral("ODB_TEST_ALIAS"), Folder());
  TObjectDatabase overAlias(TEngineOdbDriver::StaticClass(), QStringLiteral("ODB_TEST_ALIAS"));
  overAlias.Open();
  EXPECT_TRUE(overAlias.IsOpen());
  EXPECT_FALSE(overAlias.Driver().NeedsInsertKeyCheck());
  EXPECT_EQ(QFileInfo(Engine(overAlias).Database().Folder()).canonicalFilePath(), QFileInfo(Folder()).canonicalFilePath());
}

TEST_F(EngineOdbDriverTest, AnUnknownDatabaseNameFailsToOpen) {
  TObjectDatabase db(TEngineOdbDriver::StaticClass(), QStringLiteral("NO_SUCH_ALIAS"));
  EXPECT_THROW(db.Open(), EDBEngineError);
  EXPECT_FALSE(db.IsOpen());
}

TEST_F(EngineOdbDriverTest, PackAndExclusiveOpensAreNotSupported) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  EXPECT_EQ(MessageOf([&] { db->Driver().Pack(file->Handle()); }), QStringLiteral("EEnginePackNotSupported"));
  EXPECT_EQ(MessageOf([&] { db->Driver().OpenFileExclusive(QStringLiteral("Items"), *file); }),
            QStringLiteral("EOdbFileLockingNotSupported"));
}

TEST_F(EngineOdbDriverTest, LockRecordAnswersFalseWhileAnotherCursorHoldsTheLock) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  ASSERT_TRUE(file->First());
  TTable other(Folder(), QStringLiteral("Items"));
  other.Open();
  other.LockRecord();
  EXPECT_FALSE(db->Driver().LockRecord(file->Handle()));
  other.UnlockRecord();
  EXPECT_TRUE(db->Driver().LockRecord(file->Handle()));
  db->Driver().UnlockRecord(file->Handle());
  db->Driver().UnlockRecord(file->Handle()); // a second release raises nothing
  other.LockRecord();
}

TEST_F(EngineOdbDriverTest, TransactionsAreTheDatabases) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  db->Driver().StartTransaction();
  InsertItems(*file, {QStringLiteral("A")});
  db->Driver().Rollback();
  EXPECT_EQ(file->RecordCount(), 0);
  db->Driver().StartTransaction();
  InsertItems(*file, {QStringLiteral("B")});
  db->Driver().Commit();
  EXPECT_EQ(ListIds(*file), QStringList{"B"});
}

TEST_F(EngineOdbDriverTest, DeleteFileDropsTheTable) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  file->Close();
  db->Driver().DeleteFile(QStringLiteral("Items"));
  EXPECT_FALSE(Engine(*db).Database().TableExists(QStringLiteral("Items")));
  try {
    file->Open();
    FAIL() << "opened a deleted table";
  } catch (const EDBEngineError& e) {
    EXPECT_EQ(e.ErrorCode(), EngineError::TableMissing);
  }
}

TEST_F(EngineOdbDriverTest, AHandleThatIsNotOpenIsRefused) {
  auto db = OpenDatabase();
  EXPECT_EQ(MessageOf([&] { db->Driver().RecordCount(7); }), QStringLiteral("EOdbInvalidObjectFileHandle"));
}

TEST_F(EngineOdbDriverTest, TheEngineDriverIsRegisteredOnceByName) {
  EXPECT_EQ(MessageOf([] { RegisterOdbDriver(TEngineOdbDriver::StaticClass(), QStringLiteral("engine")); }),
            QStringLiteral("EOdbDriverAlreadyRegistered.\rengine"));
  static int run = 0; // the registry lives as long as the process
  const QString name = QStringLiteral("CHECKING%1").arg(++run);
  RegisterOdbDriver(TCheckingOdbDriver::StaticClass(), name);
  EXPECT_THROW(RegisterOdbDriver(TCheckingOdbDriver::StaticClass(), name.toLower()), EOdbDriverAlreadyRegistered);
}

TEST_F(EngineOdbDriverTest, ADatabaseNeedsAConcreteDriverClass) {
  EXPECT_ANY_THROW(TObjectDatabase(TOdbDriver::StaticClass(), Folder()));
  EXPECT_ANY_THROW(TObjectDatabase(TOdbTestItem::StaticClass(), Folder()));
}
