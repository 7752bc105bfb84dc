// Object files over the engine driver: reading, writing, moving and the current object.
#include "OdbTestSupport.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "store/containers/ContainerErrors.h"
#include "store/odb/OdbErrors.h"
#include "store/streaming/StreamErrors.h"
#include "store/odb/TOdbEngineTable.h"
#include "store/odb/TOdbField.h"
#include "store/odb/TOdbIndex.h"

using ObjectFileTest = OdbFixture;

TEST_F(ObjectFileTest, OpeningAnEmptyTableLeavesNoCurrentObject) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  EXPECT_TRUE(file->IsOpen());
  EXPECT_FALSE(file->HasCurrent());
  EXPECT_TRUE(file->IsEmpty());
  EXPECT_EQ(MessageOf([&] { file->GetCurrent(); }), QStringLiteral("EOdbObjectFileNotPositioned"));
  EXPECT_THROW(file->Update(), EOdbObjectFileNotPositioned);
  EXPECT_THROW(file->Delete(), EOdbObjectFileNotPositioned);
  EXPECT_THROW(file->Insert(), EOdbObjectFileNotPositioned);
}

TEST_F(ObjectFileTest, InsertedObjectsListInKeyOrderAndSurviveReopening) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")});
  EXPECT_EQ(ListIds(*file), (QStringList{"A", "B", "C"}));
  EXPECT_EQ(file->RecordCount(), 3);
  file->Close();
  file->Open();
  ASSERT_TRUE(file->HasCurrent());
  EXPECT_EQ(Current(*file).id, QStringLiteral("A")); // Open reads the first object
  EXPECT_EQ(Current(*file).text, QStringLiteral("item A"));
  ASSERT_TRUE(file->Last());
  EXPECT_EQ(Current(*file).id, QStringLiteral("C"));
}

TEST_F(ObjectFileTest, FindReplacesTheCurrentObjectWithTheStoredOne) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  EXPECT_EQ(Current(*file).text, QStringLiteral("item B"));
  EXPECT_EQ(Current(*file).number, 1);

  // A miss keeps the current object and the cursor.
  const TOdbTestItem missing(QStringLiteral("Z"), 9, QStringLiteral("mine"));
  file->SetCurrent(&missing);
  EXPECT_FALSE(file->Find());
  EXPECT_EQ(Current(*file).text, QStringLiteral("mine"));
  ASSERT_TRUE(file->Next());
  EXPECT_EQ(Current(*file).id, QStringLiteral("C"));
}

TEST_F(ObjectFileTest, FindWithoutCurrentObjectAsksNothingOfTheDriver) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db);
  db->Close();
  // The database is closed: any driver call would raise; none is made.
  EXPECT_FALSE(file->Find());
  EXPECT_EQ(static_cast<TCheckingOdbDriver&>(db->Driver()).findKeyCalls, 0);
}

TEST_F(ObjectFileTest, UpdateRewritesTheRecordAtTheCursor) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B")});
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  const TOdbTestItem changed(QStringLiteral("B"), 42, QStringLiteral("changed"));
  file->SetCurrent(&changed);
  file->Update();
  file->Close();
  file->Open();
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  EXPECT_EQ(Current(*file).number, 42);
  EXPECT_EQ(Current(*file).text, QStringLiteral("changed"));
  EXPECT_EQ(file->RecordCount(), 2);
}

TEST_F(ObjectFileTest, DeletingTheLastRecordLeavesNoCurrentObject) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  ASSERT_TRUE(file->First());
  file->Delete();
  EXPECT_FALSE(file->HasCurrent());
  EXPECT_TRUE(file->IsEmpty());
  EXPECT_THROW(file->GetCurrent(), EOdbObjectFileNotPositioned);
}

TEST_F(ObjectFileTest, DeletingARecordMakesTheOneUnderTheCursorCurrent) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  file->Delete();
  EXPECT_EQ(Current(*file).id, QStringLiteral("C")); // the record that followed
  ASSERT_TRUE(file->Last());
  file->Delete();
  EXPECT_EQ(Current(*file).id, QStringLiteral("A")); // the new last record
  EXPECT_EQ(ListIds(*file), QStringList{"A"});
}

