// The report base apart from saving: the table of stored polls, the report table with its
// backup copy, presenting a stored poll, and the options form.
#include "model/ModelFixture.h"
#include "TestReports.h"

#include "model/EcrTableCheck.h"
#include "model/TdmAllPolls.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TTable.h"
#include "platform/engine/TableBackup.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"

#include <QFile>

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);
QByteArray Header() { return QByteArray("\x10\x02\x01\x01", 4) + QByteArray(36, '\0'); }

class ReportBase : public SaveFixture {
protected:
  TDatabase& Data() { return TSession::Default().Database(kData); }
  qint32 SavedPoll(tEcrRpt& report, QList<int> values) {
    QByteArray bytes;
    for (int v : values) bytes += Bcd(v, 4);
    QFile file(WorkFile(QStringLiteral("poll.blk"), values.isEmpty() ? QList<QByteArray>{Header()} : QList<QByteArray>{Header(), bytes}));
    report.ReadBlockFile(file);
    return report.PollId;
  }
  std::unique_ptr<tTestRpt> report = tEcrFnct::New<tTestRpt>(nullptr);
};

TEST_F(ReportBase, AllPollsHasItsFieldsAndIndexes) {
  tEcrRpt::OpenAllPolls();
  const TTableDef stored = dmAllPolls().tblAllPolls.Structure();
  ASSERT_EQ(stored.fields.size(), 24);
  EXPECT_EQ(stored.fields[0].type, TFieldType::AutoInc);
  EXPECT_EQ(stored.fields[1], (TFieldDef{QStringLiteral("EcrRptClass"), TFieldType::Alpha, 32}));
  EXPECT_EQ(stored.fields[23], (TFieldDef{QStringLiteral("Misc Data 3"), TFieldType::Alpha, 32}));
  QStringList indexes;
  for (const TIndexDef& index : stored.indexes) indexes << index.name + QLatin1Char('=') + index.FieldList();
  EXPECT_EQ(indexes, (QStringList{"=Poll Id;EcrRptClass", "Report Name=Report Name", "Poll Date=Poll Date",
                                  "Ecr Date=Ecr Date", "Machine Id=Machine Id;Poll Date"}));
  EXPECT_TRUE(stored.FindIndex(QStringLiteral("Machine Id"))->caseInsensitive);
  EXPECT_TRUE(stored.FindIndex(QStringLiteral("Report Name"))->caseInsensitive);
}

TEST_F(ReportBase, AnAllPollsThatFailsItsCheckIsReportedAndNeverMadeAfresh) {
  TTableDef wrong = tEcrRpt::AllPollsDef();
  wrong.fields[1].type = TFieldType::Long; // "EcrRptClass" holds numbers here
  Data().CreateTable(wrong);
  TQuery(Data()).Exec(QStringLiteral("INSERT INTO \"AllPolls\" (\"EcrRptClass\") VALUES (?)"), {5});
  EXPECT_THROW(tEcrRpt::OpenAllPolls(), ETableCheck);
  EXPECT_FALSE(dmAllPolls().tblAllPolls.Active());
  EXPECT_EQ(Rows(kData, QStringLiteral("AllPolls")), 1);
}

TEST_F(ReportBase, TheInventoryExportsIndexIsNoDamage) {
  Data().CreateTable(tEcrRpt::AllPollsDef());
  TIndexDef inventory{QStringLiteral("InventoryUpdate"),
                      {QStringLiteral("Report Name"), QStringLiteral("Poll Type"), QStringLiteral("Polled Area")}};
  inventory.caseInsensitive = true;
  Data().AddIndex(QStringLiteral("AllPolls"), inventory);
  EXPECT_NO_THROW(tEcrRpt::OpenAllPolls());
  EXPECT_TRUE(dmAllPolls().tblAllPolls.Active());
}

TEST_F(ReportBase, AddPollOutsideASaveWritesTheSharedTable) {
  report->AddPoll();
  EXPECT_EQ(PollIds(), QList<qint64>{report->PollId});
  EXPECT_EQ(&report->PollsTable(), &dmAllPolls().tblAllPolls);
  EXPECT_EQ(dmAllPolls().tblAllPolls.FieldByName(QStringLiteral("Poll Id")).AsInteger(), report->PollId);
}

TEST_F(ReportBase, PollIdsAreNeverGivenTwice) {
  const qint32 first = SavedPoll(*report, {1});
  report->DeleteLastPoll();
  EXPECT_GT(SavedPoll(*report, {2}), first);
}

TEST_F(ReportBase, OpeningTheReportTableKeepsOneBackupCopyOfItsLatestState) {
  SavedPoll(*report, {1, 2});
  TTable table;
  report->OpenTable(table);
  ASSERT_TRUE(table.Active());
  table.Close();
  SavedPoll(*report, {3});
  report->OpenTable(table);
  table.Close();
  TDatabase backup(QString(), TableBackup::BackupFolder(Data()));
  backup.Open();
  TQuery query(backup);
  query.Exec(QStringLiteral("SELECT COUNT(*) FROM \"tTestRpt\""), {});
  ASSERT_TRUE(query.Next());
  EXPECT_EQ(query.Value(0).toInt(), 3);
}

