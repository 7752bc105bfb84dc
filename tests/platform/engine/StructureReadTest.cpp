// A database answers a table's structure as the file holds it now, whoever changed it.
#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"

namespace {
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

class StructureRead : public EngineFixture {
protected:
  void SetUp() override {
    EngineFixture::SetUp();
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

TEST_F(StructureRead, ATableMadeAgainByAnotherConnectionIsReadWithItsNewStructure) {
  Db().CreateTable(Short());
  ASSERT_TRUE(Same(Short(), Db().ReadTableDef(QStringLiteral("Items"))));
  other_->DeleteTable(QStringLiteral("Items"));
  other_->CreateTable(Wide());
  EXPECT_TRUE(Same(Wide(), Db().ReadTableDef(QStringLiteral("Items.DB"))));
}

TEST_F(StructureRead, ATableMissingAtFirstIsFoundOnceAnotherConnectionMadeIt) {
  EXPECT_FALSE(Db().ReadTableDef(QStringLiteral("Items")));
  other_->CreateTable(Short());
  EXPECT_TRUE(Same(Short(), Db().ReadTableDef(QStringLiteral("Items"))));
  other_->AddIndex(QStringLiteral("Items"), {QStringLiteral("ByCode"), {QStringLiteral("Code")}, false, false});
  EXPECT_TRUE(Db().ReadTableDef(QStringLiteral("Items"))->FindIndex(QStringLiteral("ByCode")));
}

// The table read inside the rolled-back transaction never existed; another connection's
// table of the same name, made afterwards in as many statements, brings the file back to
// the schema version the read was made at.
TEST_F(StructureRead, AStructureReadInARolledBackTransactionIsNotAnsweredLater) {
  Db().StartTransaction();
  Db().CreateTable(Short());
  ASSERT_TRUE(Same(Short(), Db().ReadTableDef(QStringLiteral("Items"))));
  Db().Rollback();
  other_->CreateTable(Plain());
  EXPECT_TRUE(Same(Plain(), Db().ReadTableDef(QStringLiteral("Items"))));
}

TEST_F(StructureRead, ATableDroppedByThisConnectionIsMissing) {
  Db().CreateTable(Short());
  ASSERT_TRUE(Db().ReadTableDef(QStringLiteral("Items")));
  Db().DeleteTable(QStringLiteral("Items"));
  EXPECT_FALSE(Db().ReadTableDef(QStringLiteral("Items")));
}
