// What the CRS 3000 driver tells outside callers: its field maps, the financial field
// list and the figures of a stored financial poll.
#include "Crs3000StandIns.h"

#include "crs3000/Crs3000FnclFields.h"
#include "crs3000/Crs3000RomClasses.h"
#include "model/EConvertError.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/settings/SettingsFile.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
class Crs3000FieldMaps : public ::testing::Test {
protected:
  void SetUp() override { StandIns::RegisterAll(); }
  QStringList list{QStringLiteral("left over")};
};

// A section table holding every figure of the section (but those left out) for two polls.
void MakeSection(int section, const QStringList& leftOut = {}) {
  static const char* const tables[] = {StandIns::Sales, StandIns::Receipts, StandIns::Memo, StandIns::SysBal,
                                       StandIns::TblSrvc};
  TTableDef def{QString::fromLatin1(tables[section]), {{QStringLiteral("Poll Id"), TFieldType::Long, 0}}, {}};
  for (const QString& name : Crs3000FnclFields::FnclFieldNames().at(section))
    if (!leftOut.contains(name)) def.fields.append({name, TFieldType::Money, 0});
  TDatabase& db = TSession::Default().Database(GetDataAlias());
  if (db.TableExists(def.name)) db.DeleteTable(def.name);
  db.CreateTable(def);
  for (int pollId : {100 + section + 1, 200 + section + 1}) {
    QVariantList row{pollId};
    for (int i = 1; i < def.fields.size(); ++i) row.append(pollId * 1000 + i + 0.25);
    QStringList marks(def.fields.size(), QStringLiteral("?"));
    TQuery(db).Exec(QStringLiteral("insert into \"%1\" values (%2)").arg(def.name, marks.join(QLatin1Char(','))), row);
  }
}
} // namespace

TEST_F(Crs3000FieldMaps, FinancialListNamesTheHeadAndRomNumber) {
  const struct {
    const TClass& cls;
    const char* head;
    const char* number;
    const char* first4;
  } cases[] = {
      {tEcrCrs3000V0304::StaticClass(), "tEcrRptCrs3000Fncl303", "304", "3.04"},
      {tEcrCrs3000V0061::StaticClass(), "tEcrRptCrs3000Fncl224", "61", "0.61"},
      {tEcrCrs3000V0101::StaticClass(), "tEcrRptCrs3000Fncl224", "78", "0.78"},
      {tEcrCrs3000V0226::StaticClass(), "tEcrRptCrs3000Financial", "226", "2.26"},
      {tEcrCrs3000V0302::StaticClass(), "tEcrRptCrs3000Financial", "302", "3.02"},
      {tEcrCrs3000V0403::StaticClass(), "tEcrRptCrs3000Fncl224", "403", "4.03"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cls.ClassName().toStdString());
    const std::unique_ptr<tEcr> ecr = tEcr::New(c.cls);
    ecr->GetFnclList(list);
    ASSERT_EQ(list.size(), 2 + 146 + 4);
    EXPECT_EQ(list.at(0), "146");
    EXPECT_EQ(list.at(1), "0");
    EXPECT_EQ(list.mid(148), (QStringList{c.head, c.number, ecr->RomName(), c.first4}));
  }
}

TEST_F(Crs3000FieldMaps, FinancialListHoldsThePrefixedSectionNamesWithoutCouponTransactions) {
  const std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0304::StaticClass());
  ecr->GetFnclList(list);
  const QStringList names = list.mid(2, 146);
  EXPECT_EQ(names.filter(QRegularExpression(QStringLiteral("^Sales-"))).size(), 48);
  EXPECT_EQ(names.filter(QRegularExpression(QStringLiteral("^Rcpts-"))).size(), 48);
  EXPECT_EQ(names.filter(QRegularExpression(QStringLiteral("^Memo-"))).size(), 19);
  EXPECT_EQ(names.filter(QRegularExpression(QStringLiteral("^SysBal-"))).size(), 15);
  EXPECT_EQ(names.filter(QRegularExpression(QStringLiteral("^TblSvc-"))).size(), 16);
  EXPECT_FALSE(names.contains(QStringLiteral("Memo-Cpn Trans Total")));
  const qsizetype lastMemo = names.lastIndexOf(QRegularExpression(QStringLiteral("Memo-.*")));
  ASSERT_GT(lastMemo, 0);
  EXPECT_EQ(names.at(lastMemo - 1), "Memo-Tr2 AvgTime Count");
  EXPECT_EQ(names.at(lastMemo), "Memo-Waste Total");
  EXPECT_EQ(names.first(), "Sales-Item Sales Total");
  EXPECT_EQ(names.at(2), "Sales-AItmDisc01 Total");
  EXPECT_TRUE(names.contains(QStringLiteral("Rcpts-Charge 10 Total")));
  EXPECT_EQ(names.last(), "TblSvc-Debit Card Total");
}

