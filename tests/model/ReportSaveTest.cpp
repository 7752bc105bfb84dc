// Saving a polled report: a work file becomes one AllPolls row and its report rows, all or
// nothing, chains keep consecutive Poll Ids, saves never interleave, and only a stored
// poll is exported and printed.
#include "model/ModelFixture.h"
#include "TestReports.h"
#include "TestSupport.h"

#include "model/ERecMismatch.h"
#include "model/EInOutError.h"
#include "model/TdmAllPolls.h"
#include "model/ZeroSkip.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QFile>
#include <QTimer>

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);

QByteArray Header() { return QByteArray("\x10\x02\x01\x01", 4) + QByteArray(36, '\0'); }
QByteArray Values(std::initializer_list<int> values) {
  QByteArray bytes;
  for (int v : values) bytes += Bcd(v, 4);
  return bytes;
}

class ReportSave : public SaveFixture {
protected:
  template <class T> std::unique_ptr<T> Report() { return tEcrFnct::New<T>(nullptr); }

  void Save(tEcrRpt& report, const QString& path) {
    QFile file(path);
    report.ReadBlockFile(file);
  }
  QList<qint64> Values(const QString& table, qint64 pollId) {
    TQuery query(kData);
    query.Exec(QStringLiteral("SELECT \"Value\" FROM \"%1\" WHERE \"Poll Id\" = ? ORDER BY \"Number\"").arg(table), {pollId});
    QList<qint64> values;
    while (query.Next()) values.append(query.Value(0).toLongLong());
    return values;
  }
  // A stored poll to show that failures leave earlier polls alone.
  qint64 EarlierPoll() {
    auto report = Report<tTestRpt>();
    Save(*report, WorkFile(QStringLiteral("earlier.blk"), {Header(), ::Values({7})}));
    return report->PollId;
  }
};

TEST_F(ReportSave, AFixtureWorkFileBecomesOnePollRowAndItsReportRows) {
  auto report = Report<tTestRpt>();
  Save(*report, TestSupport::DataPath(QStringLiteral("model/test_poll.blk")));
  ASSERT_GT(report->PollId, 0);
  EXPECT_EQ(PollIds(), QList<qint64>{report->PollId});
  EXPECT_EQ(Values(QStringLiteral("tTestRpt"), report->PollId), (QList<qint64>{11, 22, 33, 44, 55}));
  EXPECT_EQ(Rows(kData, QStringLiteral("tTestRpt")), 5);

  TQuery row(kData);
  row.Exec(QStringLiteral("SELECT \"EcrRptClass\", \"Report Name\", \"EcrClass\", \"Poll Date\" FROM \"AllPolls\""), {});
  ASSERT_TRUE(row.Next());
  EXPECT_EQ(row.Value(0).toString(), QStringLiteral("tTestRpt"));
  EXPECT_EQ(row.Value(1).toString(), QStringLiteral("Test Report"));
  EXPECT_EQ(row.Value(2).toString(), QStringLiteral("NIL"));
  EXPECT_EQ(TDateTime(row.Value(3).toDouble()).ToQDateTime(), clock.Now());
}

TEST_F(ReportSave, AMalformedThirdBlockLeavesNoRowAnywhere) {
  const qint64 earlier = EarlierPoll();
  auto report = Report<tTestRpt>();
  const QString path = WorkFile(QStringLiteral("bad.blk"), {Header(), ::Values({1, 2}), QByteArray(5, '\0'), ::Values({3})});
  EXPECT_THROW(Save(*report, path), ERecMismatch);
  EXPECT_EQ(report->PollId, 0);
  EXPECT_EQ(PollIds(), QList<qint64>{earlier});
  EXPECT_EQ(Rows(kData, QStringLiteral("tTestRpt")), 1);
  // The protocol removes a failed poll's row: nothing of this save exists, so nothing goes.
  report->DeleteLastPoll();
  EXPECT_EQ(PollIds(), QList<qint64>{earlier});
}

