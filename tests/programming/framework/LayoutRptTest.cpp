// A report decoder written as a layout, saved from a work file as a poll: its table, its
// rows numbered across blocks and the values its records hold.
#include "model/ModelFixture.h"
#include "tTestLayoutRpt.h"

#include "TestSupport.h"
#include "model/ERecMismatch.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "model/EcrClassDef.h"

#include <QFile>

// The same report with a name that its record does not hold.
class tTestLookUpRpt : public tTestLayoutRpt {
  TB_OBJECT(tTestLookUpRpt)
public:
  explicit tTestLookUpRpt(TBlank blank) : tTestLayoutRpt(blank) {}
  QList<TFieldDef> LookUpFields() const override { return {{QStringLiteral("Name"), TFieldType::Alpha, 12}}; }
  void FillLookUps(TTable& table, int recordNumber) override {
    table.FieldByName(QStringLiteral("Name")).SetAsString(QStringLiteral("Group %1").arg(recordNumber));
  }
};
TB_DEFINE_RPT_CLASS(tTestLookUpRpt, tTestLayoutRpt)

namespace {
using TestSupport::Hex;

QByteArray Header() {
  return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1);
}

class LayoutRpt : public ModelFixture {
protected:
  // The poll's rows, by "Memory Number": Memory Number, Total, Count, Weight, then the
  // extra column.
  QList<QVariantList> SavedRows(tEcrRpt& report, const QList<QByteArray>& blocks, const char* extra = nullptr) {
    QFile file(WorkFile(QStringLiteral("poll.blk"), blocks));
    report.ReadBlockFile(file);
    TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
    query.Exec(QStringLiteral("SELECT \"Memory Number\", \"Total\", \"Count\", \"Weight\"%1 FROM \"%2\" "
                              "WHERE \"Poll Id\" = ? ORDER BY \"Memory Number\"")
                   .arg(extra ? QStringLiteral(", \"%1\"").arg(QLatin1String(extra)) : QString(), report.GetTableName()),
               {report.PollId});
    QList<QVariantList> rows;
    while (query.Next()) {
      QVariantList row;
      for (int i = 0; i < query.ColumnCount(); ++i) row.append(query.Value(i));
      rows.append(row);
    }
    return rows;
  }
};

TEST_F(LayoutRpt, TheTableIsPollIdMemoryNumberAndTheLayoutsColumns) {
  auto report = tEcrFnct::New<tTestLayoutRpt>(nullptr);
  const std::optional<TTableDef> def = report->DescribeTable();
  ASSERT_TRUE(def.has_value());
  QStringList names;
  for (const TFieldDef& field : def->fields) names << field.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Memory Number", "Status", "Total", "Count", "Weight"}));
  EXPECT_EQ(def->fields[3].type, TFieldType::Money);
  ASSERT_EQ(def->indexes.size(), 1);
  EXPECT_TRUE(def->indexes[0].primary);
  EXPECT_EQ(def->indexes[0].fields, (QStringList{"Poll Id", "Memory Number"}));
  EXPECT_EQ(def->name, QStringLiteral("tTestLayoutRpt"));
  EXPECT_EQ(report->GetPrgRecSize(), 17);
  EXPECT_EQ(tEcrFnct::New<tTestLayoutRptV2>(nullptr)->GetPrgRecSize(), 18);
}

TEST_F(LayoutRpt, RecordsDecodeIntoNumberedRows) {
  auto report = tEcrFnct::New<tTestLayoutRpt>(nullptr);
  const QList<QVariantList> rows = SavedRows(
      *report, {Header(),
                Framed(Hex("00 00 00 00 10 0C  00 00 00 00 3C  00 00 00 00 00 0C"
                           "00 00 00 01 23 4D  00 00 00 00 2D  00 00 00 00 07 7C"), 2),
                Framed(Hex("00 00 00 00 99 9C  00 00 00 00 5C  00 00 00 00 00 0C"), 3)});
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0], (QVariantList{1, 1.0, 3, 0}));
  EXPECT_EQ(rows[1], (QVariantList{2, -12.34, -2, 77}));
  // The first record of the second data block is number 100.
  EXPECT_EQ(rows[2], (QVariantList{100, 9.99, 5, 0}));
  EXPECT_EQ(Rows(QString::fromLatin1(EngineConfig::kDataAlias), QStringLiteral("AllPolls")), 1);
}

TEST_F(LayoutRpt, AnotherVariantReadsItsOwnPlaces) {
  auto report = tEcrFnct::New<tTestLayoutRptV2>(nullptr);
  const QList<QVariantList> rows =
      SavedRows(*report, {Header(), Framed(Hex("A5 00 00 00 00 10 0C  00 00 00 00 3C  00 00 00 00 01 2C"), 2)}, "Status");
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0], (QVariantList{1, 1.0, 3, 12, 0xA5}));
}

TEST_F(LayoutRpt, ABlockOfPartRecordsIsRefused) {
  auto report = tEcrFnct::New<tTestLayoutRpt>(nullptr);
  QFile file(WorkFile(QStringLiteral("short.blk"), {Header(), Framed(Hex("00 00 00 00 10 0C 00 00"), 2)}));
  EXPECT_THROW(report->ReadBlockFile(file), ERecMismatch);
}

// The older layout has no status byte: its rows leave the column empty, not zero.
TEST_F(LayoutRpt, AColumnTheRecordLacksStaysEmptyInTheRow) {
  auto report = tEcrFnct::New<tTestLayoutRpt>(nullptr);
  const QList<QVariantList> rows =
      SavedRows(*report, {Header(), Framed(Hex("00 00 00 00 10 0C  00 00 00 00 3C  00 00 00 00 00 0C"), 2)}, "Status");
  ASSERT_EQ(rows.size(), 1);
  EXPECT_TRUE(rows[0].last().isNull()) << rows[0].last().toString().toStdString();
}

TEST_F(LayoutRpt, ALookedUpColumnComesBeforeTheRecordsColumns) {
  auto report = tEcrFnct::New<tTestLookUpRpt>(nullptr);
  const std::optional<TTableDef> def = report->DescribeTable();
  ASSERT_TRUE(def.has_value());
  QStringList names;
  for (const TFieldDef& field : def->fields) names << field.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Memory Number", "Name", "Status", "Total", "Count", "Weight"}));
  const QList<QVariantList> rows = SavedRows(
      *report, {Header(), Framed(Hex("00 00 00 00 10 0C  00 00 00 00 3C  00 00 00 00 00 0C"), 2),
                Framed(Hex("00 00 00 00 10 0C  00 00 00 00 3C  00 00 00 00 00 0C"), 3)}, "Name");
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].last(), QStringLiteral("Group 1"));
  EXPECT_EQ(rows[1].last(), QStringLiteral("Group 100"));
}
} // namespace
