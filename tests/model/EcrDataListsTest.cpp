// The answers a driver gives outside callers: program lists from the local tables and the
// values of stored polls, read with the poll id as a bound value.
#include "DriverDoubles.h"

#include "model/EConvertError.h"
#include "model/EcrDataLists.h"
#include "model/tEcr.h"
#include "store/settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace {
const QString T = QStringLiteral("\t");

TFieldDef F(const char* name, TFieldType type = TFieldType::Number, int size = 0) {
  return {QString::fromLatin1(name), type, size};
}

class EcrDataListsTest : public ::testing::Test {
protected:
  std::unique_ptr<tDrvTestEcr> ecr = DriverDoubles::NewDriver();
  QStringList list{QStringLiteral("left over")};

  TTable& PrgTable(const char* cls) { return ecr->FindPrgByClass(QString::fromLatin1(cls))->OpenTable(); }
};
} // namespace

TEST_F(EcrDataListsTest, PluListHasTheCountThenCodeDescriptionAndPrice) {
  DriverDoubles::AppendRows(PrgTable("tDrvPrgPlu"),
                            {{101, "Burger", 4.5}, {102, "Fries", 1.25}, {2000000001, "Big, with tab", 12}});
  ecr->GetPLUList(list);
  EXPECT_EQ(list, (QStringList{"3", "101" + T + "Burger" + T + "4.50", "102" + T + "Fries" + T + "1.25",
                               "2000000001" + T + "Big, with tab" + T + "12.00"}));
}

TEST_F(EcrDataListsTest, AMissingProgramAnswersZero) {
  const std::unique_ptr<tEcr> base = tEcr::New(tEcr::StaticClass());
  for (auto answer : {&tEcr::GetPLUList, &tEcr::GetUPCList, &tEcr::GetGroupList, &tEcr::GetEmplList,
                      &tEcr::GetPLUPrgInfo, &tEcr::GetUPCPrgInfo}) {
    list = QStringList{QStringLiteral("left over")};
    (base.get()->*answer)(list);
    EXPECT_EQ(list, QStringList{"0"});
  }
  ecr->GetUPCList(list); // the test driver has no UPC map either
  EXPECT_EQ(list, QStringList{"0"});
}

TEST_F(EcrDataListsTest, GroupListHasCodeAndDescription) {
  DriverDoubles::AppendRows(PrgTable("tDrvPrgGroup"), {{1, "Food"}, {2, "Drink"}});
  ecr->GetGroupList(list);
  EXPECT_EQ(list, (QStringList{"2", "1" + T + "Food", "2" + T + "Drink"}));
}

TEST_F(EcrDataListsTest, EmployeeListGivesOneLinePerJobAndAnOvertimeTwinEach) {
  DriverDoubles::AppendRows(PrgTable("tDrvPrgEmpl"), {{7, "Ann", 12, 3}});
  ecr->GetEmplList(list);
  EXPECT_EQ(list, (QStringList{"4", "7, Job 12" + T + "Ann", "7, Job 12, OT" + T + "Ann", "7, Job 3" + T + "Ann",
                               "7, Job 3, OT" + T + "Ann"}));
  // Jobs numbered 1.. when the report does not name job codes directly; no overtime field.
  ecr->EmplRpt.Direct = false;
  ecr->EmplRpt.OvertimeField.clear();
  ecr->GetEmplList(list);
  EXPECT_EQ(list, (QStringList{"2", "7, Job 1" + T + "Ann", "7, Job 2" + T + "Ann"}));
  ecr->Empl.JobFields.clear();
  ecr->GetEmplList(list);
  EXPECT_EQ(list, (QStringList{"1", "7" + T + "Ann"}));
}

TEST_F(EcrDataListsTest, PluPollCountsOnlyTheRowsTakenAndAnswersZeroForUnnamedFields) {
  DriverDoubles::MakeReportTable(QStringLiteral("tDrvRptPlu"),
                                 {F("Poll Id", TFieldType::Long), F("PluCode"), F("Count"),
                                  F("Total", TFieldType::Money), F("Promotion"), F("Taken", TFieldType::Long)},
                                 {{5, 101, 3, 13.5, 1, 1}, {5, 102, 2, 2.5, 0, 0}, {6, 103, 9, 9, 9, 1}});
  ecr->GetPLUPoll(list, QStringLiteral("5"));
  EXPECT_EQ(list, (QStringList{"2", "101", "3", "13.5", "0", "1", "102", "2", "2.5", "0", "0"}));
  ecr->PluRpt.FilterField = QStringLiteral("Taken");
  ecr->GetPLUPoll(list, QStringLiteral("5"));
  EXPECT_EQ(list, (QStringList{"1", "101", "3", "13.5", "0", "1"}));
  ecr->GetPLUPoll(list, QStringLiteral("99"));
  EXPECT_EQ(list, QStringList{"0"});
}

TEST_F(EcrDataListsTest, PollIdsMustBeWholeNumbersAndNeverReachTheStatement) {
  DriverDoubles::MakeReportTable(QStringLiteral("tDrvRptGroup"),
                                 {F("Poll Id", TFieldType::Long), F("Memory Number"), F("Total", TFieldType::Money)},
                                 {{5, 1, 10.25}, {5, 2, 0.1}});
  for (const char* bad : {"", "abc", "5 or 1=1", "5\" or \"1\"=\"1", "5; drop table tDrvRptGroup", "1.5"}) {
    SCOPED_TRACE(bad);
    try {
      ecr->GetGroupPoll(list, QString::fromLatin1(bad));
      FAIL() << "accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(bad)));
    }
  }
  ecr->GetGroupPoll(list, QStringLiteral("  5"));
  EXPECT_EQ(list, (QStringList{"2", "1", "10.25", "2", "0.1"}));
}