TEST_F(ObjectFileTest, SetCurrentKeepsACopyOfItsOwn) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  TOdbTestItem item(QStringLiteral("A"), 1, QStringLiteral("before"));
  file->SetCurrent(&item);
  item.text = QStringLiteral("after");
  EXPECT_EQ(Current(*file).text, QStringLiteral("before"));
  EXPECT_NE(&file->GetCurrent(), &item);
  file->SetCurrent(nullptr);
  EXPECT_FALSE(file->HasCurrent());
}

TEST_F(ObjectFileTest, SetCurrentRefusesAnObjectOfAnotherClass) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  const TOdbTestItem item(QStringLiteral("A"), 1, QString());
  file->SetCurrent(&item);
  const TOdbField other(QStringLiteral("X"), TOdbFieldType::Integer, 4);
  EXPECT_THROW(file->SetCurrent(&other), EInvalidObjectType);
  EXPECT_EQ(Current(*file).id, QStringLiteral("A"));
}

TEST_F(ObjectFileTest, AKeyLongerThan31CharactersIsStoredCut) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  const QString longId = QStringLiteral("0123456789012345678901234567890123456789");
  InsertItems(*file, {longId});
  auto table = std::make_unique<TTable>(Folder(), QStringLiteral("Items"));
  table->Open();
  EXPECT_EQ(table->FieldByName(QStringLiteral("ItemId")).AsString(), longId.left(31));
  EXPECT_EQ(file->FieldByName(QStringLiteral("itemid")).GetAsString(), longId.left(31));
  // The object keeps its whole id; looking it up by the whole id finds it.
  ASSERT_TRUE(FindId(*file, longId));
  EXPECT_EQ(Current(*file).id, longId);
}

TEST_F(ObjectFileTest, ADuplicateKeyIsRefusedByTheEngine) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  const TOdbTestItem again(QStringLiteral("A"), 5, QString());
  file->SetCurrent(&again);
  try {
    file->Insert();
    FAIL() << "a duplicate key was stored";
  } catch (const EDBEngineError& e) {
    EXPECT_EQ(e.ErrorCode(), EngineError::KeyViolation);
  }
  EXPECT_EQ(file->RecordCount(), 1);
}

TEST_F(ObjectFileTest, SecondIndexOrdersTheFileAndIsNamedAsSelected) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db, {QStringLiteral("Items"), QStringLiteral("ItemId"), 32, true});
  EXPECT_EQ(file->GetIndexName(), QStringLiteral("ItemId"));
  EXPECT_EQ(file->CurrentIndex().Name(), QStringLiteral("ItemId"));
  for (const auto& [id, number] : {std::pair{"A", 3}, std::pair{"B", 1}, std::pair{"C", 2}}) {
    const TOdbTestItem item(QLatin1String(id), number, QString());
    file->SetCurrent(&item);
    file->Insert();
  }
  file->SetIndexName(QStringLiteral("ByNumber"));
  EXPECT_EQ(file->GetIndexName(), QStringLiteral("ByNumber"));
  EXPECT_EQ(ListIds(*file), (QStringList{"B", "C", "A"}));
  file->SetIndexName(QStringLiteral("ItemId"));
  EXPECT_EQ(ListIds(*file), (QStringList{"A", "B", "C"}));
}

TEST_F(ObjectFileTest, AnUnknownSelectedIndexIsReportedByName) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db, {QStringLiteral("Items"), QStringLiteral("ItemId"), 32, true});
  // The table has an index the file does not define.
  auto& driver = static_cast<TEngineOdbDriver&>(db->Driver());
  file->Close();
  driver.Database().AddIndex(QStringLiteral("Items"), {QStringLiteral("Extra"), {QStringLiteral("Number")}});
  file->Open();
  driver.Table(file->Handle()).SetIndexName(QStringLiteral("Extra"));
  EXPECT_EQ(MessageOf([&] { file->CurrentIndex(); }), QStringLiteral("EOdbIndexDoesNotExist.\rExtra"));
}

TEST_F(ObjectFileTest, StreamHooksSeeTheObjectBytesAtPositionZero) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  EXPECT_EQ(file->hooks, (QStringList{"BeforeInsert", "WriteStream@0", "AfterInsert"}));
  ASSERT_EQ(file->streams.size(), 1);
  EXPECT_TRUE(file->streams[0].startsWith("TPF0"));
  file->hooks.clear();
  ASSERT_TRUE(file->First());
  EXPECT_EQ(file->hooks, QStringList{"ReadStream@0"});
  EXPECT_EQ(file->streams[1], file->streams[0]);
}

