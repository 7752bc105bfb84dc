// The stored-poll browser on a data folder of stored polls: the heads-only view of financial
// polls, Shift selection by "Poll Id", the delete of a financial poll and the refusal of a
// section, printing the selection, and one preview at a time.
#include "PollFixture.h"

#include "model/EcrForms.h"
#include "model/ZeroSkip.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/TDateTime.h"
#include "reports/forms/AllPollsFilter.h"
#include "reports/forms/TfrmAllPolls.h"
#include "reports/RptPollPresenter.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptReport.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {
const char* const kSections[] = {"tEcrRptCrs3000SalesTest", "tEcrRptCrs3000RcptsTest", "tEcrRptCrs3000MemoTest",
                                 "tEcrRptCrs3000SysBalTest", "tEcrRptCrs3000TblSrvcTest"};
const char* const kSectionNames[] = {"Sales", "Receipts", "Memo", "System Balancing", "Table Service"};

class AllPollsBrowser : public PollFixture {
protected:
  AllPollsBrowser() { SetHeadsOnly(false); }

  static void SetHeadsOnly(bool on) { OpenSettingsFile(QStringLiteral("Reporting"))->WriteBoolean(QStringLiteral("CRS3000Fncl"), on); }

  qint32 Store(const char* reportClass = "tPollTestRpt", const char* reportName = "Poll Test") {
    PollHeader header;
    header.reportClass = QString::fromLatin1(reportClass);
    header.reportName = QString::fromLatin1(reportName);
    return StorePoll(header, {100});
  }
  qint32 Financial(int sections) {
    const qint32 head = Store("tEcrRptCrs3000FinancialTest", "Financial");
    for (int i = 0; i < sections; ++i) Store(kSections[i], kSectionNames[i]);
    return head;
  }

  // The Poll Ids the grid shows, top to bottom.
  static QList<qint32> Shown(TfrmAllPolls& form) {
    auto* filter = static_cast<AllPollsFilter*>(Grid(form).model());
    filter->FetchAll();
    QList<qint32> ids;
    for (int row = 0; row < filter->rowCount(); ++row) ids.append(filter->PollId(row));
    return ids;
  }
  static QTableView& Grid(TfrmAllPolls& form) { return *form.findChild<QTableView*>(QStringLiteral("DBGrid1")); }
  static void Click(TfrmAllPolls& form, qint32 pollId, Qt::KeyboardModifiers modifiers = {}) {
    auto* filter = static_cast<AllPollsFilter*>(Grid(form).model());
    const int row = filter->RowOf(pollId);
    ASSERT_GE(row, 0) << pollId;
    const QRect cell = Grid(form).visualRect(filter->index(row, 0));
    QTest::mouseClick(Grid(form).viewport(), Qt::LeftButton, modifiers, cell.center());
  }
  static void Press(TfrmAllPolls& form, const char* button) {
    form.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
  }
  static QList<qint32> Range(qint32 from, qint32 to) {
    QList<qint32> ids;
    for (qint32 id = from; id <= to; ++id) ids.append(id);
    return ids;
  }
};

// Records what the browser asks the report forms to present.
struct Presented {
  QList<std::pair<bool, qint32>> requests;
  QList<bool> zeroSkip;
  ScopedForm<RptPresentRequest> form{[this](RptPresentRequest& request) {
                                       requests.append({request.print, request.pollId});
                                       zeroSkip.append(ZeroSkip);
                                       return EcrForms::FormOk;
                                     },
                                     QStringLiteral("TQrPollTest")};
};
} // namespace

TEST_F(AllPollsBrowser, FinancialPollsShowAsTheirHeadsAloneWhenSetSo) {
  const qint32 day = Store("tEcrRptCrs3000DayShiftTest", "Day/Shift");
  const qint32 head = Financial(5);
  const qint32 labour = Store("tEcrRptCrs3000SalesLaborTest", "Sales and Labor");
  {
    TfrmAllPolls all;
    EXPECT_EQ(Shown(all), Range(day, labour));
  }
  SetHeadsOnly(true);
  TfrmAllPolls heads;
  EXPECT_EQ(Shown(heads), (QList<qint32>{day, head, labour}));
  EXPECT_EQ(heads.CurrentPollId(), labour);  // the browser opens on the newest poll
}

