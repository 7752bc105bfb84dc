// The queue windows: the "History" list with its colours, Retry, Delete and Properties,
// and a port's pending list.
#include "JobsFixture.h"

#include "ActnDoubles.h"
#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobForms.h"
#include "comm/jobs/forms/JobsForms.h"
#include "comm/jobs/forms/TfmHistoryEventMaint.h"
#include "comm/jobs/forms/TfmHistoryMaint.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/sys/FormRegistry.h"
#include "store/settings/SettingsFile.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
const QString Com1 = QStringLiteral("Direct to COM1");
const QString Com2 = QStringLiteral("Direct to COM2");

class HistoryWindowTest : public JobsFixture {
protected:
  void SetUp() override {
    RegisterJobsForms();
    ActnDoubles::StoreMachine(QStringLiteral("Till 1"));
    ActnDoubles::StoreMachine(QStringLiteral("Till 2"));
  }
  void TearDown() override { FormRegistry::Unregister<HistoryQueueRequest>(); }

  // An ended job of the machine on the port, with the given outcome; its history id.
  QString Ended(const QString& machineId, const QString& port, qint32 status, const TClass& kind) {
    std::unique_ptr<tMachine> machine = FindMachine(machineId);
    std::unique_ptr<tActn> actn = tActn::New(kind, machine.get(), machine->Ecr());
    if (auto* poll = dynamic_cast<tActnRpt*>(actn.get())) poll->SetRpt(machine->Ecr()->Rpt(1));
    if (auto* prg = dynamic_cast<tActnPrg*>(actn.get())) prg->SetPrg(machine->Ecr()->Prg(1));
    const QString id = Queue(machineId, port, -1, HisStatus::Active, actn.get());
    std::unique_ptr<tHistoryEvent> job = Pending(id);
    job->Status = status;
    job->Mode = QStringLiteral("History");
    history().MoveToHistory(*job);
    return job->EventId;
  }
  QString Ended(qint32 status, const QString& port = Com1) {
    return Ended(QStringLiteral("Till 1"), port, status, tActnRpt::StaticClass());
  }

  static QTableWidget* Grid(QWidget& form) { return form.findChild<QTableWidget*>(QStringLiteral("grdHistory")); }
  static void Click(QWidget& form, const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }
  static void SelectRows(QTableWidget* grid, int top, int bottom) {
    grid->clearSelection();
    grid->setRangeSelected(QTableWidgetSelectionRange(top, 0, bottom, grid->columnCount() - 1), true);
  }
  static void Shoot(QWidget& widget, const char* name) {
    const QByteArray folder = qgetenv("TB_SHOT_DIR");
    if (!folder.isEmpty()) widget.grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(name));
  }
};

TEST_F(HistoryWindowTest, AnEmptyHistoryShowsOneEmptyRowAndDeleteDoesNothing) {
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("History"));
  QTableWidget* grid = Grid(form);
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->columnCount(), 9);
  EXPECT_TRUE(grid->isColumnHidden(8));
  EXPECT_EQ(grid->horizontalHeaderItem(8)->text(), QStringLiteral("COLOR"));
  EXPECT_EQ(grid->columnWidth(7), 65);
  EXPECT_EQ(form.RowIds(), QStringList{QString()});
  Click(form, "btnDelete");
  EXPECT_EQ(form.RowIds(), QStringList{QString()});
}

