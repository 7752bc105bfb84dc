// "Machine List": choosing a machine, and adding, duplicating, editing, deleting and listing
// the stored machines through the real "Machine Maintenance".
#include "MachineFormsFixture.h"

#include "app/machines/forms/TfmMachSelct.h"
#include "model/MachineList.h"
#include "model/tMachineSelection.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptReport.h"
#include "reports/engine/RptTextRenderer.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {
class TfmMachSelctTest : public MachineFormsFixture {
protected:
  TfmMachSelctTest() {
    Store(*Machine(QStringLiteral("Zulu"), 9, 1));
    Store(*Machine(QStringLiteral("Alpha"), 4, 2));
  }
  static QListWidget* List(QWidget& form) { return form.findChild<QListWidget*>(QStringLiteral("MachineList")); }
  static void Pick(QWidget& form, const QString& id) {
    const QList<QListWidgetItem*> items = List(form)->findItems(id, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << id.toStdString();
    List(form)->setCurrentItem(items.first());
  }
  static void DoubleClick(QWidget& form, const QString& id) {
    Pick(form, id);
    QListWidget* list = List(form);
    const QRect rect = list->visualItemRect(list->currentItem());
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }
  static QStringList StoredIds() {
    QStringList ids;
    ListMachines(ids);
    return ids;
  }
  QString Selected(TfmMachSelct& form) { return List(form)->currentItem() ? List(form)->currentItem()->text() : QString(); }

  tMachineSelection selection{false};
  MachineListRequest request{selection, false};
};
} // namespace

TEST_F(TfmMachSelctTest, ListsTheStoredMachinesWithTheFirstSelected) {
  TfmMachSelct form(request);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Machine List"));
  EXPECT_EQ(form.Entries(), (QStringList{"Alpha", "Zulu"}));
  EXPECT_EQ(Selected(form), QStringLiteral("Alpha"));
  EXPECT_TRUE(Find<QPushButton>(&form, "btnSelect")->isEnabled());
  EXPECT_EQ(Find<QPushButton>(&form, "btnDup")->toolTip(), QStringLiteral("Create a copy of the selected machine"));
  ShowActive(form);
  const QString dir = QDir::temp().filePath(QStringLiteral("tillbridge-shots"));
  QDir().mkpath(dir);
  form.grab().save(QDir(dir).filePath(QStringLiteral("MachineList.png")));
}

TEST_F(TfmMachSelctTest, ADoubleClickReturnsACopyOfTheMachine) {
  WhenShown([](QWidget* w) { DoubleClick(*w, QStringLiteral("Zulu")); });
  std::unique_ptr<tMachine> chosen = SelectMachine(false);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->MachineId, QStringLiteral("Zulu"));
  EXPECT_EQ(chosen->StoreNumber, 9);
  ASSERT_TRUE(chosen->Ecr());
}

TEST_F(TfmMachSelctTest, SelectAndCancelGiveTheMachineOrNone) {
  WhenShown([](QWidget* w) { Click(w, "btnSelect"); });
  std::unique_ptr<tMachine> chosen = SelectMachine(false);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->MachineId, QStringLiteral("Alpha"));
  WhenShown([](QWidget* w) { Click(w, "btnCancel"); });
  EXPECT_EQ(SelectMachine(false), nullptr);
}

TEST_F(TfmMachSelctTest, InMaintenanceModeSelectIsOffAndADoubleClickEdits) {
  int maintOpened = 0;
  WhenShown([&](QWidget* list) {
    EXPECT_FALSE(Find<QPushButton>(list, "btnSelect")->isEnabled());
    WhenShown([&](QWidget* maint) {
      ++maintOpened;
      EXPECT_EQ(Edit(maint, "edMachineId")->text(), QStringLiteral("Zulu"));
      Click(maint, "btnCancel");
    });
    DoubleClick(*list, QStringLiteral("Zulu"));
    Click(list, "btnSelect"); // disabled: nothing
    EXPECT_TRUE(list->isVisible());
    Click(list, "btnCancel");
  });
  EXPECT_EQ(SelectMachine(true), nullptr);
  EXPECT_EQ(maintOpened, 1);
}