// Dates read as the reports print them, short date and long time, as in the export's poll list.
TEST_F(AllPollsBrowser, APollsDateShowsAsTheReportsPrintIt) {
  const qint32 poll = Store();
  TQuery(QString::fromLatin1(EngineConfig::kDataAlias))
      .Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Date\" = ? WHERE \"Poll Id\" = ?"),
            {TDateTime::FromQDateTime(QDateTime(QDate(2026, 12, 11), QTime(12, 57, 21))).Days(), poll});
  TfrmAllPolls form;
  const QAbstractItemModel& grid = *Grid(form).model();
  ASSERT_EQ(Shown(form), QList<qint32>{poll});
  int date = -1;
  for (int column = 0; column < grid.columnCount(); ++column)
    if (grid.headerData(column, Qt::Horizontal).toString() == QLatin1String("Poll Date")) date = column;
  ASSERT_GE(date, 0);
  EXPECT_EQ(grid.index(0, date).data().toString().toStdString(), "12/11/2026 12:57:21 PM");
}

TEST_F(AllPollsBrowser, AShiftClickSelectsByPollIdBetweenTheTwoClicksAndMovesTheAnchorUp) {
  for (int i = 0; i < 14; ++i) Store();
  TfrmAllPolls form;
  form.show();
  Click(form, 12);
  EXPECT_EQ(form.LastClickedPollId(), 12);
  Click(form, 7, Qt::ShiftModifier);
  EXPECT_EQ(form.SelectedPollIds(), Range(7, 12));
  EXPECT_EQ(form.LastClickedPollId(), 12);
  // From the anchor on: a Shift-click below it adds 12..14.
  Click(form, 14, Qt::ShiftModifier);
  EXPECT_EQ(form.SelectedPollIds(), Range(7, 14));
  EXPECT_EQ(form.LastClickedPollId(), 14);
}

TEST_F(AllPollsBrowser, AShiftRangeSkipsRowsTheViewHides) {
  for (int i = 0; i < 3; ++i) Store();
  const qint32 head = Financial(5);
  const qint32 last = Store();
  SetHeadsOnly(true);
  TfrmAllPolls form;
  form.show();
  Click(form, last);
  Click(form, 2, Qt::ShiftModifier);
  EXPECT_EQ(form.SelectedPollIds(), (QList<qint32>{2, 3, head, last}));
}

TEST_F(AllPollsBrowser, DeletingAHeadWithoutSectionsLeavesTheNextFinancialPollWhole) {
  const qint32 broken = Financial(0);
  const qint32 whole = Financial(5);
  prompter.answers = {Prompter::Ok};
  TfrmAllPolls form;
  form.show();
  Click(form, broken);
  Press(form, "nbDelete");
  EXPECT_EQ(prompter.Texts(), QStringList{"Confirm Delete"});
  EXPECT_EQ(Shown(form), Range(whole, whole + 5));
  EXPECT_EQ(ReportRows(QStringLiteral("tEcrRptCrs3000FinancialTest"), broken), 0);
  EXPECT_EQ(ReportRows(QStringLiteral("tEcrRptCrs3000FinancialTest"), whole), 1);
  // The whole one goes with its five sections.
  prompter.answers = {Prompter::Ok};
  Click(form, whole);
  Press(form, "nbDelete");
  EXPECT_TRUE(Shown(form).isEmpty());
  EXPECT_TRUE(PollIds().isEmpty());
}

TEST_F(AllPollsBrowser, ASelectionHoldingASectionIsRefusedAndNothingIsDeleted) {
  const qint32 other = Store();
  const qint32 head = Financial(5);
  TfrmAllPolls form;
  form.show();
  Click(form, other);
  Click(form, head + 3, Qt::ControlModifier);
  ASSERT_EQ(form.SelectedPollIds(), (QList<qint32>{other, head + 3}));
  Press(form, "nbDelete");
  ASSERT_EQ(prompter.shown.size(), 1);  // no confirmation asked
  EXPECT_TRUE(prompter.shown[0].text.startsWith(QStringLiteral("You can not delete the individual parts")));
  EXPECT_EQ(PollIds().size(), 7);
}

