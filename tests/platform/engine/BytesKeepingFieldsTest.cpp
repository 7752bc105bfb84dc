// Alpha fields that keep every byte: declared on the field, stored with the table, and
// given by a cursor's definitions to a table made before the flag was stored.
#include "EngineFixture.h"

#include "platform/engine/StructureCheck.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TblScnRecords.h"
#include "platform/sys/Cp1252.h"

namespace {
const QString kName = QStringLiteral("Name");
const QString kRaw = QStringLiteral("Raw");

// Two alpha fields of one size; only "Raw" keeps every byte.
TTableDef StatusDef(const QString& table = QStringLiteral("Status"), bool flagged = true) {
  TTableDef def{table, {{kName, TFieldType::Alpha, 140}, {kRaw, TFieldType::Alpha, 140}}, {}};
  def.fields[1].keepsEveryByte = flagged;
  return def;
}

// Zeros in front (a range that starts past the first register), every byte above 0x7F,
// a zero and a letter after them.
QByteArray StatusBytes() {
  QByteArray bytes("AB");
  bytes += QByteArray(3, '\0');
  for (int b = 0x80; b <= 0xFF; ++b) bytes += char(b);
  bytes += '\0';
  bytes += 'Z';
  return bytes;
}

class BytesKeepingFields : public EngineFixture {
protected:
  // Appends one row with the status bytes in both fields through the cursor.
  static void Write(TTable& table) {
    table.Append();
    for (const QString& field : {kName, kRaw}) table.FieldByName(field).SetAsString(Cp1252::Decode(StatusBytes()));
    table.Post();
  }

  // The two fields' bytes as a fresh cursor that declares nothing reads them.
  std::pair<QByteArray, QByteArray> ReadBack(const QString& table) {
    auto cursor = OpenTable(table);
    cursor->Last();
    return {cursor->FieldByName(kName).AsBytes(), cursor->FieldByName(kRaw).AsBytes()};
  }
};
} // namespace

TEST_F(BytesKeepingFields, TheFlaggedFieldKeepsZerosAndHighBytesThroughPostReadAndReopen) {
  Db().CreateTable(StatusDef());
  auto table = OpenTable(QStringLiteral("Status"));
  Write(*table);
  EXPECT_EQ(table->FieldByName(kRaw).AsBytes(), StatusBytes());
  EXPECT_EQ(table->FieldByName(kName).AsBytes(), QByteArray("AB"));
  table->Close();
  EXPECT_EQ(ReadBack(QStringLiteral("Status")), std::make_pair(QByteArray("AB"), StatusBytes()));

  // The reopened table knows the flag from the file: a second row written through a
  // cursor that declares nothing keeps its bytes too.
  auto reopened = OpenTable(QStringLiteral("Status"));
  EXPECT_TRUE(reopened->FieldByName(kRaw).Def().keepsEveryByte);
  EXPECT_FALSE(reopened->FieldByName(kName).Def().keepsEveryByte);
  Write(*reopened);
  reopened->Close();
  EXPECT_EQ(ReadBack(QStringLiteral("Status")), std::make_pair(QByteArray("AB"), StatusBytes()));
}

TEST_F(BytesKeepingFields, AFieldOfTheSameNameInAnotherTableEndsAtItsZero) {
  Db().CreateTable(StatusDef());
  Db().CreateTable(StatusDef(QStringLiteral("Other"), false));
  auto flagged = OpenTable(QStringLiteral("Status"));
  auto other = OpenTable(QStringLiteral("Other"));
  Write(*flagged);
  Write(*other);
  other->Close();
  EXPECT_EQ(ReadBack(QStringLiteral("Other")), std::make_pair(QByteArray("AB"), QByteArray("AB")));
}

