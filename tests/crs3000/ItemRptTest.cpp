// The item reports (PLU, major and sub group, inventory, special item stock) over whole
// polls: the columns their programs give, what a missing program or row gives, and how
// the group table follows its two settings from one poll to the next.
#include "model/ModelFixture.h"

#include "RowPrograms.h"
#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000Invt.h"
#include "crs3000/tEcrRptCrs3000MajorGroup.h"
#include "crs3000/tEcrRptCrs3000PLU.h"
#include "crs3000/tEcrRptCrs3000SpcItmStk.h"
#include "crs3000/tEcrRptCrs3000SubGroup.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QFile>

namespace {
using TestSupport::Hex;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

QByteArray SignedBcd(qint64 value, int width) {
  const QString digits = QString::number(qAbs(value)).rightJustified(2 * width - 1, QLatin1Char('0'));
  return QByteArray::fromHex((digits + QLatin1Char(value < 0 ? 'D' : 'C')).toLatin1());
}

// A PLU record: total in cents, count, promotion, waste, the three weights.
QByteArray PluRecord(qint64 cents, qint64 count, qint64 weight = 0) {
  return SignedBcd(cents, 6) + SignedBcd(count, 5) + SignedBcd(2, 5) + SignedBcd(3, 5) + SignedBcd(weight, 6) +
         SignedBcd(5, 6) + SignedBcd(6, 6);
}
QByteArray GroupRecord(qint64 cents, qint64 count) { return SignedBcd(cents, 6) + SignedBcd(count, 5) + SignedBcd(9, 6); }

void SetSwitch(const char* section, bool on) {
  OpenSettingsFile(QLatin1String(section))->WriteBoolean(QStringLiteral("Value"), on);
}

class ItemRpt : public CrsFixture {
protected:
  // Saves the blocks (after the header) through the report; its Poll Id.
  qint32 Save(tEcrRpt& report, const QList<QByteArray>& data) {
    QList<QByteArray> blocks{Header()};
    for (int i = 0; i < data.size(); ++i) blocks << Framed(data[i], i + 2);
    QFile file(WorkFile(QStringLiteral("poll%1.blk").arg(++polls_), blocks));
    report.ReadBlockFile(file);
    return report.PollId;
  }
  // The named columns of a table's rows of the poll, by "Memory Number".
  static QList<QVariantList> Rows(const QString& table, qint32 pollId, const QStringList& columns) {
    QStringList quoted;
    for (const QString& c : columns) quoted << QLatin1Char('"') + c + QLatin1Char('"');
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT %1 FROM \"%2\" WHERE \"Poll Id\" = ? ORDER BY \"Memory Number\"")
                   .arg(quoted.join(QLatin1Char(',')), table),
               {pollId});
    QList<QVariantList> rows;
    while (query.Next()) {
      QVariantList row;
      for (int i = 0; i < columns.size(); ++i) row << (query.Value(i).isNull() ? QVariant() : query.Value(i));
      rows << row;
    }
    return rows;
  }
  static QStringList Columns(const QString& table) {
    QStringList names;
    const std::optional<TTableDef> def = TSession::Default().Database(kData).ReadTableDef(table);
    for (const TFieldDef& f : def->fields) names << f.name;
    return names;
  }

  tTestDriver driver;
  int polls_ = 0;
};