TEST_F(ReportBase, AfterManySavesTheReportTableIsRestoredFromItsCopyAsAtItsLastOpen) {
  for (int poll = 1; poll <= 30; ++poll) SavedPoll(*report, {poll, poll + 1});
  report->DeleteLastPoll(); // the undone poll's rows leave the copy with the next open
  TTable table;
  report->OpenTable(table);
  table.Close();
  auto rows = [&] {
    TQuery query(Data());
    query.Exec(QStringLiteral("SELECT \"Poll Id\", \"Value\" FROM \"tTestRpt\" ORDER BY rowid"), {});
    QStringList values;
    while (query.Next()) values << query.Value(0).toString() + QLatin1Char('=') + query.Value(1).toString();
    return values;
  };
  const QStringList saved = rows();
  ASSERT_EQ(saved.size(), 58);
  TQuery(Data()).Exec(QStringLiteral("DELETE FROM \"tTestRpt\" WHERE \"Poll Id\" < 10"), {});

  TableBackup::RestoreFromBackup(Data(), QStringLiteral("tTestRpt"));
  EXPECT_EQ(rows(), saved);
  report->OpenTable(table);
  EXPECT_TRUE(table.Active());
}

TEST_F(ReportBase, AReportTableThatCannotBeOpenedIsReportedAndLeftAlone) {
  TQuery(Data()).Exec(QStringLiteral("CREATE TABLE \"tTestRpt\" (\"Poll Id\" STRANGE_TYPE)"), {});
  TQuery(Data()).Exec(QStringLiteral("INSERT INTO \"tTestRpt\" VALUES (7)"), {});
  TTable table;
  report->OpenTable(table);
  EXPECT_FALSE(table.Active());
  EXPECT_TRUE(prompter.Texts().contains(QStringLiteral(
      "The table tTestRpt has been corrupted.  Please report this error to your system administrator.")));
  EXPECT_EQ(Rows(kData, QStringLiteral("tTestRpt")), 1);
  // A poll cannot be saved into it.
  EXPECT_ANY_THROW(SavedPoll(*report, {1}));
  EXPECT_TRUE(PollIds().isEmpty());
}

TEST_F(ReportBase, PresentShowsAStoredPollInItsForm) {
  const qint32 poll = SavedPoll(*report, {1});
  QList<std::pair<bool, qint32>> shown; // print, poll id
  ScopedForm<RptPresentRequest> form(
      [&](RptPresentRequest& request) {
        EXPECT_EQ(&request.report, report.get());
        // The form follows the shared cursor, which stands on the poll.
        EXPECT_EQ(dmAllPolls().tblAllPolls.FieldByName(QStringLiteral("Poll Id")).AsInteger(), poll);
        shown.append({request.print, request.pollId});
        return 1;
      },
      QStringLiteral("TQrTestRpt"));
  report->Present(false, poll);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0], std::make_pair(false, poll));
  EXPECT_TRUE(prompter.Texts().isEmpty());
}

TEST_F(ReportBase, PresentWithoutAPollOrItsRowsOrAForm) {
  int shown = 0;
  ScopedForm<RptPresentRequest> form([&](RptPresentRequest&) { return ++shown; }, QStringLiteral("TQrTestRpt"));
  const qint32 header = SavedPoll(*report, {});
  report->Present(true, header + 100); // no such poll: nothing at all
  EXPECT_TRUE(prompter.Texts().isEmpty());
  report->Present(true, header); // a poll without report rows
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("No Data Available")});
  auto base = tEcrFnct::New<tEcrRpt>(nullptr);
  base->Present(true, header);
  EXPECT_EQ(prompter.Texts().last(), QStringLiteral("ReportFormClass is NIL."));
  EXPECT_EQ(shown, 0);
}

TEST_F(ReportBase, OptionsFormOnlyWhenTheReportHasOne) {
  auto base = tEcrFnct::New<tEcrRpt>(nullptr);
  EXPECT_TRUE(base->MntRptOpts()); // no form registered: none is asked for
  class WithOptions : public tTestRpt {
  public:
    WithOptions() : tTestRpt(TBlank{}) {}
    QString GetOptsFormClass() const override { return QStringLiteral("TfmTestOpts"); }
  } withOptions;
  int answer = 1;
  QString caption;
  ScopedForm<RptOptsRequest> form(
      [&](RptOptsRequest& request) {
        caption = request.caption;
        request.report.SetIntParam(5, 1);
        return answer;
      },
      QStringLiteral("TfmTestOpts"));
  EXPECT_TRUE(withOptions.MntRptOpts());
  EXPECT_EQ(caption, QStringLiteral("Test Report"));
  EXPECT_EQ(withOptions.GetIntParam(5), 1);
  answer = 0;
  EXPECT_FALSE(withOptions.MntRptOpts());
}

TEST_F(ReportBase, BaseValues) {
  auto base = tEcrFnct::New<tEcrRpt>(nullptr);
  EXPECT_EQ(base->GetRptCode(), 0);
  EXPECT_EQ(base->GetRptName(), QStringLiteral("Undefined"));
  EXPECT_EQ(base->GetOptsFormClass(), QStringLiteral("TfmEcrRptOptNone"));
  EXPECT_TRUE(base->ReportFormClass().isEmpty());
  EXPECT_FALSE(base->AutoReport || base->AutoExport || base->AppendExport);
  EXPECT_TRUE(base->SQLGroupList.isEmpty());
}
} // namespace
