// Deleting stored polls: a financial head takes exactly its own sections (checked by class,
// in their order, up to the first row that is not the next one) and never a second head;
// a section alone is refused; every deleted poll loses its report rows too.
#include "PollFixture.h"

#include "reports/AllPollsDelete.h"
#include "reports/RptPollKinds.h"
#include "model/TdmAllPolls.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "store/streaming/StreamErrors.h"

namespace {
const char* const kSections[] = {"tEcrRptCrs3000SalesTest", "tEcrRptCrs3000RcptsTest", "tEcrRptCrs3000MemoTest",
                                 "tEcrRptCrs3000SysBalTest", "tEcrRptCrs3000TblSrvcTest"};
const char* const kSectionNames[] = {"Sales", "Receipts", "Memo", "System Balancing", "Table Service"};

class PollDelete : public PollFixture {
protected:
  qint32 Store(const char* reportClass, const char* reportName) {
    PollHeader header;
    header.reportClass = QString::fromLatin1(reportClass);
    header.reportName = QString::fromLatin1(reportName);
    return StorePoll(header, {100, 200});
  }
  // A financial poll with its first `sections` sections; the head's "Poll Id".
  qint32 Financial(int sections) {
    const qint32 head = Store("tEcrRptCrs3000FinancialTest", "Financial");
    for (int i = 0; i < sections; ++i) Store(kSections[i], kSectionNames[i]);
    return head;
  }
};
} // namespace

TEST_F(PollDelete, AHeadWithoutSectionsNeverTakesTheNextFinancialPollWithIt) {
  const qint32 broken = Financial(0);
  const qint32 whole = Financial(5);
  ASSERT_EQ(whole, broken + 1);
  EXPECT_EQ(AllPollsDelete::PollsToDelete({broken}), QList<qint32>{broken});
  AllPollsDelete::Delete(AllPollsDelete::PollsToDelete({broken}));
  QList<qint64> left;
  for (qint32 id = whole; id <= whole + 5; ++id) left.append(id);
  EXPECT_EQ(PollIds(), left);
  EXPECT_EQ(ReportRows(QStringLiteral("tEcrRptCrs3000FinancialTest"), whole), 2);
  EXPECT_EQ(ReportRows(QStringLiteral("tEcrRptCrs3000SalesTest"), whole + 1), 2);
}

TEST_F(PollDelete, AHeadTakesItsSectionsUpToTheFirstRowThatIsNotTheNextSection) {
  struct Case {
    const char* name;
    QList<const char*> after;  // report classes stored right after the head
    int taken;                 // how many of them the head takes
  };
  const Case cases[] = {
      {"all five", {kSections[0], kSections[1], kSections[2], kSections[3], kSections[4]}, 5},
      {"two, then a day report", {kSections[0], kSections[1], "tEcrRptCrs3000DayShiftTest"}, 2},
      {"a section out of its order", {kSections[0], kSections[2], kSections[1]}, 1},
      {"sales and labour is no sales section", {"tEcrRptCrs3000SalesLaborTest", kSections[1]}, 0},
      {"a second head", {"tEcrRptCrs3000FinancialTest", kSections[0]}, 0},
  };
  for (const Case& c : cases) {
    const qint32 head = Store("tEcrRptCrs3000FinancialTest", "Financial");
    QList<qint32> expected{head};
    for (int i = 0; i < c.after.size(); ++i) {
      const qint32 id = Store(c.after[i], "Sales");
      if (i < c.taken) expected.append(id);
    }
    EXPECT_EQ(AllPollsDelete::PollsToDelete({head}), expected) << c.name;
  }
}