TEST_F(HistoryWindowTest, RowsShowTheirJobsInTheColourOfTheirOutcome) {
  const struct {
    qint32 status;
    QColor colour;
    QColor text;
  } cases[] = {{6, QColor(128, 0, 0), Qt::white},     {5, QColor(0, 0, 128), Qt::white},
               {10, QColor(0, 128, 128), Qt::white},  {3, QColor(128, 128, 0), Qt::white},
               {4, QColor(128, 128, 128), Qt::white}, {14, QColor(128, 0, 128), Qt::white},
               {8, QColor(255, 255, 255), Qt::black}, {13, QColor(255, 255, 255), Qt::black}};
  for (const auto& c : cases) Ended(c.status);
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  form.resize(900, 400);
  form.show();
  QTableWidget* grid = Grid(form);
  grid->clearSelection();
  grid->setCurrentItem(nullptr);
  ASSERT_EQ(grid->rowCount(), int(std::size(cases)));
  EXPECT_EQ(grid->item(0, 3)->text(), QStringLiteral("Report"));
  EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("Financial"));
  EXPECT_EQ(grid->item(0, 5)->text(), QStringLiteral("Active"));
  EXPECT_EQ(grid->item(6, 5)->text(), QStringLiteral("Successful"));
  const QImage image = grid->viewport()->grab().toImage();
  for (int row = 0; row < grid->rowCount(); ++row) {
    SCOPED_TRACE(row);
    const QRect cell = grid->visualItemRect(grid->item(row, 2));
    // The fill just inside the cell's corner, away from the text.
    EXPECT_EQ(image.pixelColor(cell.right() - 2, cell.bottom() - 1), cases[row].colour);
  }
  Shoot(form, "history.png");
}

// Every outcome's text fits its column, the longest ("Success With Retry") too.
TEST_F(HistoryWindowTest, TheStatusColumnShowsEveryStatusTextWhole) {
  const qint32 codes[] = {HisStatus::SuccessWithRetry, HisStatus::LogonSuccessful, HisStatus::UserCancel,
                          HisStatus::Successful};
  for (qint32 code : codes) Ended(code);
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  form.show();
  QTableWidget* grid = Grid(form);
  ASSERT_EQ(grid->rowCount(), int(std::size(codes)));
  for (int row = 0; row < grid->rowCount(); ++row) {
    const QModelIndex index = grid->model()->index(row, 5);
    QStyleOptionViewItem option;
    option.initFrom(grid->viewport());
    const int needed = grid->itemDelegate()->sizeHint(option, index).width();
    EXPECT_GE(grid->columnWidth(5), needed) << index.data().toString().toStdString();
  }
}

TEST_F(HistoryWindowTest, TheNavigationButtonsMoveTheCurrentRowWithinTheData) {
  for (int i = 0; i < 3; ++i) Ended(HisStatus::Successful);
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  QTableWidget* grid = Grid(form);
  const struct {
    const char* button;
    int row;
  } steps[] = {{"btnLast", 2}, {"btnNext", 2}, {"btnPrior", 1}, {"btnFirst", 0}, {"btnPrior", 0}, {"btnNext", 1}};
  for (const auto& step : steps) {
    Click(form, step.button);
    EXPECT_EQ(grid->currentRow(), step.row) << step.button;
  }
}

TEST_F(HistoryWindowTest, LoadingAndDeletingShowTheirProgress) {
  for (int i = 0; i < 4; ++i) Ended(HisStatus::Successful);
  QStringList shown;
  ScopedForm<SaveProgressRequest> progress([&](SaveProgressRequest& r) {
    shown << QStringLiteral("%1 %2%3").arg(r.caption).arg(r.percent).arg(r.close ? QStringLiteral(" closed") : QString());
    return 1;
  });
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  EXPECT_EQ(shown, (QStringList{"Getting History List 0", "Getting History List 25", "Getting History List 50",
                                "Getting History List 75", "Getting History List 100",
                                "Getting History List 100 closed"}));
  shown.clear();
  SelectRows(Grid(form), 0, 2);
  Click(form, "btnDelete");
  EXPECT_EQ(shown, (QStringList{"Deleting Entries 0", "Deleting Entries 33", "Deleting Entries 66",
                                "Deleting Entries 100", "Deleting Entries 100 closed"}));
}

TEST_F(HistoryWindowTest, AHistoryRecordThatCannotBeReadIsLeftOut) {
  const QString broken = Ended(HisStatus::Failed);
  const QString good = Ended(HisStatus::Successful);
  FreeTheHistory();
  TQuery(TSession::Default().Database(GetDataAlias()))
      .Exec(QStringLiteral("UPDATE \"History\" SET \"Object\" = ? WHERE \"HisEvId\" = ?"),
            {QByteArray("TPF0garbage"), broken});
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  EXPECT_EQ(form.RowIds(), QStringList{good});
}

