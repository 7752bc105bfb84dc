// A database answers a table's structure from what it read before only while nothing has
// changed the file's schema: not another connection, not a change of its own, and not a
// change it made and then rolled back. Every answer is the structure as the file holds it
// now, whoever changed it.
#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"

namespace {
TTableDef Notes() {
  return {QStringLiteral("Notes"), {{QStringLiteral("Id"), TFieldType::AutoInc}, {QStringLiteral("Text"), TFieldType::Alpha, 40}}, {}};
}

// Another connection adds a trailing field the way the table check does.
void AddExtraField(TDatabase& other) {
  TTableDef wider = Notes();
  wider.fields.append({QStringLiteral("Extra"), TFieldType::Long});
  ASSERT_EQ(StructureCheck::CheckOrCreate(other, wider), QString());
}

qsizetype FieldCount(TDatabase& db, const QString& table) {
  const std::optional<TTableDef> def = db.ReadTableDef(table);
  return def ? def->fields.size() : -1;
}

TTableDef Short() {
  return {QStringLiteral("Items"), {{QStringLiteral("Code"), TFieldType::Long}}, {}};
}
TTableDef Wide() {
  TTableDef def{QStringLiteral("Items"), {{QStringLiteral("Code"), TFieldType::Long}, {QStringLiteral("Name"), TFieldType::Alpha, 12}}, {}};
  def.indexes = {{QStringLiteral("ByName"), {QStringLiteral("Name")}, false, false}};
  return def;
}

// Another structure made in one statement, as Short is.
TTableDef Plain() {
  return {QStringLiteral("Items"), {{QStringLiteral("Code"), TFieldType::Long}, {QStringLiteral("Name"), TFieldType::Alpha, 12}}, {}};
}

bool Same(const TTableDef& expected, const std::optional<TTableDef>& read) {
  return read && StructureCheck::Differences(expected, *read).isEmpty();
}

class KeptStructure : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
    Db().CreateTable(Notes());
    ASSERT_EQ(FieldCount(Db(), QStringLiteral("Notes")), 2);
    ASSERT_EQ(FieldCount(Db(), QStringLiteral("Later")), -1);
    other_ = std::make_unique<TDatabase>(QString(), Folder());
    other_->Open();
  }
  void TearDown() override {
    other_.reset();
    EngineFixture::TearDown();
  }
  std::unique_ptr<TDatabase> other_; // another connection to the same file
};
} // namespace

TEST_F(KeptStructure, AColumnAddedByAnotherConnectionIsSeen) {
  AddExtraField(*other_);
  EXPECT_EQ(FieldCount(Db(), QStringLiteral("Notes")), 3);
}

TEST_F(KeptStructure, TablesMadeAndDroppedByAnotherConnectionAreSeen) {
  other_->CreateTable({QStringLiteral("Later"), {{QStringLiteral("A"), TFieldType::Long}}, {}});
  EXPECT_EQ(FieldCount(Db(), QStringLiteral("Later")), 1);
  EXPECT_TRUE(Db().TableExists(QStringLiteral("Later")));
  other_->DeleteTable(QStringLiteral("Notes"));
  EXPECT_EQ(FieldCount(Db(), QStringLiteral("Notes")), -1);
}

TEST_F(KeptStructure, ATableMadeInsideARolledBackTransactionIsGoneAfterIt) {
  Db().StartTransaction();
  Db().CreateTable({QStringLiteral("Later"), {{QStringLiteral("A"), TFieldType::Long}}, {}});
  EXPECT_EQ(FieldCount(Db(), QStringLiteral("Later")), 1);
  Db().Rollback();
  // The schema counter is back where it was before the transaction: another table made
  // now brings it to the value it had while the rolled-back table existed.
  other_->CreateTable({QStringLiteral("Other"), {{QStringLiteral("B"), TFieldType::Long}}, {}});
  EXPECT_EQ(FieldCount(Db(), QStringLiteral("Later")), -1);
  EXPECT_EQ(FieldCount(Db(), QStringLiteral("Other")), 1);
}

TEST_F(KeptStructure, ATableReopenedAfterAnotherConnectionChangedItHasTheNewField) {
  AddExtraField(*other_);
  const std::unique_ptr<TTable> table = OpenTable(QStringLiteral("Notes"));
  EXPECT_EQ(table->FieldCount(), 3);
}

TEST_F(KeptStructure, ATableMadeAgainByAnotherConnectionIsReadWithItsNewStructure) {
  Db().CreateTable(Short());
  ASSERT_TRUE(Same(Short(), Db().ReadTableDef(QStringLiteral("Items"))));
  other_->DeleteTable(QStringLiteral("Items"));
  other_->CreateTable(Wide());
  EXPECT_TRUE(Same(Wide(), Db().ReadTableDef(QStringLiteral("Items.DB"))));
}

TEST_F(KeptStructure, ATableMissingAtFirstIsFoundOnceAnotherConnectionMadeIt) {
  EXPECT_FALSE(Db().ReadTableDef(QStringLiteral("Items")));
  other_->CreateTable(Short());
  EXPECT_TRUE(Same(Short(), Db().ReadTableDef(QStringLiteral("Items"))));
  other_->AddIndex(QStringLiteral("Items"), {QStringLiteral("ByCode"), {QStringLiteral("Code")}, false, false});
  EXPECT_TRUE(Db().ReadTableDef(QStringLiteral("Items"))->FindIndex(QStringLiteral("ByCode")));
}

// The table read inside the rolled-back transaction never existed; another connection's
// table of the same name, made afterwards in as many statements, brings the file back to
// the schema version the read was made at.
TEST_F(KeptStructure, AStructureReadInARolledBackTransactionIsNotAnsweredLater) {
  Db().StartTransaction();
  Db().CreateTable(Short());
  ASSERT_TRUE(Same(Short(), Db().ReadTableDef(QStringLiteral("Items"))));
  Db().Rollback();
  other_->CreateTable(Plain());
  EXPECT_TRUE(Same(Plain(), Db().ReadTableDef(QStringLiteral("Items"))));
}

TEST_F(KeptStructure, ATableDroppedByThisConnectionIsMissing) {
  Db().CreateTable(Short());
  ASSERT_TRUE(Db().ReadTableDef(QStringLiteral("Items")));
  Db().DeleteTable(QStringLiteral("Items"));
  EXPECT_FALSE(Db().ReadTableDef(QStringLiteral("Items")));
}
