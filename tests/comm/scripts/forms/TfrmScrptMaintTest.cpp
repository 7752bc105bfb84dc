// "Script Maintenance": Accept's checks, where added actions go, and moving, deleting and
// cancelling.
#include "ScrptFixture.h"

#include "comm/actions/ActnForms.h"
#include "comm/actions/tActn.h"
#include "comm/actions/tActnChoice.h"
#include "comm/scripts/ScrptList.h"
#include "comm/scripts/forms/ScriptsForms.h"
#include "comm/scripts/forms/TfrmScrptMaint.h"
#include "model/EcrForms.h"
#include "model/tEcrSelection.h"
#include "model/tMachine.h"
#include "platform/sys/FormRegistry.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
const QString kNoActions = QStringLiteral(
    "This script contains no actions.  You can not save a script with no actions.  If you wish to delete this "
    "script, please click Cancel and delete the script from the script list window.");

class TfrmScrptMaintTest : public ScrptFixture {
protected:
  TfrmScrptMaintTest() { RegisterScriptsForms(); }

  void Click(QWidget& form, const char* name) {
    QAbstractButton* button = form.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static QListWidget* List(QWidget& form) { return form.findChild<QListWidget*>(QStringLiteral("lbActns")); }
  static QStringList Entries(QWidget& form) {
    QStringList entries;
    for (int i = 0; i < List(form)->count(); ++i) entries << List(form)->item(i)->text();
    return entries;
  }
  // "Select Action" picks a report poll; the report selector answers the names in turn and
  // cancels when they run out.
  void ReportsChosen(const QStringList& names) {
    reports_ = names;
    select_.reset(); // a scoped form puts back what it found
    choose_.reset();
    choose_ = std::make_unique<ScopedForm<ActnSelectRequest>>([](ActnSelectRequest& r) {
      for (int i = 0; i < r.choice.Count(); ++i)
        if (r.choice.Title(i) == QStringLiteral("REPORT POLL")) return r.choice.Choose(i) ? ActnForms::FormOk : 0;
      return 0;
    });
    select_ = std::make_unique<ScopedForm<RptSelectRequest>>([this](RptSelectRequest& r) {
      if (reports_.isEmpty()) return 0;
      r.selection.Chosen = QStringList{reports_.takeFirst()};
      return EcrForms::FormOk;
    });
  }

  ScopedForm<RptOptsRequest> rptOpts{[](RptOptsRequest&) { return EcrForms::FormOk; }, ActnDoubles::kOptsForm};
  ScopedForm<PrgOptsRequest> prgOpts{[](PrgOptsRequest&) { return EcrForms::FormOk; }, ActnDoubles::kOptsForm};

private:
  QStringList reports_;
  std::unique_ptr<ScopedForm<ActnSelectRequest>> choose_;
  std::unique_ptr<ScopedForm<RptSelectRequest>> select_;
};

TEST_F(TfrmScrptMaintTest, AcceptChecksActionsThenTheIdThenWhetherAnotherScriptHasIt) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("P")));
  struct Case {
    const char* name;
    QString ownId;
    QString kinds;
    QString typed;
    QString message; // empty: accepted
  };
  const QList<Case> cases = {
      {"no actions", "New", "", "Fresh", kNoActions},
      {"no actions comes before no id", "", "", "", kNoActions},
      {"an empty id", "", "P", "", "Script ID required"},
      {"another script's id in other letters", "", "P", "NIGHTLY", "This Script Id is already in use."},
      {"the script's own id in other letters", "Nightly", "P", "nightly", "This Script Id is already in use."},
      {"the script's own id unchanged", "Nightly", "PS", "Nightly", ""},
      {"a new id", "", "PS", "Weekly", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    prompter.shown.clear();
    std::unique_ptr<tScrpt> script = MakeScrpt(c.ownId, c.kinds);
    TfrmScrptMaint form(*script, front.get());
    form.findChild<QLineEdit*>(QStringLiteral("edScrptId"))->setText(c.typed);
    Click(form, "btnAcpt");
    if (c.message.isEmpty()) {
      EXPECT_EQ(form.result(), QDialog::Accepted);
      EXPECT_TRUE(prompter.Texts().isEmpty());
      EXPECT_EQ(script->ScrptID(), c.typed);
    } else {
      EXPECT_NE(form.result(), QDialog::Accepted);
      EXPECT_EQ(prompter.Texts(), QStringList{c.message});
      EXPECT_EQ(script->ScrptID(), c.ownId) << "the script is unchanged";
    }
  }
}

TEST_F(TfrmScrptMaintTest, ShowsTheScriptAndItsModelAndKeepsItUntilAccept) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PSR"));
  TfrmScrptMaint form(*script, front.get());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Script Maintenance"));
  EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("edScrptId"))->text(), QStringLiteral("Nightly"));
  auto* type = form.findChild<QLineEdit*>(QStringLiteral("edEcrType"));
  EXPECT_TRUE(type->isReadOnly());
  EXPECT_EQ(type->text(), (QStringList{driver->MfgName(), QStringLiteral("Test"), driver->RomName()}.join(", ")));
  EXPECT_EQ(Entries(form), Titles(*script));

  List(form)->setCurrentRow(0);
  Click(form, "btnDel");
  Click(form, "btnCncl");
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_EQ(script->ActnCount(), 3) << "Cancel leaves the script as it was";
}

