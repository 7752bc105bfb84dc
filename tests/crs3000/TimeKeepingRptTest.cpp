// The time keeping report: four rows an employee from its own entry loop, tips on the
// first, employees numbered across blocks, names from the employee and job-code programs
// (the 3.04 kind on ROMs 3.04 and 3.05), the programs its form shows by ROM, and the three
// classes sharing one table.
#include "PollRows.h"

#include "NamePrograms.h"
#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000TimeKeeping.h"
#include "model/ERecMismatch.h"
#include "model/tMachine.h"

namespace {
using TestSupport::Hex;

class tRomDriver : public tTestDriver {
public:
  QString rom = QStringLiteral("3.02");
  QString GetRomName() const override { return rom; }
};

// Tips, then four entries of job code, regular and overtime hours (hundredths).
QByteArray Employee(const char* tips, const QStringList& entries) {
  return Hex(tips) + Hex(entries.join(QLatin1Char(' ')).toLatin1());
}
const QStringList kIdle(4, QStringLiteral("00 00 00 00 00 0C 00 00 00 00 0C"));

struct Row {
  int employee, sequence, job;
  QString name, jobName;
  qint64 tips, regular, overtime; // cents
  bool operator==(const Row&) const = default;
};
void PrintTo(const Row& r, std::ostream* out) {
  *out << r.employee << "/" << r.sequence << " job " << r.job << " " << r.name.toStdString() << " "
       << r.jobName.toStdString() << " " << r.tips << " " << r.regular << " " << r.overtime;
}

class TimeKeepingRpt : public CrsFixture {
protected:
  TimeKeepingRpt() {
    auto owned = std::make_unique<tRomDriver>();
    driver = owned.get();
    machine.SetEcr(std::move(owned));
    report = tEcrFnct::New<tEcrRptCrs3000TimeKeeping>(driver);
  }
  QList<Row> Poll(const QList<QByteArray>& dataBlocks) {
    QList<QByteArray> blocks{PollRows::Header()};
    for (qsizetype i = 0; i < dataBlocks.size(); ++i) blocks.append(Framed(dataBlocks[i], int(i) + 2));
    QFile file(WorkFile(QStringLiteral("tk.blk"), blocks));
    report->ReadBlockFile(file);
    QList<Row> rows;
    for (const QVariantMap& r : PollRows::Of(report->GetTableName(), report->PollId))
      rows.append({r.value("Employee No").toInt(), r.value("Sequence").toInt(), r.value("Job Code").toInt(),
                   r.value("Name").toString(), r.value("Job Name").toString(), PollRows::Cents(r.value("Tips")),
                   PollRows::Cents(r.value("Regular Hrs")), PollRows::Cents(r.value("Over Time Hrs"))});
    return rows;
  }

