#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"

using StructureChecking = EngineFixture;

TEST_F(StructureChecking, AMissingTableIsCreatedAndThenPasses) {
  EXPECT_EQ(StructureCheck::CheckOrCreate(Db(), AllPollsDef()), QString());
  EXPECT_TRUE(Db().TableExists(QStringLiteral("AllPolls")));
  EXPECT_EQ(StructureCheck::CheckOrCreate(Db(), AllPollsDef()), QString());
}

TEST_F(StructureChecking, EachDifferenceIsNamed) {
  struct Case {
    const char* what;
    std::function<void(TTableDef&)> change;
    QString difference;
  };
  const QList<Case> cases = {
      {"size", [](TTableDef& d) { d.fields[2].size = 20; },
       QStringLiteral("field 3 is \"Report Name\" Alpha 24, declared \"Report Name\" Alpha 20")},
      {"type", [](TTableDef& d) { d.fields[11].type = TFieldType::Short; },
       QStringLiteral("field 12 is \"Store Number\" Long Integer, declared \"Store Number\" Short")},
      {"name", [](TTableDef& d) { d.fields[1].name = QStringLiteral("Class"); },
       QStringLiteral("field 2 is \"EcrRptClass\" Alpha 32, declared \"Class\" Alpha 32")},
      {"fewer", [](TTableDef& d) { d.fields.removeLast(); },
       QStringLiteral("field 24 \"Misc Data 3\" Alpha 32 is not declared")},
      {"index fields", [](TTableDef& d) { d.indexes[4].fields = {QStringLiteral("Machine Id")}; },
       QStringLiteral("index \"Machine Id\" is \"Machine Id;Poll Date\" case-insensitive, declared \"Machine Id\" case-insensitive")},
      {"index option", [](TTableDef& d) { d.indexes[1].caseInsensitive = false; },
       QStringLiteral("index \"Report Name\" is \"Report Name\" case-insensitive, declared \"Report Name\"")},
      {"new index", [](TTableDef& d) { d.indexes.append({QStringLiteral("Z"), {QStringLiteral("ROM")}}); },
       QStringLiteral("index \"Z\" is missing")},
      {"no primary", [](TTableDef& d) { d.indexes.removeFirst(); }, QStringLiteral("the primary index is not declared")},
  };
  const TTableDef stored = AllPollsDef();
  for (const Case& c : cases) {
    TTableDef declared = AllPollsDef();
    c.change(declared);
    EXPECT_EQ(StructureCheck::Differences(declared, stored), QStringList{c.difference}) << c.what;
  }
}

TEST_F(StructureChecking, AMismatchIsReportedAndTheTableLeftAlone) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30}});
  TTableDef declared = PeopleDef();
  declared.fields[1].size = 10;
  const QString message = StructureCheck::CheckOrCreate(Db(), declared);
  EXPECT_TRUE(message.startsWith(QStringLiteral("Table People does not match its definition: field 2 is"))) << message.toStdString();
  EXPECT_EQ(OpenTable(QStringLiteral("People"))->RecordCount(), 1);
}

TEST_F(StructureChecking, DeclaredFieldsMissingAtTheEndAreAddedKeepingTheRows) {
  CreateFilled(PeopleDef(), {{QVariant(), QStringLiteral("Ann"), QStringLiteral("Oslo"), 30}});
  TTableDef declared = PeopleDef();
  declared.fields.append({QStringLiteral("Percent"), TFieldType::Number});
  EXPECT_EQ(StructureCheck::CheckOrCreate(Db(), declared), QString());
  auto people = OpenTable(QStringLiteral("People"));
  EXPECT_EQ(people->FieldCount(), 5);
  EXPECT_EQ(people->FieldByName(QStringLiteral("Name")).AsString(), QStringLiteral("Ann"));
  EXPECT_TRUE(people->FieldByName(QStringLiteral("Percent")).IsNull());
}