TEST_F(HistoryWindowTest, RetryRequeuesEndedJobsAndStartsEachPortOnceInOrderOfFirstAppearance) {
  const QString a = Ended(QStringLiteral("Till 1"), Com2, HisStatus::Failed, tActnPrgSnd::StaticClass());
  const QString b = Ended(QStringLiteral("Till 2"), Com1, HisStatus::Successful, tActnRpt::StaticClass());
  const QString c = Ended(QStringLiteral("Till 1"), Com2, HisStatus::UserCancel, tActnPrgRec::StaticClass());
  auto* form = new TfmHistoryMaint(nullptr, QStringLiteral("History"));
  QPointer<TfmHistoryMaint> guard(form);
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->show();
  SelectRows(Grid(*form), 0, 2);
  Click(*form, "btnRetry");
  QApplication::processEvents();

  EXPECT_TRUE(HistoryJobs().empty());
  const QStringList pending = history().GetPendingList();
  ASSERT_EQ(pending.size(), 3);
  for (const QString& id : pending) {
    std::unique_ptr<tHistoryEvent> job = Pending(id);
    EXPECT_EQ(job->ScriptId, QStringLiteral("User Retry"));
    EXPECT_EQ(job->ScheduleId, QStringLiteral("User"));
    EXPECT_EQ(job->Mode, job->ComPort);
    EXPECT_EQ(job->InitRetryCount, -1);
    EXPECT_EQ(job->DefRetryCount, -1);
    EXPECT_TRUE(job->Status == HisStatus::Pending);
  }
  ASSERT_EQ(starter.started.size(), 2);
  EXPECT_EQ(starter.started[0].port, Com2);
  EXPECT_EQ(starter.started[1].port, Com1);
  EXPECT_EQ(starter.started[0].pendingId, pending[0]);
  EXPECT_TRUE(guard.isNull()); // the window closed
}

TEST_F(HistoryWindowTest, RetryRefusesAJobStillQueuedOrRunning) {
  for (qint32 status : {HisStatus::Active, HisStatus::Pending, HisStatus::Retry}) {
    SCOPED_TRACE(status);
    prompter.shown.clear();
    FreeTheHistory();
    const QString id = Ended(status);
    TfmHistoryMaint form(nullptr, QStringLiteral("History"));
    SelectRows(Grid(form), 0, 0);
    form.Retry();
    EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("Event ") + id + QStringLiteral(" must be canceled first")});
    EXPECT_TRUE(history().GetPendingList().isEmpty());
    history().DeleteHistoryEvent(id);
  }
}

TEST_F(HistoryWindowTest, DeleteRemovesTheSelectedJobsAndTheLastRowLeavesOneEmptyRow) {
  const QString a = Ended(HisStatus::Failed);
  const QString b = Ended(HisStatus::Successful);
  const QString c = Ended(HisStatus::Successful);
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  SelectRows(Grid(form), 1, 2);
  Click(form, "btnDelete");
  EXPECT_EQ(form.RowIds(), QStringList{a});
  ASSERT_EQ(HistoryJobs().size(), 1u);
  EXPECT_EQ(HistoryJobs()[0]->EventId, a);
  SelectRows(Grid(form), 0, 0);
  Click(form, "btnDelete");
  EXPECT_EQ(form.RowIds(), QStringList{QString()});
  EXPECT_TRUE(HistoryJobs().empty());
}