TEST_F(ItemRpt, ThePluTableAndItsConsolidationListsAreTheReportsOwn) {
  auto report = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver);
  EXPECT_EQ(report->GetRptCode(), 38);
  EXPECT_EQ(report->GetPrgRecSize(), 39);
  EXPECT_EQ(report->GetRecsInBlk(), 50);
  const std::optional<TTableDef> def = report->DescribeTable();
  QStringList names;
  for (const TFieldDef& f : def->fields) names << f.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Memory Number", "PluCode", "Name", "Total", "Count", "Promotion", "Waste",
                                "Weight", "Promotion Weight", "Waste Weight"}));
  EXPECT_EQ(def->indexes.first().fields, (QStringList{"Poll Id", "Memory Number"}));
  EXPECT_EQ(report->SQLGroupList, (QStringList{"Memory Number", "PluCode", "Name"}));
  EXPECT_EQ(report->SQLSumFieldsList,
            (QStringList{"Total", "Count", "Promotion", "Waste", "Weight", "Promotion Weight", "Waste Weight"}));
  EXPECT_EQ(report->SQLFieldsList, (QStringList{"Memory Number", "PluCode", "Name"} + report->SQLSumFieldsList));
}

// Memories are numbered across blocks (block 3's third record is memory 53); the PLU
// program names the memories it holds, the others are code 0 and "Undefined"; an
// eleven-digit weight is kept whole.
TEST_F(ItemRpt, PluRowsTakeCodeAndNameFromThePluProgramByMemory) {
  tPluPrg::AddTo(driver, {{{"Memory Number", 1}, {"PluCode", 4711}, {"Descriptor", "COLA"}},
                          {{"Memory Number", 53}, {"PluCode", 99}, {"Descriptor", "<FRIES>"}}});
  auto report = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver);
  QByteArray full;
  for (int i = 0; i < 50; ++i) full += PluRecord(1234, i);
  const QByteArray second = PluRecord(-1234, -5, 99999999999LL) + PluRecord(0, 0) + PluRecord(7, 1);
  const qint32 poll = Save(*report, {full, second});
  const QList<QVariantList> rows = Rows(QStringLiteral("tEcrRptCrs3000PLU"), poll,
                                        {"Memory Number", "PluCode", "Name", "Total", "Count", "Weight", "Waste Weight"});
  ASSERT_EQ(rows.size(), 53);
  EXPECT_EQ(rows[0], (QVariantList{1, 4711, "COLA", 12.34, 0, 0, 6}));
  EXPECT_EQ(rows[1], (QVariantList{2, 0, "Undefined", 12.34, 1, 0, 6}));
  EXPECT_EQ(rows[50], (QVariantList{51, 0, "Undefined", -12.34, -5, 99999999999LL, 6}));
  EXPECT_EQ(rows[52], (QVariantList{53, 99, "<FRIES>", 0.07, 1, 0, 6}));
}

TEST_F(ItemRpt, APluPollOfADriverWithoutPluProgramStoresUndefinedNames) {
  auto report = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver);
  const qint32 poll = Save(*report, {PluRecord(100, 1) + PluRecord(200, 2)});
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000PLU"), poll, {"PluCode", "Name", "Total"}),
            (QList<QVariantList>{{0, "Undefined", 1.0}, {0, "Undefined", 2.0}}));
}

// A PLU renamed between two polls: the new poll carries the new name, the rows of the
// old poll keep the name they were stored with.
TEST_F(ItemRpt, APluRenamedBetweenPollsLeavesTheEarlierRowsAsTheyWere) {
  tPluPrg& program = tPluPrg::AddTo(driver, {{{"Memory Number", 1}, {"PluCode", 10}, {"Descriptor", "TEA"}}});
  auto report = tEcrFnct::New<tEcrRptCrs3000PLU>(&driver);
  const qint32 first = Save(*report, {PluRecord(100, 1)});
  program.Store({{{"Memory Number", 1}, {"PluCode", 11}, {"Descriptor", "GREEN TEA"}}});
  const qint32 second = Save(*report, {PluRecord(300, 3)});
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000PLU"), first, {"PluCode", "Name", "Count"}),
            (QList<QVariantList>{{10, "TEA", 1}}));
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000PLU"), second, {"PluCode", "Name", "Count"}),
            (QList<QVariantList>{{11, "GREEN TEA", 3}}));
}