TEST_F(ReportSave, ATruncatedWorkFileLeavesNoRow) {
  auto report = Report<tTestRpt>();
  QByteArray bytes = TestSupport::ReadFile(TestSupport::DataPath(QStringLiteral("model/test_poll.blk")));
  bytes.chop(3);
  TestSupport::WriteFile(dir.filePath(QStringLiteral("cut.blk")), bytes);
  EXPECT_THROW(Save(*report, dir.filePath(QStringLiteral("cut.blk"))), EInOutError);
  EXPECT_TRUE(PollIds().isEmpty());
}

TEST_F(ReportSave, AChainSavesAsOneUnitWithConsecutivePollIds) {
  EarlierPoll();
  auto head = Report<tEcrRptCrs3000FnclTest>();
  Save(*head, WorkFile(QStringLiteral("chain.blk"), {Header(), ::Values({5, 6})}));
  const qint64 p = head->PollId;
  EXPECT_EQ(PollIds(QStringLiteral("\"Poll Id\" >= ?"), {p}), (QList<qint64>{p, p + 1, p + 2}));
  TQuery classes(kData);
  classes.Exec(QStringLiteral("SELECT \"EcrRptClass\" FROM \"AllPolls\" WHERE \"Poll Id\" >= ? ORDER BY \"Poll Id\""), {p});
  QStringList names;
  while (classes.Next()) names << classes.Value(0).toString();
  EXPECT_EQ(names, (QStringList{"tEcrRptCrs3000FnclTest", "tEcrRptCrs3000SalesTest", "tEcrRptCrs3000MemoTest"}));
  EXPECT_EQ(Values(QStringLiteral("tEcrRptCrs3000FnclTest"), p), (QList<qint64>{5, 6}));
  EXPECT_EQ(Values(QStringLiteral("tEcrRptCrs3000SalesTest"), p + 1), (QList<qint64>{5, 6}));
  EXPECT_EQ(Values(QStringLiteral("tEcrRptCrs3000MemoTest"), p + 2), (QList<qint64>{5, 6}));
}

TEST_F(ReportSave, ASectionThatFailsFailsTheWholeChain) {
  const qint64 earlier = EarlierPoll();
  auto head = Report<tEcrRptCrs3000FnclTest>();
  const QString path = WorkFile(QStringLiteral("chain.blk"), {Header(), ::Values({5})});
  int block = 0;
  // The head and the sales section decode; the memo section meets a failure.
  tTestRpt::OnNextBlock = [&] {
    tTestRpt::OnNextBlock = [&] { tTestRpt::OnNextBlock = [] { throw ERecMismatch(QStringLiteral("bad")); }; };
    ++block;
  };
  EXPECT_THROW(Save(*head, path), ERecMismatch);
  EXPECT_EQ(block, 1);
  EXPECT_EQ(PollIds(), QList<qint64>{earlier});
  EXPECT_EQ(Rows(kData, QStringLiteral("tEcrRptCrs3000FnclTest")), 0);
  EXPECT_EQ(Rows(kData, QStringLiteral("tEcrRptCrs3000SalesTest")), 0);
}

