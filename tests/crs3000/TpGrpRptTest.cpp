// The time period by group report: 21 totalisers a period, groups 1 to 20 and all groups,
// each stored count before total, periods numbered across blocks.
#include "PollRows.h"

#include "TestSupport.h"
#include "crs3000/tEcrRptCrs3000TpGrp.h"

namespace {
using TestSupport::Hex;
const QString kTable = QStringLiteral("tEcrRptCrs3000TpGrp");

class TpGrpRpt : public CrsFixture {
protected:
  TpGrpRpt() { report = tEcrFnct::New<tEcrRptCrs3000TpGrp>(&driver); }
  tTestDriver driver;
  std::unique_ptr<tEcrRptCrs3000TpGrp> report;
};

TEST_F(TpGrpRpt, TheTableHasACountAndATotalForEachGroup) {
  EXPECT_EQ(report->GetRptCode(), 36);
  EXPECT_EQ(report->GetRptName(), QStringLiteral("Time Period Group"));
  EXPECT_EQ(report->GetPrgRecSize(), 231);
  EXPECT_EQ(report->GetRecsInBlk(), 6);
  const TTableDef def = *report->DescribeTable();
  EXPECT_EQ(def.name, kTable);
  ASSERT_EQ(def.fields.size(), 44);
  EXPECT_EQ(def.fields[1], (TFieldDef{QStringLiteral("Memory Number"), TFieldType::Short, 0}));
  EXPECT_EQ(def.fields[2], (TFieldDef{QStringLiteral("Group 01 Count"), TFieldType::Long, 0}));
  EXPECT_EQ(def.fields[3], (TFieldDef{QStringLiteral("Group 01 Total"), TFieldType::Money, 0}));
  EXPECT_EQ(def.fields[41].name, QStringLiteral("Group 20 Total"));
  EXPECT_EQ(def.fields[42], (TFieldDef{QStringLiteral("All Groups Count"), TFieldType::Long, 0}));
  EXPECT_EQ(def.fields[43], (TFieldDef{QStringLiteral("All Groups Total"), TFieldType::Money, 0}));
  EXPECT_EQ(report->FormTables(),
            (QList<Crs3000FormTable>{{QStringLiteral("tblDesc"), QStringLiteral("tEcrPrgCrs3000TimeRange")},
                                     {QStringLiteral("tblGroup"), QStringLiteral("tEcrPrgCrs3000MajGrp")}}));
}

TEST_F(TpGrpRpt, EachTotaliserLandsInItsGroupsColumns) {
  QByteArray record(231, '\0');
  record.replace(11, 11, Hex("00 00 00 00 25 0C 00 00 00 00 7C"));
  record.replace(220, 11, Hex("00 00 00 12 34 5D 00 00 00 09 9D"));
  QByteArray full;
  for (int i = 0; i < 6; ++i) full += QByteArray(231, '\0');
  QFile file(WorkFile(QStringLiteral("tpgrp.blk"),
                      {PollRows::Header(), Framed(full, 2), Framed(QByteArray(462, '\0') + record, 3)}));
  report->ReadBlockFile(file);
  const QList<QVariantMap> rows = PollRows::Of(kTable, report->PollId);
  ASSERT_EQ(rows.size(), 9);
  const QVariantMap& ninth = rows[8];
  EXPECT_EQ(ninth.value(QStringLiteral("Memory Number")).toInt(), 9);
  EXPECT_EQ(PollRows::Cents(ninth.value(QStringLiteral("Group 02 Total"))), 250);
  EXPECT_EQ(ninth.value(QStringLiteral("Group 02 Count")).toInt(), 7);
  EXPECT_EQ(PollRows::Cents(ninth.value(QStringLiteral("All Groups Total"))), -12345);
  EXPECT_EQ(ninth.value(QStringLiteral("All Groups Count")).toInt(), -99);
  EXPECT_EQ(PollRows::Cents(ninth.value(QStringLiteral("Group 01 Total"))), 0);
  EXPECT_EQ(PollRows::Cents(ninth.value(QStringLiteral("Group 20 Total"))), 0);
}
} // namespace
