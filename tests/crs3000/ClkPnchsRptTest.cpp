// The clock punches report: its table, a poll of punch slots numbered into employees and
// slots across blocks, the times, break flags and job codes the slots hold, the names
// from the driver's employee and job-code programs, and the job-code program chosen by
// the register's ROM.
#include "model/ModelFixture.h"
#include "NamePrograms.h"

#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000ClkPnchs.h"
#include "model/EConvertError.h"
#include "model/ERecMismatch.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "platform/sys/TDateTime.h"

#include <QFile>
#include <QTime>
#include <ostream>

namespace {
using TestSupport::Hex;
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);
const QString kTable = QStringLiteral("tEcrRptCrs3000ClkPnchs");

class tRomDriver : public tTestDriver {
public:
  QString rom = QStringLiteral("3.02");
  QString GetRomName() const override { return rom; }
};

QByteArray Header() { return Framed(Hex("00 58 01 03 04 26 00 0C 12 34 07 42") + QByteArray(24, '\0'), 1); }

// Punch slots: start, stop, break byte, job code.
QByteArray Slots(const QStringList& slots) { return Hex(slots.join(QLatin1Char(' ')).toLatin1()); }

struct Row {
  int employee, sequence, job;
  QString name, jobName;
  QTime start, stop;
  bool onBreak;
};

class ClkPnchsRpt : public CrsFixture {
protected:
  ClkPnchsRpt() {
    auto owned = std::make_unique<tRomDriver>();
    driver = owned.get();
    machine.SetEcr(std::move(owned));
    report = tEcrFnct::New<tEcrRptCrs3000ClkPnchs>(driver);
  }

  template <class Prg> void AddNames(const QList<std::pair<int, const char*>>& rows) {
    QMap<int, QString> names;
    for (const auto& [number, text] : rows) names.insert(number, QLatin1String(text));
    Prg::AddTo(*driver, names);
  }
  void AddJobCodes(bool rom304) {
    const QList<std::pair<int, const char*>> jobs{{7, "COOK"}, {12, "CASHIER"}};
    if (rom304)
      AddNames<tNamesPrg<kJobCodes304Class, kDescriptor>>(jobs);
    else
      AddNames<tNamesPrg<kJobCodesClass, kDescriptor>>(jobs);
  }

  // Saves a poll of the blocks and returns its rows in key order.
  QList<Row> Poll(const QList<QByteArray>& dataBlocks) {
    QList<QByteArray> blocks{Header()};
    for (qsizetype i = 0; i < dataBlocks.size(); ++i) blocks.append(Framed(dataBlocks[i], int(i) + 2));
    QFile file(WorkFile(QStringLiteral("punches.blk"), blocks));
    report->ReadBlockFile(file);
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT \"Employee No\", \"Sequence\", \"Job Code\", \"Name\", \"Job Name\", "
                              "\"Start Time\", \"Stop Time\", \"Break\" FROM \"%1\" WHERE \"Poll Id\" = ? "
                              "ORDER BY \"Employee No\", \"Sequence\"")
                   .arg(kTable),
               {report->PollId});
    QList<Row> rows;
    while (query.Next())
      rows.append({query.Value(0).toInt(), query.Value(1).toInt(), query.Value(2).toInt(), query.Value(3).toString(),
                   query.Value(4).toString(), TDateTime(query.Value(5).toDouble()).Time(),
                   TDateTime(query.Value(6).toDouble()).Time(), query.Value(7).toBool()});
    return rows;
  }
  QStringList JobNames(const QList<Row>& rows) {
    QStringList names;
    for (const Row& row : rows) names << row.jobName;
    return names;
  }

  tMachine machine;
  tRomDriver* driver = nullptr;
  std::unique_ptr<tEcrRptCrs3000ClkPnchs> report;
};