TEST_F(EcrDataListsTest, TimeKeepingSpreadsHoursOverEntriesOfAtMost23Hours) {
  DriverDoubles::MakeReportTable(QStringLiteral("tDrvRptTk"),
                                 {F("Poll Id", TFieldType::Long), F("Employee No"), F("Job Code"), F("Regular Hrs"),
                                  F("Over Time Hrs")},
                                 {{8, 7, 12, 30.25, 0}, {8, 9, 3, 23, 7.1}});
  ecr->GetTKPoll(list, QStringLiteral("8"));
  EXPECT_EQ(list, (QStringList{"6", "7, Job 12", "23:15", "7, Job 12", "07:00", "7, Job 12, OT", "00:00",
                               "9, Job 3", "23:00", "9, Job 3", "00:00", "9, Job 3, OT", "07:06"}));
}

TEST_F(EcrDataListsTest, TimeKeepingPerJobFieldsAndHundredths) {
  DriverDoubles::MakeReportTable(QStringLiteral("tDrvRptTk"),
                                 {F("Poll Id", TFieldType::Long), F("Employee No"), F("Regular HrsA"),
                                  F("Regular HrsB")},
                                 {{8, 4, 8.1, 1.45}});
  ecr->EmplRpt = {QStringLiteral("tDrvRptTk"), false, QStringLiteral("Employee No"),
                  {QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("Regular Hrs"), QString(), true};
  ecr->GetTKPoll(list, QStringLiteral("8"));
  EXPECT_EQ(list, (QStringList{"2", "4, Job 1", "08:10", "4, Job 2", "01:45"}));
}

TEST_F(EcrDataListsTest, FinancialPollByFieldsOrByKeyPairs) {
  DriverDoubles::MakeReportTable(QStringLiteral("tDrvRptFncl"),
                                 {F("Poll Id", TFieldType::Long), F("Key"), F("Value"), F("Net")},
                                 {{3, 10, 1.5, 7}, {3, 20, 2.5, 8}, {3, 30, 3.5, 9}});
  ecr->Fncl = {QStringLiteral("tDrvRptFncl"), false, 2, {QStringLiteral("Net"), QStringLiteral("Value")}};
  ecr->GetFnclPoll(list, QStringLiteral("3"));
  EXPECT_EQ(list, (QStringList{"6", "Net", "7", "Value", "1.5", "Net", "8", "Value", "2.5", "Net", "9", "Value",
                               "3.5"}));
  ecr->Fncl = {QStringLiteral("tDrvRptFncl"), true, 2,
               {QStringLiteral("Key"), QStringLiteral("Value"), QStringLiteral("30"), QStringLiteral("Thirty"),
                QStringLiteral("10"), QStringLiteral("Ten")}};
  ecr->GetFnclPoll(list, QStringLiteral("3"));
  EXPECT_EQ(list, (QStringList{"2", "Ten", "1.5", "Thirty", "3.5"}));
}

TEST_F(EcrDataListsTest, FinancialListIsCountFlagThenFields) {
  ecr->Fncl = {QStringLiteral("tDrvRptFncl"), true, 146, {QStringLiteral("A"), QStringLiteral("B")}};
  ecr->GetFnclList(list);
  EXPECT_EQ(list, (QStringList{"146", "1", "A", "B"}));
  ecr->Fncl.Pairs = false;
  ecr->GetFnclList(list);
  EXPECT_EQ(list.at(1), "0");
}

TEST_F(EcrDataListsTest, PluProgramInfoDescribesTheTable) {
  ecr->GetPLUPrgInfo(list);
  EXPECT_EQ(list, (QStringList{GetDataAlias(), "Default.tDrvPrgPlu.db", "PluCode", "Descriptor", "PriceHalo", "", "",
                               "", "", "", "", "13", "", "", "", "", "", "Integer"}));
  ecr->FindPrgByClass(QStringLiteral("tDrvPrgPlu"))->SetProgramID(QStringLiteral("Store7"));
  ecr->GetPLUPrgInfo(list);
  EXPECT_EQ(list.at(1), "Store7.tDrvPrgPlu.db");
}

TEST(EcrDataListsNumbers, GeneralTextIsTheShortestOfFifteenDigits) {
  EXPECT_EQ(EcrDataLists::GeneralText(12.34), "12.34");
  EXPECT_EQ(EcrDataLists::GeneralText(0.1 + 0.2), "0.3");
  EXPECT_EQ(EcrDataLists::GeneralText(-2.5), "-2.5");
  EXPECT_EQ(EcrDataLists::GeneralText(-0.0), "0");
  EXPECT_EQ(EcrDataLists::GeneralText(999999999), "999999999");
  EXPECT_EQ(EcrDataLists::GeneralText(1e20), "1E20");
  EXPECT_EQ(EcrDataLists::FixedText(4.5, 2), "4.50");
  EXPECT_EQ(EcrDataLists::FixedText(101, 0), "101");
}
