// The windows of the export and the consolidation: the ranges dialog accepts only whole
// numbers and forward ranges; the browser's Export asks for the file and exports the
// current poll with one message, and a cancelled file choice writes nothing.
#include "PollFixture.h"

#include "reports/forms/PollExportFile.h"
#include "reports/forms/TfrmAllPolls.h"
#include "reports/forms/TfrmConsolidate.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace {
void Type(QWidget& form, const char* name, const char* text) {
  form.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
}

class ConsolidateForms : public PollFixture {};
} // namespace

TEST_F(ConsolidateForms, TheRangesDialogAcceptsOnlyWholeNumbersInForwardRanges) {
  struct Case {
    const char* firstStore;
    const char* lastStore;
    const char* firstMachine;
    const char* lastMachine;
    bool accepted;
  } cases[] = {{"1", "9", "2", "2", true}, {"9", "1", "2", "2", false}, {"1", "9", "3", "2", false},
               {"1", "x", "2", "2", false}, {"", "9", "2", "2", false}};
  for (const Case& c : cases) {
    prompter.shown.clear();
    TfrmConsolidate form;
    Type(form, "edtFirstStore", c.firstStore);
    Type(form, "edtLastStore", c.lastStore);
    Type(form, "edtFirstMachine", c.firstMachine);
    Type(form, "edtLastMachine", c.lastMachine);
    form.findChild<QComboBox*>(QStringLiteral("cbxType"))->setCurrentText(QStringLiteral("X"));
    form.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    EXPECT_EQ(form.result() == QDialog::Accepted, c.accepted) << c.firstStore << ".." << c.lastStore;
    EXPECT_EQ(prompter.Texts(), c.accepted ? QStringList() : QStringList{QStringLiteral("Options Not OK")});
    if (c.accepted) {
      EXPECT_EQ(form.Ranges().lastStore, 9);
      EXPECT_EQ(form.Ranges().pollType, QStringLiteral("X"));
      EXPECT_EQ(form.Ranges().startDate, QDate(2026, 3, 4));  // today, by the test's clock
    }
  }
}

TEST_F(ConsolidateForms, TheBrowsersExportWritesTheCurrentPollToTheChosenFile) {
  const qint32 poll = StorePoll(PollHeader(), {100, 250});
  const QString file = QDir(dir.path()).filePath(QStringLiteral("chosen.txt"));
  QString answer;
  PollExportFile::SetChooser([&answer](QWidget*) { return answer; });
  const auto restore = qScopeGuard([] { PollExportFile::SetChooser({}); });
  TfrmAllPolls browser;

  browser.btnExportClick();  // cancelled
  EXPECT_FALSE(QFile::exists(file));
  EXPECT_TRUE(prompter.shown.isEmpty());

  answer = file;
  browser.btnExportClick();
  QFile written(file);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray id = QByteArray::number(poll);
  EXPECT_EQ(written.readAll(), id + ",1,1\r\n" + id + ",2,2.5\r\n");
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("Data exported to ") + file});
}