TEST_F(Crs3000FieldMaps, FinancialPollReadsTheFiveSectionPollsAfterTheHead) {
  for (int s = 0; s < 5; ++s) MakeSection(s, s == 2 ? QStringList{QStringLiteral("Waste Total")} : QStringList());
  const std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0226::StaticClass());
  ecr->GetFnclPoll(list, QStringLiteral("100"));
  ASSERT_EQ(list.size(), 293);
  EXPECT_EQ(list.at(0), "146");
  EXPECT_EQ(list.at(1), "Sales-Item Sales Total");
  EXPECT_EQ(list.at(2), "101001.25"); // poll 101, first figure
  const qsizetype waste = list.indexOf(QStringLiteral("Memo-Waste Total"));
  ASSERT_GT(waste, 0);
  EXPECT_EQ(list.at(waste + 1), "0");
  EXPECT_EQ(list.at(list.indexOf(QStringLiteral("TblSvc-Service Total")) + 1), "105001.25");
  EXPECT_THROW(ecr->GetFnclPoll(list, QStringLiteral("100 or 1=1")), EConvertError);
}

TEST_F(Crs3000FieldMaps, AMissingSectionPollAddsNoLines) {
  for (int s = 0; s < 5; ++s) MakeSection(s);
  TQuery(TSession::Default().Database(GetDataAlias()))
      .Exec(QStringLiteral("delete from \"%1\" where \"Poll Id\" = ?").arg(QString::fromLatin1(StandIns::Memo)), {203});
  const std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0302::StaticClass());
  ecr->GetFnclPoll(list, QStringLiteral("200"));
  EXPECT_EQ(list.size(), 1 + 2 * (146 - 19));
  EXPECT_EQ(list.at(0), "127");
  EXPECT_FALSE(list.contains(QStringLiteral("Memo-Number Total")));
  EXPECT_EQ(list.at(list.indexOf(QStringLiteral("SysBal-Gross Sales Total")) + 1), "204001.25");
}

TEST_F(Crs3000FieldMaps, PluProgramInfoShowsSixAndBoolean) {
  const std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0304::StaticClass());
  ecr->GetPLUPrgInfo(list);
  EXPECT_EQ(list, (QStringList{GetDataAlias(), "Default.tEcrPrgCrs3000PLU.db", "PluCode", "Descriptor", "PriceHalo",
                               "", "", "", "", "", "PluCode", "6", "", "", "Negative", "SubGrp", "Scale", "Boolean"}));
  ecr->GetUPCPrgInfo(list);
  EXPECT_EQ(list, QStringList{"0"});
}

TEST_F(Crs3000FieldMaps, TheOtherMapsNameTheCrs3000Tables) {
  const std::unique_ptr<tEcr> ecr = tEcr::New(tEcrCrs3000V0223::StaticClass());
  TEcrPLURptFields plu;
  ecr->GetPLURptFields(plu);
  EXPECT_EQ(plu.RptClass, "tEcrRptCrs3000PLU");
  EXPECT_TRUE(plu.FilterField.isEmpty());
  EXPECT_EQ(plu.PromoField, "Promotion");
  TEcrEmplPrgFields empl;
  ecr->GetEmplPrgFields(empl);
  EXPECT_EQ(empl.JobFields, (QStringList{"Job Code1", "Job Code2", "Job Code3", "Job Code4"}));
  TEcrEmplRptFields tk;
  ecr->GetEmplRptFields(tk);
  EXPECT_TRUE(tk.Direct);
  EXPECT_FALSE(tk.Hundredths);
  EXPECT_EQ(tk.OvertimeField, "Over Time Hrs");
  TEcrGroupRptFields group;
  ecr->GetGroupRptFields(group);
  EXPECT_EQ(group.RptClass, "tEcrRptCrs3000MajorGroup");
  EXPECT_EQ(group.CodeField, "Memory Number");
}