TEST_F(ReportSave, ASaveStartedByATimerMidChainWaitsItsTurnAndBothPollsAreWhole) {
  auto head = Report<tEcrRptCrs3000FnclTest>();
  auto other = Report<tTestRpt>();
  const QString otherPath = WorkFile(QStringLiteral("other.blk"), {Header(), ::Values({91, 92, 93})});
  bool otherSaved = false;
  // While the sales section decodes, events run: a timer starts the save of another poll.
  tTestRpt::OnNextBlock = [&] {
    tTestRpt::OnNextBlock = [&] {
      QTimer::singleShot(0, [&] {
        Save(*other, otherPath);
        otherSaved = true;
      });
    };
  };
  Save(*head, WorkFile(QStringLiteral("chain.blk"), {Header(), ::Values({1, 2}), ::Values({3})}));
  ASSERT_TRUE(otherSaved);
  const qint64 p = head->PollId;
  EXPECT_EQ(PollIds(), (QList<qint64>{other->PollId, p, p + 1, p + 2}));
  EXPECT_EQ(Values(QStringLiteral("tTestRpt"), other->PollId), (QList<qint64>{91, 92, 93}));
  for (const auto& [table, id] : {std::pair{QStringLiteral("tEcrRptCrs3000FnclTest"), p},
                                  std::pair{QStringLiteral("tEcrRptCrs3000SalesTest"), p + 1},
                                  std::pair{QStringLiteral("tEcrRptCrs3000MemoTest"), p + 2}})
    EXPECT_EQ(Values(table, id), (QList<qint64>{1, 2, 3})) << qPrintable(table);
}

TEST_F(ReportSave, TheSameReportIsNotStartedAgainWhileItSaves) {
  auto report = Report<tTestRpt>();
  const QString second = WorkFile(QStringLiteral("second.blk"), {Header(), ::Values({9})});
  QString refused;
  tTestRpt::OnNextBlock = [&] {
    QTimer::singleShot(0, [&] {
      try {
        Save(*report, second);
      } catch (const Exception& e) {
        refused = e.Message();
      }
    });
  };
  Save(*report, WorkFile(QStringLiteral("first.blk"), {Header(), ::Values({1}), ::Values({2})}));
  EXPECT_EQ(refused, QStringLiteral("tTestRpt is already saving a poll"));
  EXPECT_EQ(PollIds(), QList<qint64>{report->PollId});
  EXPECT_EQ(Values(QStringLiteral("tTestRpt"), report->PollId), (QList<qint64>{1, 2}));
}

TEST_F(ReportSave, DeleteLastPollRemovesExactlyTheLastSaveOfTheObject) {
  const qint64 earlier = EarlierPoll();
  auto head = Report<tEcrRptCrs3000FnclTest>();
  Save(*head, WorkFile(QStringLiteral("chain.blk"), {Header(), ::Values({5})}));
  auto later = Report<tTestRpt>();
  Save(*later, WorkFile(QStringLiteral("later.blk"), {Header(), ::Values({8})}));
  head->DeleteLastPoll();
  EXPECT_EQ(PollIds(), (QList<qint64>{earlier, later->PollId}));
  EXPECT_EQ(Rows(kData, QStringLiteral("tEcrRptCrs3000SalesTest")), 0);
  EXPECT_EQ(Rows(kData, QStringLiteral("tTestRpt")), 2);
  head->DeleteLastPoll(); // a second call finds nothing of its own left
  EXPECT_EQ(PollIds().size(), 2);
}

TEST_F(ReportSave, AnEmptyWorkFileStoresNothingAndExportsNothing) {
  auto report = Report<tTestRpt>();
  report->AutoExport = report->AutoReport = true;
  report->ExportFile = dir.filePath(QStringLiteral("export.txt"));
  Save(*report, WorkFile(QStringLiteral("empty.blk"), {}));
  EXPECT_EQ(report->PollId, 0);
  EXPECT_TRUE(PollIds().isEmpty());
  EXPECT_FALSE(QFile::exists(report->ExportFile));
}

// Which polls are exported and printed right after the save, by the report's class.
struct AutoCase {
  const char* name;
  std::function<std::unique_ptr<tEcrRpt>()> make;
  QList<qint64> exportedOffsets; // the chain's polls exported, from the head's Poll Id
  bool printed;
};

