#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"
#include "platform/engine/TSession.h"

#include <QFile>

namespace {
void ExpectSameStructure(const TTableDef& declared, const TTableDef& stored) {
  ASSERT_EQ(stored.fields.size(), declared.fields.size());
  for (qsizetype i = 0; i < declared.fields.size(); ++i) EXPECT_EQ(stored.fields[i], declared.fields[i]) << i;
  ASSERT_EQ(stored.indexes.size(), declared.indexes.size());
  for (qsizetype i = 0; i < declared.indexes.size(); ++i) {
    const TIndexDef& d = declared.indexes[i];
    const TIndexDef& s = stored.indexes[i];
    EXPECT_EQ(s.name, d.name);
    EXPECT_EQ(s.fields, d.fields);
    EXPECT_EQ(s.primary, d.primary);
    EXPECT_EQ(s.IsUnique(), d.IsUnique());
    EXPECT_EQ(s.caseInsensitive, d.caseInsensitive);
    EXPECT_EQ(s.descending, d.descending);
  }
  EXPECT_TRUE(StructureCheck::Differences(declared, stored).isEmpty());
}
} // namespace

using TableCreation = EngineFixture;

TEST_F(TableCreation, AllPollsComesBackFromTheFileAsDeclared) {
  Db().CreateTable(AllPollsDef());
  db_.reset(); // a fresh connection reads the file, not a cache
  TDatabase again(QString(), Folder());
  again.Open();
  const std::optional<TTableDef> stored = again.ReadTableDef(QStringLiteral("AllPolls.DB"));
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->name, QStringLiteral("AllPolls"));
  ExpectSameStructure(AllPollsDef(), *stored);
}

TEST_F(TableCreation, EveryFieldTypeRoundTrips) {
  TTableDef def{QStringLiteral("Types"), {}, {}};
  const QList<std::pair<TFieldType, int>> types = {
      {TFieldType::Alpha, 7},   {TFieldType::Short, 0}, {TFieldType::Long, 0},     {TFieldType::Money, 0},
      {TFieldType::Number, 0},  {TFieldType::Date, 0},  {TFieldType::Time, 0},     {TFieldType::DateTime, 0},
      {TFieldType::Logical, 0}, {TFieldType::AutoInc, 0}, {TFieldType::Memo, 0},  {TFieldType::Blob, 0},
      {TFieldType::Bytes, 16}};
  for (const auto& [type, size] : types)
    def.fields.append({QStringLiteral("F %1").arg(FieldTypeInfo(type).name), type, size});
  Db().CreateTable(def);
  ExpectSameStructure(def, *Db().ReadTableDef(QStringLiteral("Types")));
}

TEST_F(TableCreation, TableFromATableObjectsDefinitionsOpensOnNoRecord) {
  TTable table;
  table.SetDatabase(&Db());
  table.SetTableName(QStringLiteral("Machine"));
  table.FieldDefs() = {{QStringLiteral("MachineId"), TFieldType::Alpha, 31}, {QStringLiteral("Object"), TFieldType::Blob}};
  table.IndexDefs() = {{QStringLiteral("MachineId"), {QStringLiteral("MachineId")}, true}};
  EXPECT_FALSE(table.Exists());
  table.CreateTable();
  table.Open();
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_TRUE(table.Bof() && table.Eof());
  EXPECT_EQ(table.IndexName(), QString()); // a primary index keeps no name
  ASSERT_NE(table.CurrentIndex(), nullptr);
  EXPECT_TRUE(table.CurrentIndex()->primary);
}

TEST_F(TableCreation, AnExistingTableIsNeverReplaced) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30}});
  EXPECT_EQ(EngineErrorOf([&] { Db().CreateTable(PeopleDef()); }), EngineError::TableExists);
  EXPECT_EQ(OpenTable(QStringLiteral("People"))->RecordCount(), 1);
}

TEST_F(TableCreation, FaultyDefinitionsAreRefusedAndLeaveNothingBehind) {
  struct Case {
    const char* what;
    std::function<void(TTableDef&)> spoil;
  };
  const QList<Case> cases = {
      {"no fields", [](TTableDef& d) { d.fields.clear(); d.indexes.clear(); }},
      {"repeated name", [](TTableDef& d) { d.fields[2].name = QStringLiteral("name"); }},
      {"alpha without size", [](TTableDef& d) { d.fields[1].size = 0; }},
      {"two autoincrements", [](TTableDef& d) { d.fields[3].type = TFieldType::AutoInc; }},
      {"unknown index field", [](TTableDef& d) { d.indexes[1].fields = {QStringLiteral("Nope")}; }},
      {"two primaries", [](TTableDef& d) { d.indexes[1].primary = true; }},
      {"unnamed secondary", [](TTableDef& d) { d.indexes[2].name.clear(); }},
  };
  for (const Case& c : cases) {
    TTableDef def = PeopleDef();
    c.spoil(def);
    EXPECT_EQ(EngineErrorOf([&] { Db().CreateTable(def); }), EngineError::InvalidParameter) << c.what;
    EXPECT_FALSE(Db().TableExists(QStringLiteral("People"))) << c.what;
  }
}

TEST_F(TableCreation, AFailedIndexLeavesNoHalfTable) {
  TTableDef def = PeopleDef();
  def.indexes.append({QStringLiteral("Odd\"Name"), {QStringLiteral("City")}});
  Db().CreateTable(def); // a double quote in a name is a character of the name
  EXPECT_TRUE(Db().ReadTableDef(QStringLiteral("People"))->FindIndex(QStringLiteral("Odd\"Name")));

  TTableDef other = PeopleDef();
  other.name = QStringLiteral("Other");
  Db().Exec(QStringLiteral("CREATE INDEX \"Other#Name\" ON \"People\" (\"City\")"), {}, QString());
  EXPECT_NE(EngineErrorOf([&] { Db().CreateTable(other); }), 0);
  EXPECT_FALSE(Db().TableExists(QStringLiteral("Other")));
}

TEST_F(TableCreation, DeleteTableRefusesAnOpenTable) {
  Db().CreateTable(PeopleDef());
  {
    auto open = OpenTable(QStringLiteral("People"));
    EXPECT_EQ(EngineErrorOf([&] { Db().DeleteTable(QStringLiteral("People")); }), EngineError::TableBusy);
  }
  Db().DeleteTable(QStringLiteral("People"));
  EXPECT_FALSE(Db().TableExists(QStringLiteral("People")));
  EXPECT_EQ(EngineErrorOf([&] { Db().DeleteTable(QStringLiteral("People")); }), EngineError::TableMissing);
}

TEST_F(TableCreation, AddIndexServesAnOpenCursor) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Bob"), QStringLiteral("Rome"), 40},
                             {QVariant(), QStringLiteral("Ann"), QStringLiteral("Lima"), 30}});
  auto table = OpenTable(QStringLiteral("People"));
  table->AddIndex({QStringLiteral("City"), {QStringLiteral("City")}});
  table->SetIndexName(QStringLiteral("City"));
  table->First();
  EXPECT_EQ(table->FieldByName(QStringLiteral("City")).AsString(), QStringLiteral("Lima"));
}