TEST_F(AllPollsBrowser, ACancelledDeleteDeletesNothing) {
  Store();
  prompter.answers = {Prompter::Cancel};
  TfrmAllPolls form;
  Press(form, "nbDelete");
  EXPECT_EQ(PollIds().size(), 1);
}

TEST_F(AllPollsBrowser, PrintPrintsTheSelectionInPollIdOrderWithTheZeroSkipOfTheBox) {
  for (int i = 0; i < 5; ++i) Store();
  Presented presented;
  TfrmAllPolls form;
  form.show();
  form.findChild<QAbstractButton*>(QStringLiteral("cbxZeroSkip"))->setChecked(false);
  Press(form, "btnPrint");
  EXPECT_TRUE(presented.requests.isEmpty());  // nothing selected, nothing printed
  Click(form, 4, Qt::ControlModifier);
  Click(form, 2, Qt::ControlModifier);
  Press(form, "btnPrint");
  EXPECT_EQ(presented.requests, (QList<std::pair<bool, qint32>>{{true, 2}, {true, 4}}));
  EXPECT_EQ(presented.zeroSkip, (QList<bool>{false, false}));
  EXPECT_FALSE(OpenSettingsFile(QStringLiteral("Reports"))->ReadBoolean(QStringLiteral("Zero Skip"), true));
}

TEST_F(AllPollsBrowser, WhileAPreviewIsOpenNoSecondOneStarts) {
  Store();
  const qint32 poll = Store();
  int previews = 0;
  TfrmAllPolls form;
  form.show();
  Click(form, poll);
  ScopedForm<RptPresentRequest> preview(
      [&](RptPresentRequest& request) {
        ++previews;
        EXPECT_FALSE(request.print);
        EXPECT_EQ(request.pollId, poll);
        // The user clicks Preview again and double-clicks the grid while this one is open.
        Press(form, "BtnPreview");
        form.BtnPreviewClick();
        const QRect cell = Grid(form).visualRect(Grid(form).currentIndex());
        QTest::mouseDClick(Grid(form).viewport(), Qt::LeftButton, {}, cell.center());
        return EcrForms::FormOk;
      },
      QStringLiteral("TQrPollTest"));
  Press(form, "BtnPreview");
  EXPECT_EQ(previews, 1);
  Press(form, "BtnPreview");  // once closed, the next one opens
  EXPECT_EQ(previews, 2);
}

TEST_F(AllPollsBrowser, APreviewOfAPollWhoseMachineIsGoneShowsItsForm) {
  const qint32 poll = Store();
  RegisterReportPresentations();
  QStringList texts;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest& request) {
    for (const RptItem& item : request.report.Generate()->pages.value(0).items) texts.append(item.text);
    return 0;
  });
  TfrmAllPolls form;
  form.show();
  Click(form, poll);
  Press(form, "BtnPreview");
  EXPECT_TRUE(texts.contains(QStringLiteral("$1.00"))) << texts.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(prompter.shown.isEmpty());
  FormRegistry::Unregister<RptPresentRequest>(QStringLiteral("TQrPollTest"));
}

TEST_F(AllPollsBrowser, ATitleClickSortsByTheColumnsIndexOrByPollId) {
  const qint32 zulu = Store("tPollTestRpt", "Zulu");
  const qint32 alpha = Store("tPollTestRpt", "Alpha");
  const qint32 mike = Store("tPollTestRpt", "Mike");
  TfrmAllPolls form;
  form.show();
  QHeaderView& header = *Grid(form).horizontalHeader();
  auto clickTitle = [&](const char* field) {
    for (int logical = 0; logical < header.count(); ++logical)
      if (Grid(form).model()->headerData(logical, Qt::Horizontal).toString() == QLatin1String(field)) {
        const QPoint at(header.sectionViewportPosition(logical) + header.sectionSize(logical) / 2, header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, at);
        return;
      }
    FAIL() << field;
  };
  clickTitle("Report Name");
  EXPECT_EQ(Shown(form), (QList<qint32>{alpha, mike, zulu}));
  clickTitle("Poll Type");  // no index of its own: the order stays
  EXPECT_EQ(Shown(form), (QList<qint32>{alpha, mike, zulu}));
  clickTitle("Machine Id");
  EXPECT_EQ(Shown(form), (QList<qint32>{zulu, alpha, mike}));
}
