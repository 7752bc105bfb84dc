// Object files over a driver that asks them to check keys, and over a closed database.
#include "OdbTestSupport.h"

#include "store/odb/OdbErrors.h"
#include "store/odb/TOdbBookmark.h"
#include "store/odb/TOdbEngineTable.h"
#include "store/odb/TOdbField.h"

using ObjectFileKeyCheckTest = OdbFixture;

namespace {
TCheckingOdbDriver& Checking(TObjectDatabase& db) { return static_cast<TCheckingOdbDriver&>(db.Driver()); }

std::optional<qint64> CursorRecord(TObjectDatabase& db, const TObjectFile& file) {
  return static_cast<TEngineOdbDriver&>(db.Driver()).Table(file.Handle()).RecordId();
}
} // namespace

TEST_F(ObjectFileKeyCheckTest, InsertingAnExistingKeyRaisesTheKeyViolationAndLeavesTheCursor) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db, {QStringLiteral("Items"), QStringLiteral("ItemId"), 32, true});
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
  file->SetIndexName(QStringLiteral("ByNumber"));
  ASSERT_TRUE(FindId(*file, QStringLiteral("B"))); // Find on ByNumber looks up Number 0: item A
  const std::optional<qint64> before = CursorRecord(*db, *file);
  const QString keyBefore = file->FieldByName(QStringLiteral("ItemId")).GetAsString();

  const TOdbTestItem duplicate(QStringLiteral("C"), 77, QString());
  file->SetCurrent(&duplicate);
  EXPECT_EQ(MessageOf([&] { file->Insert(); }), QStringLiteral("EOdbKeyViolation.\rItemId"));
  EXPECT_EQ(CursorRecord(*db, *file), before);
  EXPECT_EQ(file->GetIndexName(), QStringLiteral("ByNumber"));
  EXPECT_EQ(file->FieldByName(QStringLiteral("ItemId")).GetAsString(), keyBefore);
  EXPECT_EQ(file->RecordCount(), 3);
}

TEST_F(ObjectFileKeyCheckTest, InsertingANewKeyChecksEachUniqueIndexOnce) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db, {QStringLiteral("Items"), QStringLiteral("ItemId"), 32, true});
  InsertItems(*file, {QStringLiteral("A")});
  Checking(*db).findKeyCalls = 0;
  InsertItems(*file, {QStringLiteral("B")});
  EXPECT_EQ(Checking(*db).findKeyCalls, 1); // ItemId only: ByNumber is not unique
  EXPECT_EQ(file->RecordCount(), 2);
}

TEST_F(ObjectFileKeyCheckTest, TheFirstInsertIntoAnEmptyTableNeedsNoCheck) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  EXPECT_EQ(Checking(*db).findKeyCalls, 0);
}

TEST_F(ObjectFileKeyCheckTest, UpdatingWithoutChangingTheKeyPerformsNoCheck) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B")});
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  Checking(*db).findKeyCalls = 0;
  const TOdbTestItem changed(QStringLiteral("B"), 5, QStringLiteral("new text"));
  file->SetCurrent(&changed);
  file->Update();
  EXPECT_EQ(Checking(*db).findKeyCalls, 0);
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  EXPECT_EQ(Current(*file).text, QStringLiteral("new text"));
}

TEST_F(ObjectFileKeyCheckTest, UpdatingToAnotherRecordsKeyRaisesTheKeyViolation) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B")});
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  const std::optional<qint64> before = CursorRecord(*db, *file);
  const TOdbTestItem renamed(QStringLiteral("A"), 5, QString());
  file->SetCurrent(&renamed);
  EXPECT_EQ(MessageOf([&] { file->Update(); }), QStringLiteral("EOdbKeyViolation.\rItemId"));
  EXPECT_EQ(file->FieldByName(QStringLiteral("ItemId")).GetAsString(), QStringLiteral("B"));
  EXPECT_EQ(CursorRecord(*db, *file), before);
  EXPECT_EQ(ListIds(*file), (QStringList{"A", "B"}));
}

TEST_F(ObjectFileKeyCheckTest, UpdatingToAFreeKeyIsCheckedAndStored) {
  auto db = OpenDatabase(TCheckingOdbDriver::StaticClass());
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A"), QStringLiteral("B")});
  ASSERT_TRUE(FindId(*file, QStringLiteral("B")));
  Checking(*db).findKeyCalls = 0;
  const TOdbTestItem renamed(QStringLiteral("C"), 5, QString());
  file->SetCurrent(&renamed);
  file->Update();
  EXPECT_EQ(Checking(*db).findKeyCalls, 1);
  EXPECT_EQ(ListIds(*file), (QStringList{"A", "C"}));
}

TEST_F(ObjectFileKeyCheckTest, EveryCallReachingTheDriverRaisesWhileTheDatabaseIsClosed) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db);
  InsertItems(*file, {QStringLiteral("A")});
  db->Close();
  const TOdbTestItem item(QStringLiteral("B"), 1, QString());
  file->SetCurrent(&item);
  const QList<std::pair<const char*, std::function<void()>>> calls{
      {"Open", [&] { file->Open(); }},
      {"CreateFile", [&] { file->CreateFile(); }},
      {"First", [&] { file->First(); }},
      {"Last", [&] { file->Last(); }},
      {"Next", [&] { file->Next(); }},
      {"Find", [&] { file->Find(); }},
      {"Insert", [&] { file->Insert(); }},
      {"Update", [&] { file->Update(); }},
      {"Delete", [&] { file->Delete(); }},
      {"RecordCount", [&] { file->RecordCount(); }},
      {"IsEmpty", [&] { file->IsEmpty(); }},
      {"GetIndexName", [&] { file->GetIndexName(); }},
      {"GetBookmark", [&] { file->GetBookmark(); }},
  };
  for (const auto& [name, call] : calls) EXPECT_EQ(MessageOf(call), QStringLiteral("EOdbDatabaseNotOpened")) << name;
}

TEST_F(ObjectFileKeyCheckTest, AFieldTypeTheDriverLacksIsRefused) {
  auto db = OpenDatabase(TNoCounterOdbDriver::StaticClass());
  TOdbCounterFile file(*db);
  EXPECT_EQ(MessageOf([&] { file.KeyFields(); }), QStringLiteral("EOdbFieldTypeNotSupported"));
  // The failed definition is not half kept: asking again fails again.
  EXPECT_THROW(file.KeyFields(), EOdbFieldTypeNotSupported);
}

TEST_F(ObjectFileKeyCheckTest, FieldByNameOfAnUnknownFieldNamesIt) {
  auto db = OpenDatabase();
  TOdbTestFile file(*db);
  EXPECT_EQ(file.FieldByName(QStringLiteral("ITEMID")).Name(), QStringLiteral("ItemId"));
  EXPECT_EQ(MessageOf([&] { file.FieldByName(QStringLiteral("Nope")); }), QStringLiteral("EOdbFieldDoesNotExist.\rNope"));
}

TEST_F(ObjectFileKeyCheckTest, ABookmarkRemembersTheSelectedIndex) {
  auto db = OpenDatabase();
  auto file = OpenFile(*db, {QStringLiteral("Items"), QStringLiteral("ItemId"), 32, true});
  InsertItems(*file, {QStringLiteral("A")});
  file->SetIndexName(QStringLiteral("ByNumber"));
  const std::unique_ptr<TOdbBookmark> bookmark = file->GetBookmark();
  EXPECT_EQ(bookmark->IndexName(), QStringLiteral("ByNumber"));
  EXPECT_EQ(&bookmark->File(), file.get());
}