// "Vexlo" moves the next poll into the long-named table; the earlier rows stay in the
// short-named one, and switching back finds them there again.
TEST_F(ItemRpt, TheGroupTableNameFollowsVexloFromOnePollToTheNext) {
  auto report = tEcrFnct::New<tEcrRptCrs3000MajorGroup>(&driver);
  const qint32 first = Save(*report, {GroupRecord(100, 3)});
  SetSwitch("Vexlo", true);
  EXPECT_EQ(report->GetTableName(), QStringLiteral("tEcrRptCrs3000MajorGroup"));
  const qint32 second = Save(*report, {GroupRecord(200, 4) + GroupRecord(300, 5)});
  SetSwitch("Vexlo", false);
  const qint32 third = Save(*report, {GroupRecord(400, 6)});
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000MajGroup"), first, {"Count"}), (QList<QVariantList>{{3}}));
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000MajorGroup"), second, {"Count"}), (QList<QVariantList>{{4}, {5}}));
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000MajGroup"), third, {"Count"}), (QList<QVariantList>{{6}}));
  EXPECT_EQ(Rows(QStringLiteral("tEcrRptCrs3000MajGroup"), second, {"Count"}).size(), 0);
}

// A table made without "Percent" gets the column when "Drommet" is turned on: its rows
// stay, with no percent; the new poll's rows carry the program's percent, 0 for a group
// the program lacks. Turned off again, the column stays and is left empty.
TEST_F(ItemRpt, DrommetAddsPercentToAnExistingGroupTableWithoutLosingRows) {
  tMajGrpPrg::AddTo(driver, {{{"Number", 2}, {"Descriptor", "DRINKS"}, {"Percent", 12.5}}});
  auto report = tEcrFnct::New<tEcrRptCrs3000MajorGroup>(&driver);
  EXPECT_EQ(report->ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000MjrGrp"));
  const qint32 first = Save(*report, {GroupRecord(100, 1) + GroupRecord(200, 2)});
  const QString table = QStringLiteral("tEcrRptCrs3000MajGroup");
  EXPECT_EQ(Columns(table), (QStringList{"Poll Id", "Memory Number", "Name", "Total", "Count", "Weight"}));

  SetSwitch("Drommet", true);
  EXPECT_EQ(report->ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000MjrGrp2"));
  const qint32 second = Save(*report, {GroupRecord(300, 3) + GroupRecord(400, 4)});
  EXPECT_EQ(Columns(table), (QStringList{"Poll Id", "Memory Number", "Name", "Total", "Count", "Weight", "Percent"}));
  EXPECT_EQ(Rows(table, first, {"Name", "Count", "Percent"}),
            (QList<QVariantList>{{"Undefined", 1, QVariant()}, {"DRINKS", 2, QVariant()}}));
  EXPECT_EQ(Rows(table, second, {"Name", "Count", "Percent"}),
            (QList<QVariantList>{{"Undefined", 3, 0.0}, {"DRINKS", 4, 12.5}}));

  SetSwitch("Drommet", false);
  const qint32 third = Save(*report, {GroupRecord(500, 5)});
  EXPECT_EQ(Rows(table, third, {"Count", "Percent"}), (QList<QVariantList>{{5, QVariant()}}));
  EXPECT_EQ(Rows(table, second, {"Percent"}).size(), 2);
}

TEST_F(ItemRpt, SubGroupsAreNumberedNinetyNineABlockAndNamedFromTheirProgram) {
  tSubGrpPrg::AddTo(driver, {{{"Number", 100}, {"Descriptor", "DESSERTS"}}});
  auto report = tEcrFnct::New<tEcrRptCrs3000SubGroup>(&driver);
  QByteArray full;
  for (int i = 0; i < 99; ++i) full += GroupRecord(i, i);
  const qint32 poll = Save(*report, {full, Hex("00 00 00 00 10 0C  00 00 00 00 3C  00 00 00 00 00 0C") +
                                               SignedBcd(1, 6) + SignedBcd(-2, 5) + SignedBcd(0, 6)});
  const QList<QVariantList> rows =
      Rows(QStringLiteral("tEcrRptCrs3000SubGroup"), poll, {"Memory Number", "Name", "Total", "Count", "Weight"});
  ASSERT_EQ(rows.size(), 101);
  EXPECT_EQ(rows[99], (QVariantList{100, "DESSERTS", 1.0, 3, 0}));
  EXPECT_EQ(rows[100], (QVariantList{101, "Undefined", 0.01, -2, 0}));
}

// An item of the program copies its five attributes; another gets the defaults. The
// quantities are stored whole, with their sign.
TEST_F(ItemRpt, InventoryRowsCopyTheItemsAttributesOrTheirDefaults) {
  tInvtItmPrg::AddTo(driver, {{{"Number", 2},
                               {"Descriptor", "FLOUR"},
                               {"FCTR", 25},
                               {"Unit Desc", "KG"},
                               {"Cost", 3.75},
                               {"Recipe Unit", "G"}}});
  auto report = tEcrFnct::New<tEcrRptCrs3000Invt>(&driver);
  QByteArray record;
  for (int q = 1; q <= 7; ++q) record += SignedBcd(q * 10, 5);
  const qint32 poll = Save(*report, {record + Hex("00 00 00 01 2D") + record.mid(5)});
  const QString table = QStringLiteral("tEcrRptCrs3000Invt");
  EXPECT_EQ(Columns(table), (QStringList{"Poll Id", "Memory Number", "Descriptor", "Begin", "Actual", "Receipt",
                                         "Trans In", "Trans Out", "Waste", "Total", "FCTR", "Unit Desc", "Cost",
                                         "Recipe Unit"}));
  const QStringList columns{"Memory Number", "Descriptor", "Begin", "Total", "FCTR", "Unit Desc", "Cost", "Recipe Unit"};
  EXPECT_EQ(Rows(table, poll, columns), (QList<QVariantList>{{1, "Undefined", 10, 70, 1, "UNDF", 0.0, "UNDF"},
                                                             {2, "FLOUR", -12, 70, 25, "KG", 3.75, "G"}}));
}

// The stock program ties item 5 to PLU memory 120 and item 6 to memory 121, which the
// PLU program lacks; item 1 is in neither program.
TEST_F(ItemRpt, SpecialItemStockTakesThePluFromTheStockProgramAndItsNameFromThePlus) {
  tSpItmStkPrg::AddTo(driver, {{{"Number", 5}, {"PLU Code", 120}}, {{"Number", 6}, {"PLU Code", 121}}});
  tPluPrg::AddTo(driver, {{{"Memory Number", 120}, {"PluCode", 7}, {"Descriptor", "ROAST"}}});
  auto report = tEcrFnct::New<tEcrRptCrs3000SpcItmStk>(&driver);
  QByteArray full;
  for (int i = 0; i < 255; ++i) full += SignedBcd(i, 3);
  full.replace(0, 3, Hex("00 12 5D"));
  full.replace(3, 3, Hex("01 00 0C"));
  const qint32 poll = Save(*report, {full, SignedBcd(1, 3)});
  const QList<QVariantList> rows = Rows(QStringLiteral("tEcrRptCrs3000SpcItmStk"), poll,
                                        {"Memory Number", "PLU Number", "Descriptor", "Stock"});
  ASSERT_EQ(rows.size(), 256);
  EXPECT_EQ(rows[0], (QVariantList{1, 0, "Undefined", -125}));
  EXPECT_EQ(rows[1], (QVariantList{2, 0, "Undefined", 1000}));
  EXPECT_EQ(rows[4], (QVariantList{5, 120, "ROAST", 4}));
  EXPECT_EQ(rows[5], (QVariantList{6, 121, "Undefined", 5}));
  EXPECT_EQ(rows[255], (QVariantList{256, 0, "Undefined", 1}));
}
} // namespace