TEST_F(ObjectFileTest, EventsFireWithTheFileAsSender) {
  QStringList fired; // outlives the file, whose closing fires too
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  const QList<std::pair<TObjectFile::Event, QString>> events{
      {TObjectFile::Event::BeforeInsert, "BeforeInsert"}, {TObjectFile::Event::AfterInsert, "AfterInsert"},
      {TObjectFile::Event::BeforeUpdate, "BeforeUpdate"}, {TObjectFile::Event::AfterUpdate, "AfterUpdate"},
      {TObjectFile::Event::BeforeDelete, "BeforeDelete"}, {TObjectFile::Event::AfterDelete, "AfterDelete"},
      {TObjectFile::Event::BeforeClose, "BeforeClose"},   {TObjectFile::Event::AfterClose, "AfterClose"},
      {TObjectFile::Event::BeforeOpen, "BeforeOpen"},     {TObjectFile::Event::AfterOpen, "AfterOpen"}};
  for (const auto& [event, name] : events)
    file->SetEvent(event, [&fired, &file, name = name](TObjectFile& sender) {
      EXPECT_EQ(&sender, file.get());
      fired << name;
    });
  InsertItems(*file, {QStringLiteral("A")});
  file->Update();
  file->Delete();
  file->Close();
  file->Open();
  EXPECT_EQ(fired, (QStringList{"BeforeInsert", "AfterInsert", "BeforeUpdate", "AfterUpdate", "BeforeDelete",
                                "AfterDelete", "BeforeClose", "AfterClose", "BeforeOpen", "AfterOpen"}));
}

TEST_F(ObjectFileTest, ARecordWhoseObjectCannotBeReadLeavesNoCurrentObject) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B")});
  auto& driver = static_cast<TEngineOdbDriver&>(db->Driver());
  driver.Database().Exec(QStringLiteral("UPDATE \"Items\" SET \"Object\" = ? WHERE \"ItemId\" = ?"),
                         {QByteArray("garbage"), QStringLiteral("B")}, QString());
  ASSERT_TRUE(file->First());
  EXPECT_THROW(file->Next(), EReadError);
  // The object of A must not stay current: an Update would write it over B.
  EXPECT_FALSE(file->HasCurrent());
  EXPECT_THROW(file->Update(), EOdbObjectFileNotPositioned);
}

TEST_F(ObjectFileTest, ACounterKeyIsAssignedByTheTableAndStoredInTheObject) {
  auto db = OpenDatabase();
  TOdbCounterFile file(*db);
  file.CreateFile();
  file.Open();
  for (const char* text : {"first", "second"}) {
    const TOdbTestItem item(QLatin1String(text), 0, QString());
    file.SetCurrent(&item);
    file.Insert();
    EXPECT_EQ(file.FieldByName(QStringLiteral("Seq")).GetAsInteger(), file.RecordCount());
  }
  ASSERT_TRUE(file.Last());
  EXPECT_EQ(Current(file).id, QStringLiteral("second"));
  EXPECT_EQ(Current(file).sequence, 2); // the stored object carries its counter
}

TEST_F(ObjectFileTest, TheFirstTwoTablesGetHandlesOneAndTwoAndAFreedHandleIsReused) {
  auto db = OpenDatabase();
  auto first = OpenFile(*db, {QStringLiteral("One")});
  auto second = OpenFile(*db, {QStringLiteral("Two")});
  EXPECT_EQ(first->Handle(), 1);
  EXPECT_EQ(second->Handle(), 2);
  first->Close();
  EXPECT_EQ(first->Handle(), 0);
  auto third = OpenFile(*db, {QStringLiteral("Three")});
  EXPECT_EQ(third->Handle(), 1);
  first->Open();
  EXPECT_EQ(first->Handle(), 3);
}

TEST_F(ObjectFileTest, ClosingTheDatabaseClosesItsFilesAndKeepsTheirCurrentObjects) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  db->Close();
  EXPECT_FALSE(db->IsOpen());
  EXPECT_FALSE(file->IsOpen());
  EXPECT_EQ(Current(*file).id, QStringLiteral("A"));
  EXPECT_EQ(db->Driver().OpenFileCount(), 0);
}

TEST_F(ObjectFileTest, AFileOutlivingItsDatabaseReportsItNotOpened) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  db.reset();
  EXPECT_FALSE(file->IsOpen());
  EXPECT_THROW(file->Open(), EOdbDatabaseNotOpened);
}
