#include "EngineFixture.h"

#include "platform/engine/TblScnErrors.h"
#include "platform/engine/TblScnRecords.h"

namespace {
TTableDef ReadBack(const QList<TDefValues>& records) {
  TDeclarationReader reader;
  for (const TDefValues& r : records) reader.Add(r);
  return reader.Result();
}

TDefValue I(qint64 v) { return TDefValue::Int(v); }
TDefValue T(const char* v) { return TDefValue::Text(QString::fromUtf8(v)); }
} // namespace

TEST(TblScnRecords, TheDeclarationOfAllPollsReadsBackAsAllPolls) {
  const QList<TDefValues> records = TblScnRecords::Declare(AllPollsDef(), QStringLiteral("AllPolls.DB"));
  ASSERT_EQ(records.size(), 1 + 24 + 5);
  EXPECT_EQ(records[0][4].integer, 24);
  EXPECT_EQ(records[0][3].text, QStringLiteral("DBWINUS0"));
  EXPECT_EQ(records[1][2].integer, 0x10F);
  EXPECT_EQ(records[2][2].integer, 0x101);
  EXPECT_EQ(records[2][4].integer, 32);
  EXPECT_EQ(records[5][2].integer, 0x10D);
  const TTableDef def = ReadBack(records);
  EXPECT_EQ(def.name, QStringLiteral("AllPolls"));
  EXPECT_EQ(def.fields, AllPollsDef().fields);
  ASSERT_EQ(def.indexes.size(), 5);
  EXPECT_TRUE(def.indexes[0].primary);
  EXPECT_EQ(def.indexes[4].fields, (QStringList{"Machine Id", "Poll Date"}));
  EXPECT_TRUE(def.indexes[4].caseInsensitive);
}

// The records exactly as a report class writes them: names with display labels, a former
// file name, the primary index's "3, four empty texts, 1, -1, 0, 1, 0, 2048, 6".
TEST(TblScnRecords, RecordsAsTheReportClassesWriteThem) {
  const TTableDef def = ReadBack({
      {I(1), T("CommLog.DB;OldLog.DB"), T(""), T("DBWINUS0"), I(3), I(1), I(0), I(0), I(0)},
      {I(2), T("ID"), I(0x10F), I(0), I(1), I(0)},
      {I(2), T("CommType;Comm Type"), I(0x101), I(0), I(30), I(0)},
      {I(2), T("LogEntry"), I(0x106), I(0), I(1), I(0)},
      {I(3), T(""), T(""), T(""), T(""), I(1), I(-1), I(0), I(1), I(0), I(2048), I(6)},
  });
  EXPECT_EQ(def.name, QStringLiteral("CommLog"));
  EXPECT_EQ(def.fields[1], (TFieldDef{QStringLiteral("CommType"), TFieldType::Alpha, 30}));
  EXPECT_EQ(def.fields[2], (TFieldDef{QStringLiteral("LogEntry"), TFieldType::Memo, 0}));
  EXPECT_TRUE(def.indexes[0].primary && def.indexes[0].IsUnique());
  EXPECT_EQ(def.indexes[0].fields, QStringList{QStringLiteral("ID")});
}

TEST(TblScnRecords, FaultyDeclarationsAreNamed) {
  const TDefValues table{I(1), T("T.DB"), T(""), T("DBWINUS0"), I(1), I(1), I(0), I(0), I(0)};
  const TDefValues field{I(2), T("A"), I(0x101), I(0), I(5), I(0)};
  struct Case {
    const char* what;
    QList<TDefValues> records;
    const char* message;
  };
  const QList<Case> cases = {
      {"no table", {field}, "a field record out of order"},
      {"field count", {table, field, field, {I(3), T(""), T(""), T(""), T(""), I(1), I(-1), I(0), I(1), I(0), I(2048), I(6)}},
       "1 fields declared, 2 described"},
      {"type code", {table, {I(2), T("A"), I(0x111), I(0), I(1), I(0)}}, "unknown type code 0x111"},
      {"key number", {table, field, {I(3), T(""), T(""), T(""), T(""), I(2), I(-1), I(0), I(1), I(0), I(2048), I(6)}},
       "names field number 2"},
      {"key count", {table, field, {I(3), T(""), T(""), T(""), T(""), I(1), I(-1), I(0), I(2), I(0), I(2048), I(6)}},
       "counts 2 key fields but lists 1"},
      {"short index", {table, field, {I(3), T("X"), T(""), T(""), T(""), I(1), I(-1), I(0)}}, "is cut short"},
      {"kind", {table, {I(7)}}, "unknown kind 7"},
  };
  for (const Case& c : cases) {
    try {
      ReadBack(c.records);
      ADD_FAILURE() << c.what;
    } catch (const ETblScnDeclaration& e) {
      EXPECT_TRUE(e.Message().contains(QLatin1String(c.message))) << c.what << ": " << e.Message().toStdString();
    }
  }
}
