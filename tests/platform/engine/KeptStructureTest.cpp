// A database answers a table's structure from what it read before only while nothing has
// changed the file's schema: not another connection, not a change of its own, and not a
// change it made and then rolled back.
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
  std::unique_ptr<TDatabase> other_;
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