TEST_F(TfmMachSelctTest, AddMachineStoresTheSavedMachineAndSelectsItsEntry) {
  TfmMachSelct form(request);
  ShowActive(form);
  QStringList used;
  WhenShown([&](QWidget* maint) {
    EXPECT_EQ(Edit(maint, "edMachineId")->text(), QString());
    FillRequired(maint, QStringLiteral("Middle"));
    Click(maint, "btnSave");
  });
  Click(&form, "btnAddMachine");
  EXPECT_EQ(modelChoices, 1);
  EXPECT_EQ(form.Entries(), (QStringList{"Alpha", "Middle", "Zulu"}));
  EXPECT_EQ(Selected(form), QStringLiteral("Middle"));
  std::unique_ptr<tMachine> stored = Stored(QStringLiteral("Middle"));
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->BaudRate, 9600);
  EXPECT_EQ(stored->Ecr()->ClassName(), "tMachTestLeaf");
}

TEST_F(TfmMachSelctTest, AnIdDifferingOnlyInCaseIsRefusedAndNothingIsAdded) {
  TfmMachSelct form(request);
  ShowActive(form);
  WhenShown([&](QWidget* maint) {
    FillRequired(maint, QStringLiteral("ZULU"));
    Click(maint, "btnSave");
    EXPECT_TRUE(maint->isVisible());
    EXPECT_EQ(maint->focusWidget(), Edit(maint, "edMachineId"));
    Click(maint, "btnCancel");
  });
  Click(&form, "btnAddMachine");
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("This Machine ID is already being used")});
  EXPECT_EQ(form.Entries(), (QStringList{"Alpha", "Zulu"}));
  EXPECT_EQ(StoredIds(), (QStringList{"Alpha", "Zulu"}));
}

TEST_F(TfmMachSelctTest, CancellingTheModelChoiceAddsNothingSilently) {
  cancelModelChoice = true;
  TfmMachSelct form(request);
  ShowActive(form);
  Click(&form, "btnAddMachine");
  EXPECT_EQ(modelChoices, 1);
  EXPECT_TRUE(prompter.shown.isEmpty());
  EXPECT_EQ(StoredIds(), (QStringList{"Alpha", "Zulu"}));
}

TEST_F(TfmMachSelctTest, DuplicateOpensTheCopyWithAnEmptyIdAndStoresItUnderTheNewOne) {
  TfmMachSelct form(request);
  ShowActive(form);
  Pick(form, QStringLiteral("Zulu"));
  QString shownId = QStringLiteral("unset"), shownStore;
  WhenShown([&](QWidget* maint) {
    shownId = Edit(maint, "edMachineId")->text();
    shownStore = Edit(maint, "edStoreNumber")->text();
    Edit(maint, "edMachineId")->setText(QStringLiteral("Yankee"));
    Click(maint, "btnSave");
  });
  Click(&form, "btnDup");
  EXPECT_EQ(shownId, QString());
  EXPECT_EQ(shownStore, QStringLiteral("9"));
  EXPECT_EQ(modelChoices, 0); // the copy has its driver
  EXPECT_EQ(form.Entries(), (QStringList{"Alpha", "Yankee", "Zulu"}));
  ASSERT_TRUE(Stored(QStringLiteral("Yankee")));
  EXPECT_EQ(Stored(QStringLiteral("Yankee"))->StoreNumber, 9);
  EXPECT_EQ(Stored(QStringLiteral("Zulu"))->StoreNumber, 9);
}

TEST_F(TfmMachSelctTest, EditRenamesTheRecordAndItsEntry) {
  TfmMachSelct form(request);
  ShowActive(form);
  Pick(form, QStringLiteral("Alpha"));
  WhenShown([&](QWidget* maint) {
    Edit(maint, "edMachineId")->setText(QStringLiteral("Able"));
    Edit(maint, "edStoreNumber")->setText(QStringLiteral("40"));
    Click(maint, "btnSave");
  });
  Click(&form, "btnEdit");
  EXPECT_EQ(form.Entries(), (QStringList{"Able", "Zulu"}));
  EXPECT_EQ(Stored(QStringLiteral("Alpha")), nullptr);
  ASSERT_TRUE(Stored(QStringLiteral("Able")));
  EXPECT_EQ(Stored(QStringLiteral("Able"))->StoreNumber, 40);
  EXPECT_EQ(FindMachine(QStringLiteral("Able"))->StoreNumber, 40);
}

