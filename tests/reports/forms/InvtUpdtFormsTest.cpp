// The inventory export's windows, offscreen: the first run that asks for a file name, the
// name's dialog, the list of polls with OK and "Update All", and the wait window.
#include "ReportFormFixture.h"

#include "crs3000/tEcrRptCrs3000PLU.h"
#include "model/EcrForms.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/TDateTime.h"
#include "reports/InvtFileName.h"
#include "reports/InvtUpdtForms.h"
#include "reports/forms/ReportsForms.h"
#include "reports/forms/TfrmChangeFile.h"
#include "reports/forms/TfrmInvtUpdt.h"
#include "reports/forms/TfrmOpenTable.h"
#include "reports/forms/TfrmSelectPoll.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {
// Runs the step on the next modal window that opens (the one a click is about to show).
void OnNextModal(std::function<void(QWidget*)> step) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, step = std::move(step)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      step(modal);
    }
  });
  timer->start(5);
}

void Click(QWidget* form, const char* button) {
  auto* found = form->findChild<QPushButton*>(QString::fromLatin1(button));
  ASSERT_NE(found, nullptr) << button;
  QTest::mouseClick(found, Qt::LeftButton);
}

class InvtUpdtForms : public ReportFormFixture {
protected:
  InvtUpdtForms() { RegisterReportsForms(); }

  static QString FileOnRecord() { return InvtFileName::Read(); }
  static void SetFileOnRecord(const QString& name) {
    OpenSettingsFile(QStringLiteral("V6InvtUpdate"))->WriteString(QStringLiteral("File Name"), name);
  }
  // A PLU poll polled a second after the one before.
  qint32 StorePlu(qint64 count) {
    const qint32 poll = Store(plu, {QVariantMap{{"Memory Number", 1}, {"Count", count}, {"Total", 1.0}}});
    TQuery(QString::fromLatin1(EngineConfig::kDataAlias))
        .Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Date\" = \"Poll Date\" + ? WHERE \"Poll Id\" = ?"),
              {poll / 86400.0, poll});
    return poll;
  }
  static QStringList VisibleTitles(QTableView& grid) {
    QStringList titles;
    QHeaderView* header = grid.horizontalHeader();
    for (int visual = 0; visual < header->count(); ++visual) {
      const int logical = header->logicalIndex(visual);
      if (!header->isSectionHidden(logical)) titles << grid.model()->headerData(logical, Qt::Horizontal).toString();
    }
    return titles;
  }

  QString file = dir.filePath(QStringLiteral("INVT.DTA"));
  tEcrRptCrs3000PLU& plu = AddReport<tEcrRptCrs3000PLU>();
};
} // namespace

TEST_F(InvtUpdtForms, AFirstRunAsksForTheFileAndClosesWhenTheUserCancels) {
  ASSERT_EQ(FileOnRecord(), "NO FILE ON RECORD");
  OnNextModal([](QWidget* modal) {
    EXPECT_EQ(modal->windowTitle(), "Change File Name");
    EXPECT_TRUE(modal->findChild<QLineEdit*>(QStringLiteral("edtOutFile"))->text().isEmpty());
    Click(modal, "btnCancel");
  });
  auto* cancelled = new TfrmInvtUpdt;
  EXPECT_TRUE(cancelled->ClosedAtOnce());
  delete cancelled;
  EXPECT_EQ(FileOnRecord(), "NO FILE ON RECORD");

  OnNextModal([this](QWidget* modal) {
    QTest::keyClicks(modal->findChild<QLineEdit*>(QStringLiteral("edtOutFile")), file);
    Click(modal, "btnOK");
  });
  TfrmInvtUpdt named;
  EXPECT_FALSE(named.ClosedAtOnce());
  EXPECT_EQ(FileOnRecord(), file);
  auto* shown = named.findChild<QLineEdit*>(QStringLiteral("edtOutFile"));
  EXPECT_EQ(shown->text(), file);
  EXPECT_FALSE(shown->isEnabled());
  named.close();
}