TEST_F(ClkPnchsRpt, TheTableHoldsNineColumnsKeyedByEmployeeJobAndSlot) {
  EXPECT_EQ(report->GetRptCode(), 80);
  EXPECT_EQ(report->GetRptName(), QStringLiteral("Clock Punches"));
  EXPECT_EQ(report->GetPrgRecSize(), 6);
  EXPECT_EQ(report->GetRecsInBlk(), 320);
  EXPECT_EQ(report->GetTableName(), kTable);
  EXPECT_EQ(report->ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000ClrkPnchs"));
  EXPECT_EQ(report->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptCrs3000"));
  const std::optional<TTableDef> def = report->DescribeTable();
  ASSERT_TRUE(def.has_value());
  const QList<TFieldDef> expected{{QStringLiteral("Poll Id"), TFieldType::Long, 0},
                                  {QStringLiteral("Employee No"), TFieldType::Short, 0},
                                  {QStringLiteral("Job Code"), TFieldType::Short, 0},
                                  {QStringLiteral("Sequence"), TFieldType::Short, 0},
                                  {QStringLiteral("Name"), TFieldType::Alpha, 12},
                                  {QStringLiteral("Job Name"), TFieldType::Alpha, 12},
                                  {QStringLiteral("Start Time"), TFieldType::Time, 0},
                                  {QStringLiteral("Stop Time"), TFieldType::Time, 0},
                                  {QStringLiteral("Break"), TFieldType::Logical, 0}};
  EXPECT_EQ(def->fields, expected);
  ASSERT_EQ(def->indexes.size(), 1);
  EXPECT_TRUE(def->indexes[0].primary);
  EXPECT_EQ(def->indexes[0].fields, (QStringList{"Poll Id", "Employee No", "Job Code", "Sequence"}));
}

TEST_F(ClkPnchsRpt, SlotsAreEmployeesOfFourAcrossBlocks) {
  const QList<Row> rows = Poll({Slots({"22 30 06 15 FE 07", "00 00 00 00 00 00", "00 00 00 00 00 00",
                                       "00 00 00 00 00 00", "08 00 12 00 00 12", "09 05 17 45 01 12"}),
                                Slots({"23 59 00 01 FF 99"})});
  const Row expected[] = {
      {1, 1, 7, "Undefined", "Undefined", QTime(22, 30), QTime(6, 15), false}, // over midnight, as it is
      {1, 2, 0, "Undefined", "Undefined", QTime(0, 0), QTime(0, 0), false},
      {1, 3, 0, "Undefined", "Undefined", QTime(0, 0), QTime(0, 0), false},
      {1, 4, 0, "Undefined", "Undefined", QTime(0, 0), QTime(0, 0), false},
      {2, 1, 12, "Undefined", "Undefined", QTime(8, 0), QTime(12, 0), false},
      {2, 2, 12, "Undefined", "Undefined", QTime(9, 5), QTime(17, 45), true},
      // The first slot of the second data block: 80 employees fill a block.
      {81, 1, 99, "Undefined", "Undefined", QTime(23, 59), QTime(0, 1), true},
  };
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    const Row& row = rows[qsizetype(i)];
    EXPECT_EQ(row.employee, expected[i].employee);
    EXPECT_EQ(row.sequence, expected[i].sequence);
    EXPECT_EQ(row.job, expected[i].job);
    EXPECT_EQ(row.name, expected[i].name);
    EXPECT_EQ(row.jobName, expected[i].jobName);
    EXPECT_EQ(row.start, expected[i].start);
    EXPECT_EQ(row.stop, expected[i].stop);
    EXPECT_EQ(row.onBreak, expected[i].onBreak);
  }
  EXPECT_EQ(PollIds(), QList<qint64>{report->PollId});
}

TEST_F(ClkPnchsRpt, AJobCodeNibbleAboveNineCountsTen) {
  const QList<Row> rows = Poll({Slots({"00 00 00 00 00 1A", "00 00 00 00 00 FF"})});
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].job, 20);
  EXPECT_EQ(rows[1].job, 165);
}

TEST_F(ClkPnchsRpt, ATimeOfNoDayFailsTheSaveAndStoresNothing) {
  for (const char* slot : {"FF FF 06 15 00 01", "22 30 FF FF 00 01", "24 00 06 15 00 01", "12 60 06 15 00 01"}) {
    SCOPED_TRACE(slot);
    EXPECT_THROW(Poll({Slots({"22 30 06 15 00 01", slot})}), EConvertError);
    EXPECT_TRUE(PollIds().isEmpty());
    EXPECT_EQ(Rows(kData, kTable), 0);
  }
}