TEST_F(ReportSave, AutomaticExportAndPrintFollowTheReportsPlaceInAChain) {
  const QList<AutoCase> cases = {
      {"plain report", [] { return tEcrFnct::New<tTestRpt>(nullptr); }, {0}, true},
      {"head of sections", [] { return tEcrFnct::New<tEcrRptCrs3000FnclTest>(nullptr); }, {1, 2}, true},
      {"a section alone", [] { return tEcrFnct::New<tEcrRptCrs3000MemoTest>(nullptr); }, {0}, false},
      {"sales and labour", [] { return tEcrFnct::New<tEcrRptCrs3000SalesLaborTest>(nullptr); }, {0}, true},
  };
  int run = 0;
  for (const AutoCase& c : cases) {
    QList<std::pair<bool, qint64>> prints; // print, poll id
    ScopedForm<RptPresentRequest> form(
        [&](RptPresentRequest& request) {
          prints.append({request.print, request.pollId});
          return 1;
        },
        QStringLiteral("TQrTestRpt"));
    ZeroSkip = false;
    std::unique_ptr<tEcrRpt> report = c.make();
    report->AutoExport = report->AutoReport = true;
    report->ExportFile = dir.filePath(QStringLiteral("export%1.txt").arg(++run));
    Save(*report, WorkFile(QStringLiteral("auto.blk"), {Header(), ::Values({42})}));
    QStringList expected;
    for (qint64 offset : c.exportedOffsets) expected << QStringLiteral("%1,1,42").arg(report->PollId + offset);
    const QString exported = QString::fromLatin1(QFile::exists(report->ExportFile) ? TestSupport::ReadFile(report->ExportFile) : QByteArray());
    EXPECT_EQ(exported.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts), expected) << c.name;
    ASSERT_EQ(prints.size(), c.printed ? 1 : 0) << c.name;
    if (c.printed) {
      EXPECT_EQ(prints[0], std::make_pair(true, qint64(report->PollId)));
      EXPECT_TRUE(ZeroSkip) << "the setting's default is true";
    }
  }
}

TEST_F(ReportSave, AFailedPollIsNeitherExportedNorPrinted) {
  int prints = 0;
  ScopedForm<RptPresentRequest> form([&](RptPresentRequest&) { return ++prints; }, QStringLiteral("TQrTestRpt"));
  auto report = Report<tTestRpt>();
  report->AutoExport = report->AutoReport = true;
  report->ExportFile = dir.filePath(QStringLiteral("export.txt"));
  EXPECT_THROW(Save(*report, WorkFile(QStringLiteral("bad.blk"), {Header(), ::Values({1}), QByteArray(3, '\0')})),
               ERecMismatch);
  EXPECT_FALSE(QFile::exists(report->ExportFile));
  EXPECT_EQ(prints, 0);
}

TEST_F(ReportSave, APrintThatFailsIsReportedAndKeepsThePoll) {
  ScopedForm<RptPresentRequest> form(
      [](RptPresentRequest&) -> int { throw EFormNotRegistered(QStringLiteral("printer on fire")); },
      QStringLiteral("TQrTestRpt"));
  auto report = Report<tTestRpt>();
  report->AutoReport = true;
  Save(*report, WorkFile(QStringLiteral("ok.blk"), {Header(), ::Values({1})}));
  EXPECT_EQ(PollIds(), QList<qint64>{report->PollId});
  EXPECT_TRUE(prompter.Texts().contains(QStringLiteral("printer on fire")));
}

TEST_F(ReportSave, TheZeroSkipSettingIsReadForTheAutomaticPrint) {
  OpenSettingsFile(QStringLiteral("Reports"))->WriteBoolean(QStringLiteral("Zero Skip"), false);
  ZeroSkip = true;
  ScopedForm<RptPresentRequest> form([](RptPresentRequest&) { return 1; }, QStringLiteral("TQrTestRpt"));
  auto report = Report<tTestRpt>();
  report->AutoReport = true;
  Save(*report, WorkFile(QStringLiteral("ok.blk"), {Header(), ::Values({1})}));
  EXPECT_FALSE(ZeroSkip);
}
} // namespace