TEST_F(TfrmScrptMaintTest, AddedActionsGoAfterTheSelectedEntry) {
  struct Case {
    const char* name;
    int selected; // -1 none
    QStringList expected;
    int selectedAfter;
  };
  const QString s = QStringLiteral("PROGRAM SEND - Alpha"), b = QStringLiteral("PROGRAM SEND - Bravo"),
                r = QStringLiteral("PROGRAM RECEIVE - Alpha"), plu = QStringLiteral("REPORT POLL - PLU"),
                fin = QStringLiteral("REPORT POLL - Financial");
  const QList<Case> cases = {
      {"the first selected: each goes second, so they stand reversed", 0, {s, fin, plu, b, r}, 0},
      {"the last selected: appended in order, the last added selected", 2, {s, b, r, plu, fin}, 4},
      {"none selected: each goes to the top", -1, {fin, plu, s, b, r}, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReportsChosen({QStringLiteral("PLU"), QStringLiteral("Financial")});
    std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("SBR"));
    TfrmScrptMaint form(*script, front.get());
    if (c.selected >= 0) List(form)->setCurrentRow(c.selected);
    else List(form)->clearSelection();
    Click(form, "btnAdd");
    EXPECT_EQ(Entries(form), c.expected);
    const QListWidgetItem* current = List(form)->currentItem();
    EXPECT_EQ(current && current->isSelected() ? List(form)->currentRow() : -1, c.selectedAfter);
    Click(form, "btnAcpt");
    EXPECT_EQ(Titles(*script), c.expected) << "Accept keeps the list's order";
    for (int i = 1; i <= script->ActnCount(); ++i)
      EXPECT_EQ(script->Actn(i)->Machine()->MachineId, QStringLiteral("Front"));
  }
}

TEST_F(TfrmScrptMaintTest, AddingToAnEmptyListAppendsAndSelects) {
  ReportsChosen({QStringLiteral("PLU")});
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QString());
  TfrmScrptMaint form(*script, front.get());
  Click(form, "btnAdd");
  EXPECT_EQ(Entries(form), QStringList{"REPORT POLL - PLU"});
  EXPECT_EQ(List(form)->currentRow(), 0);
}

TEST_F(TfrmScrptMaintTest, DeleteAndTheArrowsKeepTheSelectionOnTheEntry) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("SBRP"));
  TfrmScrptMaint form(*script, front.get());
  const QStringList all = Entries(form);
  List(form)->setCurrentRow(1);
  Click(form, "UpDown1Down");
  EXPECT_EQ(Entries(form), (QStringList{all[0], all[2], all[1], all[3]}));
  EXPECT_EQ(List(form)->currentRow(), 2);
  Click(form, "UpDown1Up");
  Click(form, "UpDown1Up");
  EXPECT_EQ(Entries(form), (QStringList{all[1], all[0], all[2], all[3]}));
  EXPECT_EQ(List(form)->currentRow(), 0);
  Click(form, "UpDown1Up"); // already first
  EXPECT_EQ(List(form)->currentRow(), 0);
  List(form)->setCurrentRow(3);
  Click(form, "UpDown1Down"); // already last
  EXPECT_EQ(Entries(form), (QStringList{all[1], all[0], all[2], all[3]}));

  Click(form, "btnDel"); // the last: the new last is selected
  EXPECT_EQ(List(form)->currentRow(), 2);
  List(form)->setCurrentRow(0);
  Click(form, "btnDel"); // the entry now at the same place is selected
  EXPECT_EQ(Entries(form), (QStringList{all[0], all[2]}));
  EXPECT_EQ(List(form)->currentRow(), 0);
  Click(form, "btnDel");
  Click(form, "btnDel");
  EXPECT_EQ(List(form)->count(), 0);
  Click(form, "btnDel"); // nothing left: nothing happens
  Click(form, "btnAcpt");
  EXPECT_EQ(prompter.Texts(), QStringList{kNoActions});
  EXPECT_EQ(script->ActnCount(), 4);
}

TEST_F(TfrmScrptMaintTest, Screenshot) {
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PLSR"));
  TfrmScrptMaint form(*script, front.get());
  List(form)->setCurrentRow(1);
  form.show();
  ASSERT_TRUE(form.grab().save(QDir::temp().filePath(QStringLiteral("TfrmScrptMaint.png"))));
}
TEST_F(TfrmScrptMaintTest, ACancelledChoiceAddsNothing) {
  ReportsChosen({});
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("S"));
  TfrmScrptMaint form(*script, front.get());
  Click(form, "btnAdd");
  EXPECT_EQ(Entries(form), QStringList{"PROGRAM SEND - Alpha"});
}

TEST_F(TfrmScrptMaintTest, EditActionOpensTheSelectedActionsOptionsOnly) {
  int opened = 0;
  ScopedForm<RptOptsRequest> options([&](RptOptsRequest& r) {
    ++opened;
    EXPECT_EQ(r.report.GetRptName(), QStringLiteral("Financial"));
    return EcrForms::FormOk;
  }, ActnDoubles::kOptsForm);
  std::unique_ptr<tScrpt> script = MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("SP"));
  TfrmScrptMaint form(*script, front.get());
  List(form)->clearSelection();
  Click(form, "btnEdtActn");
  EXPECT_EQ(opened, 0) << "nothing selected";
  List(form)->setCurrentRow(1);
  Click(form, "btnEdtActn");
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(Entries(form), Titles(*script)) << "the entry's text stays";
}
} // namespace