TEST_F(HistoryWindowTest, PropertiesShowTheJobReadOnly) {
  const QString id = Ended(QStringLiteral("Till 2"), Com2, HisStatus::SuccessWithRetry, tActnPrgSnd::StaticClass());
  std::unique_ptr<tHistoryEvent> job = history().LoadHistoryEvent(id);
  job->DefRetryCount = 1;
  TfmHistoryEventMaint dialog(nullptr, *job);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Alpha"));
  const struct {
    const char* control;
    QString text;
  } fields[] = {{"edtEventId", id},
                {"edtMachineId", QStringLiteral("Till 2")},
                {"edtType", QStringLiteral("Program Send")},
                {"edtEventName", QStringLiteral("Alpha")},
                {"edtSuccessful", QStringLiteral("Success With Retry")},
                {"edtStartedByCalendar", QStringLiteral("False")},
                {"edtScheduleId", QStringLiteral("User")},
                {"edtScriptId", QStringLiteral("Prompted")},
                {"edtComPort", Com2},
                {"edtMode", QStringLiteral("History")},
                {"edtState", QStringLiteral("Pending")},
                {"edtInitRetryCount", QStringLiteral("0")},
                {"edtDefRetryCount", QStringLiteral("2")}};
  for (const auto& f : fields) {
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(f.control));
    ASSERT_TRUE(edit) << f.control;
    EXPECT_EQ(edit->text(), f.text) << f.control;
    EXPECT_TRUE(edit->isReadOnly());
  }
  dialog.show();
  Shoot(dialog, "properties.png");

  // The history window opens it for the selected row.
  TfmHistoryMaint form(nullptr, QStringLiteral("History"));
  SelectRows(Grid(form), 0, 0);
  QString shown;
  QTimer::singleShot(0, [&] {
    if (auto* modal = qobject_cast<TfmHistoryEventMaint*>(QApplication::activeModalWidget())) {
      shown = modal->findChild<QLineEdit*>(QStringLiteral("edtEventId"))->text();
      Click(*modal, "btnClose");
    }
  });
  Click(form, "btnProperties");
  EXPECT_EQ(shown, id);
}

TEST_F(HistoryWindowTest, APortsPendingWindowListsItsJobsAndCancelsAllButTheRunningOne) {
  const QString running = Queue(QStringLiteral("Till 1"), Com1, -1, HisStatus::Active);
  const QString other = Queue(QStringLiteral("Till 2"), Com2);
  const QString waiting = Queue(QStringLiteral("Till 1"), Com1, 0, HisStatus::Retry);
  TfmHistoryMaint form(nullptr, Com1);
  EXPECT_EQ(form.RowIds(), (QStringList{running, waiting}));
  EXPECT_EQ(Grid(form)->item(0, 5)->text(), QStringLiteral("Active"));
  EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("btnRetry"))->isEnabled());
  SelectRows(Grid(form), 0, 1);
  Click(form, "btnDelete");
  EXPECT_EQ(form.RowIds(), QStringList{running});
  EXPECT_EQ(history().GetPendingList(), (QStringList{running, other}));
  EXPECT_EQ(callbacks[waiting], QList<int>{4});
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("Event ") + running + QStringLiteral(" is running")});
  ASSERT_EQ(HistoryJobs().size(), 1u);
  EXPECT_EQ(HistoryJobs()[0]->Status, HisStatus::UserCancel);

  TfmHistoryMaint all(nullptr, QStringLiteral("Pending"));
  EXPECT_EQ(all.RowIds(), (QStringList{running, other}));
  all.show();
  Shoot(all, "pending.png");
}

TEST_F(HistoryWindowTest, ShowQueueOpensTheWindowOnceAndClosingItTellsTheQueue) {
  history().ShowQueue(QStringLiteral("History"));
  auto windows = QApplication::topLevelWidgets();
  QPointer<TfmHistoryMaint> form;
  for (QWidget* w : windows)
    if (auto* f = qobject_cast<TfmHistoryMaint*>(w); f && f->isVisible()) form = f;
  ASSERT_TRUE(form);
  history().ShowQueue(QStringLiteral("History"));
  int open = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<TfmHistoryMaint*>(w) && w->isVisible()) ++open;
  EXPECT_EQ(open, 1);
  EXPECT_NE(history().PortIndex(QStringLiteral("History")), -1);
  form->close();
  QApplication::processEvents();
  EXPECT_EQ(history().PortIndex(QStringLiteral("History")), -1);
}
} // namespace