TEST_F(TfmMachSelctTest, EditOfAMachineDeletedMeanwhileRewritesNoOtherMachine) {
  TfmMachSelct form(request);
  ShowActive(form);
  Pick(form, QStringLiteral("Alpha"));
  WhenShown([&](QWidget* maint) {
    ASSERT_TRUE(DeleteMachine(QStringLiteral("Alpha"))); // another window deleted it
    Stored(QStringLiteral("Zulu"));                     // the file's cursor on another record
    Edit(maint, "edStoreNumber")->setText(QStringLiteral("40"));
    Click(maint, "btnSave");
  });
  Click(&form, "btnEdit");
  EXPECT_EQ(Stored(QStringLiteral("Zulu"))->StoreNumber, 9);
  EXPECT_EQ(Stored(QStringLiteral("Zulu"))->MachineId, QStringLiteral("Zulu"));
  EXPECT_EQ(StoredIds(), QStringList{QStringLiteral("Zulu")});
  EXPECT_EQ(form.Entries(), QStringList{QStringLiteral("Zulu")});
  EXPECT_EQ(prompter.shown.size(), 1);
}

TEST_F(TfmMachSelctTest, DeleteAsksFirstAndDeletesOnlyOnOk) {
  TfmMachSelct form(request);
  ShowActive(form);
  Pick(form, QStringLiteral("Zulu"));
  prompter.answers = {Prompter::Cancel};
  Click(&form, "btnDeleteMachine");
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_EQ(prompter.shown[0].text, QStringLiteral("Deleting this machine will also delete schedules associated with it"));
  EXPECT_EQ(prompter.shown[0].kind, Prompter::Kind::Warning);
  EXPECT_EQ(prompter.shown[0].buttons, Prompter::Ok | Prompter::Cancel);
  EXPECT_EQ(StoredIds(), (QStringList{"Alpha", "Zulu"}));
  prompter.answers = {Prompter::Ok};
  Click(&form, "btnDeleteMachine");
  EXPECT_EQ(StoredIds(), QStringList{QStringLiteral("Alpha")});
  EXPECT_EQ(form.Entries(), QStringList{QStringLiteral("Alpha")});
  EXPECT_EQ(FindMachine(QStringLiteral("Zulu")), nullptr);
}

TEST_F(TfmMachSelctTest, PrintListingPreviewsTheListedMachines) {
  QString text;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest& r) {
    const std::optional<RptPageModel> model = r.report.Generate();
    if (model) text = RptTextRenderer::Render(*model, 0.8);
    return 0;
  });
  TfmMachSelct form(request);
  Click(&form, "btnListing");
  const QStringList lines = text.split(QLatin1Char('\n'));
  ASSERT_GE(lines.size(), 4);
  EXPECT_TRUE(lines[0].contains(QStringLiteral("Machine Listing")));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Alpha ")));
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Zulu ")));
}

TEST_F(TfmMachSelctTest, AnEmptyListPreviewsNothing) {
  ASSERT_TRUE(DeleteMachine(QStringLiteral("Alpha")));
  ASSERT_TRUE(DeleteMachine(QStringLiteral("Zulu")));
  int previews = 0;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest&) { return ++previews, 0; });
  TfmMachSelct form(request);
  EXPECT_TRUE(form.Entries().isEmpty());
  Click(&form, "btnListing");
  Click(&form, "btnEdit");   // nothing selected: nothing happens
  Click(&form, "btnDup");
  Click(&form, "btnDeleteMachine");
  EXPECT_EQ(previews, 0);
  EXPECT_TRUE(prompter.shown.isEmpty());
}