TEST_F(ClkPnchsRpt, AFullBlockHoldsEightyEmployees) {
  const QList<Row> rows =
      Poll({Slots(QStringList(320, QStringLiteral("08 00 12 00 00 07"))), Slots({"09 00 13 00 00 07"})});
  ASSERT_EQ(rows.size(), 321);
  EXPECT_EQ(std::pair(rows[319].employee, rows[319].sequence), std::pair(80, 4));
  EXPECT_EQ(std::pair(rows[320].employee, rows[320].sequence), std::pair(81, 1));
  EXPECT_EQ(rows[320].start, QTime(9, 0));
}

TEST_F(ClkPnchsRpt, ABlockOfPartSlotsOrMoreThanItCanHoldIsRefused) {
  const std::pair<QByteArray, const char*> cases[] = {
      {Slots({"22 30 06 15 00 01", "22 30 06"}), "Block Size Mismatch, got: 9  expecting: 1920"},
      {Slots(QStringList(321, QStringLiteral("22 30 06 15 00 01"))), "Block Size Mismatch, got: 1926  expecting: 1920"},
  };
  for (const auto& [block, message] : cases) {
    SCOPED_TRACE(message);
    try {
      Poll({block});
      ADD_FAILURE() << "no error";
    } catch (const ERecMismatch& e) {
      EXPECT_EQ(e.Message(), QLatin1String(message));
    }
    EXPECT_TRUE(PollIds().isEmpty());
  }
}

TEST_F(ClkPnchsRpt, NamesComeFromTheEmployeeAndJobCodePrograms) {
  AddNames<tNamesPrg<kEmployeeClass, kName>>({{1, "ANNA"}, {81, "MARTIN"}});
  AddJobCodes(false);
  const QList<Row> rows = Poll({Slots({"08 00 12 00 00 07", "00 00 00 00 00 05", "00 00 00 00 00 00",
                                       "00 00 00 00 00 00", "08 00 12 00 00 12"}),
                                Slots({"08 00 12 00 00 12"})});
  ASSERT_EQ(rows.size(), 6);
  QStringList names;
  for (const Row& row : rows) names << row.name;
  EXPECT_EQ(names, (QStringList{"ANNA", "ANNA", "ANNA", "ANNA", "Undefined", "MARTIN"}));
  EXPECT_EQ(JobNames(rows), (QStringList{"COOK", "Undefined", "Undefined", "Undefined", "CASHIER", "CASHIER"}));
}

// ROMs 3.04 and 3.05 keep their job codes in a table class of their own; the report finds
// the names there, and only there.
struct RomCase {
  const char* rom;
  bool rom304Table;
  const char* jobName;
};
void PrintTo(const RomCase& c, std::ostream* out) {
  *out << "ROM " << c.rom << (c.rom304Table ? " with the 3.04 table" : " with the plain table");
}

class ClkPnchsRom : public ClkPnchsRpt, public ::testing::WithParamInterface<RomCase> {};

TEST_P(ClkPnchsRom, TheJobCodeProgramIsTheOneOfTheRegistersRom) {
  driver->rom = QLatin1String(GetParam().rom);
  AddJobCodes(GetParam().rom304Table);
  EXPECT_EQ(JobNames(Poll({Slots({"08 00 12 00 00 07"})})), QStringList{QLatin1String(GetParam().jobName)});
}

INSTANTIATE_TEST_SUITE_P(Roms, ClkPnchsRom,
                         ::testing::Values(RomCase{"3.04", true, "COOK"}, RomCase{"3.05", true, "COOK"},
                                           RomCase{"3.02", false, "COOK"}, RomCase{"4.03", false, "COOK"},
                                           RomCase{"3.04", false, "Undefined"}, RomCase{"3.03", true, "Undefined"}));

TEST(ClkPnchsJobCodes, TheClassFollowsTheRomText) {
  const std::pair<const char*, const char*> cases[] = {
      {"3.04", "tEcrPrgCrs3000JobCodes304"}, {"3.05", "tEcrPrgCrs3000JobCodes304"},
      {"3.02", "tEcrPrgCrs3000JobCodes"},    {"3.03", "tEcrPrgCrs3000JobCodes"},
      {"4.02", "tEcrPrgCrs3000JobCodes"},    {"2.21 Not Recommended", "tEcrPrgCrs3000JobCodes"},
      {"", "tEcrPrgCrs3000JobCodes"},
  };
  for (const auto& [rom, cls] : cases)
    EXPECT_EQ(tEcrRptCrs3000ClkPnchs::JobCodesClass(QLatin1String(rom)), QLatin1String(cls)) << rom;
}
} // namespace