TEST_F(InvtUpdtForms, TheNameDialogNeedsANameAndBrowsesForADtaFile) {
  TfrmChangeFile form;
  form.show();
  Click(&form, "btnOK");
  EXPECT_EQ(prompter.Texts(), QStringList{"Please enter a File Name"});
  EXPECT_TRUE(form.isVisible()) << "stays open";
  EXPECT_EQ(form.result(), QDialog::Rejected);

  auto* dialog = form.findChild<QFileDialog*>(QStringLiteral("dlgOutFile"));
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->nameFilters().first(), "V5 Inventory Files (*.DTA)");
  EXPECT_EQ(dialog->defaultSuffix(), "DTA");
  auto* timer = new QTimer(&form);
  QObject::connect(timer, &QTimer::timeout, [this, timer, dialog] {
    if (!dialog->isVisible()) return;
    timer->stop();
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(file);
    QTest::keyClick(name, Qt::Key_Return);
  });
  timer->start(5);
  Click(&form, "btnBrowse");
  EXPECT_EQ(form.FileName(), file);
  Click(&form, "btnOK");
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(InvtUpdtForms, TheExportWindowOpensThePollListForItsFileAndChangesTheFile) {
  SetFileOnRecord(file);
  QStringList listed;
  ScopedForm<SelectPollRequest> list([&](SelectPollRequest& request) {
    listed << request.fileName;
    return EcrForms::FormOk;
  });
  ScopedForm<ChangeInvtFileRequest> change([](ChangeInvtFileRequest& request) {
    request.fileName = QStringLiteral("OTHER.DTA");
    return EcrForms::FormOk;
  });
  TfrmInvtUpdt form;
  EXPECT_EQ(form.windowTitle(), "Version 6 Interface To Version 5 Inventory");
  Click(&form, "btnOutput");
  EXPECT_EQ(listed, QStringList{file});
  Click(&form, "Button1");
  EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("edtOutFile"))->text(), "OTHER.DTA");
  EXPECT_EQ(FileOnRecord(), "OTHER.DTA");
}

TEST_F(InvtUpdtForms, ThePollListWritesTheCurrentPollAndThenAllTheRest) {
  SetFileOnRecord(file);
  const qint32 first = StorePlu(1);
  StorePlu(2);
  StorePlu(3);
  int waits = 0;
  ScopedForm<OpenTableRequest> wait([&](OpenTableRequest& request) {
    ++waits;
    request.close = [] {};
    return EcrForms::FormOk;
  });
  TfrmSelectPoll form(file);
  EXPECT_EQ(waits, 1);
  form.show();
  auto& grid = *form.findChild<QTableView*>(QStringLiteral("DBGrid1"));
  EXPECT_EQ(VisibleTitles(grid), (QStringList{"Machine Id", "Poll Date", "Store Number", "Machine Number"}));
  EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("lblFile"))->text(), file);
  ASSERT_EQ(grid.model()->rowCount(), 3);
  EXPECT_EQ(form.CurrentPollId(), first);

  Click(&form, "btnOk");
  EXPECT_EQ(grid.model()->rowCount(), 2);
  EXPECT_NE(form.CurrentPollId(), first);
  QFile written(file);
  EXPECT_EQ(written.size(), 3 * 60);
  Click(&form, "Button1");
  EXPECT_EQ(grid.model()->rowCount(), 0);
  EXPECT_EQ(written.size(), 7 * 60);
  EXPECT_TRUE(prompter.Texts().isEmpty()) << prompter.Texts().join(QLatin1Char('|')).toStdString();
  Click(&form, "btnOk");
  EXPECT_TRUE(prompter.Texts().isEmpty()) << "no current row, nothing to write";
}

// A poll's date reads as in the stored-poll browser: the reports' short date and long time.
TEST_F(InvtUpdtForms, ThePollListShowsAPollsDateAsTheBrowserDoes) {
  SetFileOnRecord(file);
  const qint32 poll = StorePlu(1);
  TQuery(QString::fromLatin1(EngineConfig::kDataAlias))
      .Exec(QStringLiteral("UPDATE \"AllPolls\" SET \"Poll Date\" = ? WHERE \"Poll Id\" = ?"),
            {TDateTime::FromQDateTime(QDateTime(QDate(2026, 12, 11), QTime(12, 57, 21))).Days(), poll});
  ScopedForm<OpenTableRequest> wait([](OpenTableRequest& request) {
    request.close = [] {};
    return EcrForms::FormOk;
  });
  TfrmSelectPoll form(file);
  auto& grid = *form.findChild<QTableView*>(QStringLiteral("DBGrid1"));
  ASSERT_EQ(grid.model()->rowCount(), 1);
  int date = -1;
  for (int column = 0; column < grid.model()->columnCount(); ++column)
    if (grid.model()->headerData(column, Qt::Horizontal).toString() == QLatin1String("Poll Date")) date = column;
  ASSERT_GE(date, 0);
  EXPECT_EQ(grid.model()->index(0, date).data().toString().toStdString(), "12/11/2026 12:57:21 PM");
}

TEST_F(InvtUpdtForms, TheWaitWindowShowsWhileTheTablesOpen) {
  QStringList seen;
  TfrmOpenTable form;
  for (const QLabel* label : form.findChildren<QLabel*>()) seen << label->text();
  EXPECT_EQ(form.windowTitle(), "Opening Tables");
  EXPECT_EQ(seen, (QStringList{"Opening Tables.", "Please Wait..."}));
}