TEST_F(PollDelete, DeletingAFinancialPollRemovesItsRowsAndReportRowsAndNothingElse) {
  const qint32 before = Store("tEcrRptCrs3000DayShiftTest", "Day/Shift");
  const qint32 head = Financial(5);
  const qint32 after = Store("tEcrRptCrs3000SalesLaborTest", "Sales and Labor");
  AllPollsDelete::Delete(AllPollsDelete::PollsToDelete({head}));
  EXPECT_EQ(PollIds(), (QList<qint64>{before, after}));
  EXPECT_EQ(ReportRows(QStringLiteral("tEcrRptCrs3000FinancialTest"), head), 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ReportRows(QString::fromLatin1(kSections[i]), head + 1 + i), 0) << kSections[i];
  EXPECT_EQ(ReportRows(QStringLiteral("tEcrRptCrs3000DayShiftTest"), before), 2);
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(PollDelete, ASelectionHoldingASectionIsRefused) {
  const qint32 head = Financial(5);
  const qint32 labour = Store("tEcrRptCrs3000SalesLaborTest", "Sales and Labor");
  EXPECT_FALSE(AllPollsDelete::HoldsSection({head, labour}));
  for (int i = 1; i <= 5; ++i) EXPECT_TRUE(AllPollsDelete::HoldsSection({labour, head + i})) << i;
  EXPECT_EQ(AllPollsDelete::RefusalText().split(QStringLiteral("\r\n")),
            (QStringList{"You can not delete the individual parts of the ",
                         "financial report separately.  If you wish to delete these ",
                         "records please delete the financial report record."}));
}

TEST_F(PollDelete, AReportTableThatIsNotThereIsSaidAndThePollStillGoes) {
  const qint32 poll = Store("tEcrRptCrs3000DayShiftTest", "Day/Shift");
  TSession::Default().Database(QString::fromLatin1(EngineConfig::kDataAlias)).DeleteTable(QStringLiteral("tEcrRptCrs3000DayShiftTest"));
  AllPollsDelete::Delete({poll});
  EXPECT_TRUE(PollIds().isEmpty());
  EXPECT_EQ(prompter.Texts(), QStringList{"Error. Table could not be opened."});
}

TEST_F(PollDelete, AnUnknownReportClassDeletesNothing) {
  const qint32 known = Store("tEcrRptCrs3000DayShiftTest", "Day/Shift");
  const qint32 unknown = Store("tPollTestRpt", "Poll Test");
  tEcrRpt::OpenAllPolls();
  TTable& polls = dmAllPolls().tblAllPolls;
  ASSERT_TRUE(polls.FindKey({unknown}));
  polls.Edit();
  polls.FieldByName(QStringLiteral("EcrRptClass")).SetAsString(QStringLiteral("tNoSuchReport"));
  polls.Post();
  EXPECT_THROW(AllPollsDelete::Delete({known, unknown}), EClassNotRegistered);
  EXPECT_EQ(PollIds(), (QList<qint64>{known, unknown}));
}

TEST(PollKinds, SectionsAndHeadsByTheirClasses) {
  using namespace RptPollKinds;
  EXPECT_TRUE(IsFinancialHead(QStringLiteral("tEcrRptCrs3000Financial")));
  EXPECT_TRUE(IsFinancialHead(QStringLiteral("tecrrptcrs3000fncl303")));
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000Sales303")), 1);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000SalesLabor")), 0);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000Receipts")), 2);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000Rcpts224")), 2);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000Memo303")), 3);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000SysBal")), 4);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000TblSrvc303")), 5);
  EXPECT_EQ(SectionPlace(QStringLiteral("tEcrRptCrs3000Financial")), 0);
  // Under the heads-only view a sales section hides by its report name.
  EXPECT_TRUE(HiddenUnderFinancialHead(QStringLiteral("tEcrRptCrs3000Sales"), QStringLiteral("Sales")));
  EXPECT_FALSE(HiddenUnderFinancialHead(QStringLiteral("tEcrRptCrs3000SalesLabor"), QStringLiteral("Sales and Labor")));
  EXPECT_TRUE(HiddenUnderFinancialHead(QStringLiteral("tEcrRptCrs3000Memo"), QStringLiteral("Memo")));
  EXPECT_FALSE(HiddenUnderFinancialHead(QStringLiteral("tEcrRptCrs3000Financial"), QStringLiteral("Financial")));
}