TEST_F(BytesKeepingFields, TheFlagIsPartOfTheStoredColumnTypeWithTextAffinity) {
  Db().CreateTable(StatusDef());
  const std::optional<TTableDef> stored = Db().ReadTableDef(QStringLiteral("Status"));
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->fields, StatusDef().fields);
  QSqlQuery query = Db().Exec(QStringLiteral("SELECT type FROM pragma_table_info('Status') ORDER BY cid"), {}, QString());
  QStringList types;
  while (query.next()) types << query.value(0).toString();
  EXPECT_EQ(types, (QStringList{"ALPHA_TEXT(140)", "ALPHA_RAW_TEXT(140)"}));
  // Digits stay text, as in any other alpha column.
  Db().Exec(QStringLiteral("INSERT INTO \"Status\" (\"Raw\") VALUES (?)"), {QStringLiteral("0042")}, QString());
  QSqlQuery typed = Db().Exec(QStringLiteral("SELECT typeof(\"Raw\"), \"Raw\" FROM \"Status\""), {}, QString());
  ASSERT_TRUE(typed.next());
  EXPECT_EQ(typed.value(0).toString(), QStringLiteral("text"));
  EXPECT_EQ(typed.value(1).toString(), QStringLiteral("0042"));
}

TEST_F(BytesKeepingFields, OnlyAnAlphaFieldCanKeepEveryByte) {
  TTableDef def{QStringLiteral("Wrong"), {{QStringLiteral("Count"), TFieldType::Long}}, {}};
  def.fields[0].keepsEveryByte = true;
  EXPECT_EQ(EngineErrorOf([&] { Db().CreateTable(def); }), EngineError::InvalidParameter);
  EXPECT_FALSE(Db().TableExists(def.name));
}

// A table made before fields kept their flag: it passes its check, and a cursor that
// declares the flag keeps the bytes while one that does not ends them at the zero.
TEST_F(BytesKeepingFields, ATableMadeBeforeTheFlagKeepsBytesForACursorThatDeclaresIt) {
  Db().CreateTable(StatusDef(QStringLiteral("Status"), false));
  EXPECT_EQ(StructureCheck::CheckOrCreate(Db(), StatusDef()), QString());
  EXPECT_FALSE(Db().ReadTableDef(QStringLiteral("Status"))->fields[1].keepsEveryByte); // the file is left as it was

  auto plain = OpenTable(QStringLiteral("Status"));
  Write(*plain);
  plain->Close();
  EXPECT_EQ(ReadBack(QStringLiteral("Status")).second, QByteArray("AB"));

  TTable declaring;
  declaring.SetDatabase(&Db());
  declaring.SetTableName(QStringLiteral("Status"));
  declaring.FieldDefs() = StatusDef().fields;
  declaring.Open();
  EXPECT_TRUE(declaring.FieldByName(kRaw).Def().keepsEveryByte);
  EXPECT_FALSE(declaring.FieldByName(kName).Def().keepsEveryByte);
  Write(declaring);
  declaring.Close();
  EXPECT_EQ(ReadBack(QStringLiteral("Status")), std::make_pair(QByteArray("AB"), StatusBytes()));
}

TEST_F(BytesKeepingFields, ADeclarationsRecordsCarryTheFlagIntoTheTableTheyCreate) {
  const QList<TDefValues> records = TblScnRecords::Declare(StatusDef(), QStringLiteral("Status.DB"));
  ASSERT_EQ(records.size(), 3);
  EXPECT_EQ(records[1][3].integer, 0);
  EXPECT_EQ(records[2][3].integer, 1);
  TDeclarationReader reader;
  for (const TDefValues& record : records) reader.Add(record);
  const TTableDef declared = reader.Result();
  EXPECT_EQ(declared.fields, StatusDef().fields);
  EXPECT_EQ(StructureCheck::CheckOrCreate(Db(), declared), QString());
  EXPECT_TRUE(Db().ReadTableDef(QStringLiteral("Status"))->fields[1].keepsEveryByte);
}

TEST_F(BytesKeepingFields, AFlaggedFieldAddedAtTheEndKeepsItsFlag) {
  TTableDef before = StatusDef();
  before.fields.removeLast();
  Db().CreateTable(before);
  EXPECT_EQ(StructureCheck::CheckOrCreate(Db(), StatusDef()), QString());
  EXPECT_EQ(Db().ReadTableDef(QStringLiteral("Status"))->fields, StatusDef().fields);
}