  tMachine machine;
  tRomDriver* driver = nullptr;
  std::unique_ptr<tEcrRptCrs3000TimeKeeping> report;
};

TEST_F(TimeKeepingRpt, TheTableHoldsNineColumnsKeyedByEmployeeJobAndEntry) {
  EXPECT_EQ(report->GetRptCode(), 81);
  EXPECT_EQ(report->GetPrgRecSize(), 49);
  EXPECT_EQ(report->GetRecsInBlk(), 40);
  EXPECT_EQ(report->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptCrs3000TimeKpng"));
  const TTableDef def = *report->DescribeTable();
  EXPECT_EQ(def.name, QStringLiteral("tEcrRptCrs3000TimeKeep"));
  QStringList names;
  for (const TFieldDef& f : def.fields) names << f.name;
  EXPECT_EQ(names, (QStringList{"Poll Id", "Employee No", "Job Code", "Sequence", "Name", "Job Name", "Tips",
                                "Regular Hrs", "Over Time Hrs"}));
  EXPECT_EQ(def.fields[1].type, TFieldType::Short);
  EXPECT_EQ(def.fields[4].size, 12);
  EXPECT_EQ(def.fields[6].type, TFieldType::Money);
  EXPECT_EQ(def.indexes[0].fields, (QStringList{"Poll Id", "Employee No", "Job Code", "Sequence"}));
}

TEST_F(TimeKeepingRpt, TwoRecordsGiveEightRowsWithTheTipsOnTheFirst) {
  const QList<Row> rows =
      Poll({Employee("00 00 01 50 0C", {"12 00 00 00 80 0C 00 00 00 05 0C", "07 00 00 01 00 0C 00 00 00 00 0C",
                                        "00 00 00 00 00 0C 00 00 00 00 0C", "99 00 00 00 25 0D 00 00 00 10 0D"}) +
            Employee("00 00 00 99 9D", kIdle)});
  const QList<Row> expected{
      {1, 1, 12, "Undefined", "Undefined", 1500, 800, 50}, {1, 2, 7, "Undefined", "Undefined", 0, 1000, 0},
      {1, 3, 0, "Undefined", "Undefined", 0, 0, 0},        {1, 4, 99, "Undefined", "Undefined", 0, -250, -100},
      {2, 1, 0, "Undefined", "Undefined", -999, 0, 0},     {2, 2, 0, "Undefined", "Undefined", 0, 0, 0},
      {2, 3, 0, "Undefined", "Undefined", 0, 0, 0},        {2, 4, 0, "Undefined", "Undefined", 0, 0, 0},
  };
  EXPECT_EQ(rows, expected);
}

TEST_F(TimeKeepingRpt, AFullBlockHoldsFortyEmployees) {
  QByteArray full;
  for (int i = 0; i < 40; ++i) full += Employee("00 00 00 00 0C", kIdle);
  const QList<Row> rows = Poll({full, Employee("00 00 00 01 0C", kIdle)});
  ASSERT_EQ(rows.size(), 164);
  EXPECT_EQ(std::pair(rows[159].employee, rows[159].sequence), std::pair(40, 4));
  EXPECT_EQ(std::pair(rows[160].employee, rows[160].tips), std::pair(41, qint64(10)));
}

TEST_F(TimeKeepingRpt, ABlockOfPartRecordsIsRefusedAndNothingStored) {
  try {
    Poll({Employee("00 00 00 00 0C", kIdle) + Hex("00 00")});
    ADD_FAILURE() << "no error";
  } catch (const ERecMismatch& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Block Size Mismatch, got: 51  expecting: 1960"));
  }
  EXPECT_TRUE(PollIds().isEmpty());
}

TEST_F(TimeKeepingRpt, NamesComeFromTheEmployeeAndTheRomsJobCodePrograms) {
  tNamesPrg<kEmployeeClass, kName>::AddTo(*driver, {{2, QStringLiteral("MARTIN")}});
  tNamesPrg<kJobCodesClass, kDescriptor>::AddTo(*driver, {{12, QStringLiteral("COOK")}});
  tNamesPrg<kJobCodes304Class, kDescriptor>::AddTo(*driver, {{12, QStringLiteral("CHEF")}});
  const QByteArray data = Employee("00 00 00 00 0C", kIdle) +
                          Employee("00 00 00 00 0C", QStringList(4, QStringLiteral("12 00 00 00 00 0C 00 00 00 00 0C")));
  for (const auto& [rom, job] : {std::pair("3.02", "COOK"), std::pair("3.04", "CHEF"), std::pair("3.05", "CHEF")}) {
    SCOPED_TRACE(rom);
    driver->rom = QLatin1String(rom);
    report = tEcrFnct::New<tEcrRptCrs3000TimeKeeping>(driver); // a report object finds its programs once
    const QList<Row> rows = Poll({data});
    ASSERT_EQ(rows.size(), 8);
    EXPECT_EQ(rows[0].name, QStringLiteral("Undefined"));
    EXPECT_EQ(rows[0].jobName, QStringLiteral("Undefined"));
    EXPECT_EQ(rows[4].name, QStringLiteral("MARTIN"));
    EXPECT_EQ(rows[7].jobName, QLatin1String(job));
  }
}

TEST_F(TimeKeepingRpt, TheFormShowsThePayRateAndAttendanceProgramsOfTheRom) {
  const QList<Crs3000FormTable> plain{{"tblDesc", "tEcrPrgCrs3000PayRates"},
                                      {"tblEmp", "tEcrPrgCrs3000Employee"},
                                      {"tblAtt", "tEcrPrgCrs3000TaFls"}};
  const QList<Crs3000FormTable> rom304{{"tblDesc", "tEcrPrgCrs3000PayRates304"},
                                       {"tblEmp", "tEcrPrgCrs3000Employee"},
                                       {"tblAtt", "tEcrPrgCrs3000TaFls304"}};
  for (const char* rom : {"2.20", "3.02", "3.03", "4.03", "2.21 Not Recommended"})
    EXPECT_EQ(tEcrRptCrs3000TimeKeeping::FormTables(QLatin1String(rom)), plain) << rom;
  for (const char* rom : {"3.04", "3.05"}) EXPECT_EQ(tEcrRptCrs3000TimeKeeping::FormTables(QLatin1String(rom)), rom304) << rom;

  // A driver binds the programs it has and leaves the others unbound.
  driver->rom = QStringLiteral("3.04");
  tNamesPrg<kEmployeeClass, kName>::AddTo(*driver, {});
  const QList<Crs3000BoundTable> bound = Crs3000FormTables::Bind(*report, report->FormTables());
  ASSERT_EQ(bound.size(), 1);
  EXPECT_EQ(bound[0].formTable, QStringLiteral("tblEmp"));
  EXPECT_EQ(bound[0].program, driver->FindPrgByClass(QStringLiteral("tEcrPrgCrs3000Employee")));
}

TEST_F(TimeKeepingRpt, TheZ2AndZ3ReportsShareTheTable) {
  const std::tuple<std::unique_ptr<tEcrRptCrs3000TimeKeeping>, int, const char*> kinds[] = {
      {tEcrFnct::New<tEcrRptCrs3000TimeKeepingZ2>(driver), 82, "Time Keeping Z2"},
      {tEcrFnct::New<tEcrRptCrs3000TimeKeepingZ3>(driver), 83, "Time Keeping Z3"}};
  for (const auto& [kind, code, name] : kinds) {
    EXPECT_EQ(kind->GetRptCode(), code);
    EXPECT_EQ(kind->GetRptName(), QLatin1String(name));
    EXPECT_EQ(kind->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptCrs3000TimeKpngZ2Z3"));
    EXPECT_EQ(kind->GetTableName(), QStringLiteral("tEcrRptCrs3000TimeKeep"));
  }
  const ScopedLongTableNames longNames;
  EXPECT_EQ(std::get<0>(kinds[1])->GetTableName(), QStringLiteral("tEcrRptCrs3000TimeKeeping"));
  EXPECT_EQ(report->DescribeTable()->name, QStringLiteral("tEcrRptCrs3000TimeKeeping"));
}
} // namespace
