// The sales and labour report: periods numbered across blocks, the labour hours the
// register keeps 100 above the hours worked, and the signed money values.
#include "PollRows.h"

#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000SalesLabor.h"

namespace {
using TestSupport::Hex;
const QString kTable = QStringLiteral("tEcrRptCrs3000SalesLab");

class SalesLaborRpt : public CrsFixture {
protected:
  SalesLaborRpt() { report = tEcrFnct::New<tEcrRptCrs3000SalesLabor>(&driver); }
  QList<QVariantMap> Poll(const QList<QByteArray>& dataBlocks) {
    QList<QByteArray> blocks{PollRows::Header()};
    for (qsizetype i = 0; i < dataBlocks.size(); ++i) blocks.append(Framed(dataBlocks[i], int(i) + 2));
    QFile file(WorkFile(QStringLiteral("sl.blk"), blocks));
    report->ReadBlockFile(file);
    return PollRows::Of(kTable, report->PollId);
  }
  tTestDriver driver;
  std::unique_ptr<tEcrRptCrs3000SalesLabor> report;
};

TEST_F(SalesLaborRpt, TheTableHoldsCustomersTotalLabourHoursAndCost) {
  EXPECT_EQ(report->GetRptCode(), 45);
  EXPECT_EQ(report->GetRptName(), QStringLiteral("Sales And Labor"));
  EXPECT_EQ(report->GetPrgRecSize(), 20);
  EXPECT_EQ(report->ReportFormClass(), QStringLiteral("TQrEcrRptCrs3000SlsLbr"));
  const QList<TFieldDef> expected{{QStringLiteral("Poll Id"), TFieldType::Long, 0},
                                  {QStringLiteral("Memory Number"), TFieldType::Long, 0},
                                  {QStringLiteral("Customers"), TFieldType::Long, 0},
                                  {QStringLiteral("Total"), TFieldType::Money, 0},
                                  {QStringLiteral("Labor Hours"), TFieldType::Money, 0},
                                  {QStringLiteral("Labor Cost"), TFieldType::Money, 0}};
  const TTableDef def = *report->DescribeTable();
  EXPECT_EQ(def.name, kTable);
  EXPECT_EQ(def.fields, expected);
  EXPECT_EQ(def.indexes[0].fields, (QStringList{"Poll Id", "Memory Number"}));
}

// Hours above zero are 100 less than the register's figure; zero stays zero, and a
// figure below 100 hours gives a negative value as it is.
TEST_F(SalesLaborRpt, LabourHoursAreTheRegistersLessOneHundred) {
  const std::pair<const char*, double> cases[] = {
      {"00 00 10 25 00", 2.5},   {"00 00 00 00 00", 0.0},  {"00 00 10 00 00", 0.0},
      {"00 00 10 25 05", 2.505}, {"00 00 00 00 50", -99.95}, {"99 99 99 99 99", 9999899.999},
  };
  QByteArray data;
  for (const auto& [bytes, hours] : cases) data += Hex("00 00 1C 00 00 00 00 00 1C") + Hex(bytes) + Hex("00 00 00 00 00 0C");
  const QList<QVariantMap> rows = Poll({data});
  ASSERT_EQ(rows.size(), qsizetype(std::size(cases)));
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(rows[qsizetype(i)].value(QStringLiteral("Labor Hours")).toDouble(), cases[i].second) << cases[i].first;
}

TEST_F(SalesLaborRpt, PeriodsFollowOnAcrossBlocksWithTheirValues) {
  QByteArray full;
  for (int i = 0; i < 48; ++i) full += QByteArray(20, '\0');
  const QByteArray record = Hex("00 00 7C 00 00 00 12 34 5C 00 00 00 00 00 00 00 00 00 99 9D");
  const QList<QVariantMap> rows = Poll({full, full, record + record});
  ASSERT_EQ(rows.size(), 98);
  EXPECT_EQ(rows[96].value(QStringLiteral("Memory Number")).toInt(), 97);
  EXPECT_EQ(rows[97].value(QStringLiteral("Memory Number")).toInt(), 98);
  EXPECT_EQ(rows[96].value(QStringLiteral("Customers")).toInt(), 7);
  EXPECT_EQ(PollRows::Cents(rows[96].value(QStringLiteral("Total"))), 12345);
  EXPECT_EQ(PollRows::Cents(rows[96].value(QStringLiteral("Labor Cost"))), -999);
}

TEST_F(SalesLaborRpt, APartBlockHoldsOnlyItsPeriods) {
  EXPECT_EQ(Poll({QByteArray(24 * 20, '\0')}).size(), 24);
}
} // namespace
