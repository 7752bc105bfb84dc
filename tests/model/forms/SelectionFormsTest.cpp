// The model chooser and the program and report selectors, as the driver opens them
// through the form registry.
#include "ModalDriver.h"
#include "SelectionDoubles.h"

#include "model/forms/ModelForms.h"
#include "model/forms/TfmEcrGet.h"
#include "model/forms/TfmEcrPrgSlct.h"
#include "model/tEcrModelChoice.h"
#include "model/tEcrSelection.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace ModalDriver;

namespace {
class SelectionFormsTest : public ::testing::Test {
protected:
  SelectionFormsTest() { RegisterModelForms(); }
  ~SelectionFormsTest() override { EXPECT_EQ(tSelRom::live, 0) << "a candidate was not freed"; }
};

QListWidget* ListOf(QWidget* w, const char* name) { return w->findChild<QListWidget*>(QString::fromLatin1(name)); }
void Press(QWidget* w, const char* name) {
  if (auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name))) QTest::mouseClick(b, Qt::LeftButton);
}
} // namespace

TEST_F(SelectionFormsTest, TheChooserListsItsEntriesSortedWithTheLastSelected) {
  tEcr* result = nullptr;
  tEcrModelChoice choice(QStringLiteral("ROM Version"), result);
  for (const TClass* cls : tSelModel(TBlank{}).GetSubModels()) {
    std::unique_ptr<tEcr> candidate = tEcr::New(*cls);
    const QString text = candidate->RomName();
    choice.Add(std::move(candidate), text);
  }
  TfmEcrGet form(choice, choice.Caption());
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Select ROM Version"));
  QListWidget* list = ListOf(&form, "lbMfgGet");
  EXPECT_EQ(Entries(list), (QStringList{"Alpha 2.0", "Mid 3.0", "Zeta 1.0"}));
  EXPECT_EQ(list->currentItem()->text(), QStringLiteral("Zeta 1.0"));
  // Three entries need less than the window's height: the list shrinks to them and one more.
  EXPECT_EQ(list->height(), 4 * list->sizeHintForRow(0));
}

TEST_F(SelectionFormsTest, AChoiceThroughEveryLevelGivesTheLeafAndFreesTheOthers) {
  tEcr* result = nullptr;
  QStringList captions;
  WhenShown([&](QWidget* maker) {
    captions << maker->windowTitle();
    WhenShown([&](QWidget* model) {
      captions << model->windowTitle();
      WhenShown([&](QWidget* rom) {
        captions << rom->windowTitle();
        ClickEntry(ListOf(rom, "lbMfgGet"), QStringLiteral("Mid 3.0"));
      });
      ClickEntry(ListOf(model, "lbMfgGet"), QStringLiteral("Test Model"));
    });
    ClickEntry(ListOf(maker, "lbMfgGet"), QStringLiteral("Test Maker"));
  });
  std::unique_ptr<tEcr> top = tEcr::New(tSelRoot::StaticClass());
  top->SelectModel(result, 0);
  std::unique_ptr<tEcr> chosen(result);
  EXPECT_EQ(captions, (QStringList{"Select Manufacturer", "Select Model", "Select ROM Version"}));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->ClassName(), "tSelRomMid");
  EXPECT_EQ(tSelRom::live, 1); // the other two candidates are gone
}

TEST_F(SelectionFormsTest, CancellingALowerLevelGivesNothingThoughTheUpperClosedWithOk) {
  tEcr* result = nullptr;
  int upperResult = -1;
  WhenShown([&](QWidget* model) {
    auto* form = static_cast<QDialog*>(model);
    QObject::connect(form, &QDialog::finished, [&](int r) { upperResult = r; });
    WhenShown([&](QWidget* rom) { static_cast<QDialog*>(rom)->reject(); });
    ClickEntry(ListOf(model, "lbMfgGet"), QStringLiteral("Test Model"));
  });
  std::unique_ptr<tEcr> top = tEcr::New(tSelMaker::StaticClass());
  top->SelectModel(result, 1);
  EXPECT_EQ(upperResult, QDialog::Accepted);
  EXPECT_EQ(result, nullptr);
}

TEST_F(SelectionFormsTest, TheSelectorForOneProgramHandsOutACopyOfTheClickedOne) {
  std::unique_ptr<tEcr> driver = NewSelDriver();
  QStringList entries;
  QString caption;
  bool acceptShown = true;
  WhenShown([&](QWidget* w) {
    caption = w->windowTitle();
    entries = Entries(ListOf(w, "lbPrgSlct"));
    acceptShown = w->findChild<QPushButton*>(QStringLiteral("Accept"))->isVisible();
    ClickEntry(ListOf(w, "lbPrgSlct"), QStringLiteral("Taxes"));
  });
  std::unique_ptr<tEcrPrg> chosen = driver->SelectAPrg(tEcr::ModeMaint);
  EXPECT_EQ(caption, QStringLiteral("Program Selector"));
  EXPECT_EQ(entries, (QStringList{"Sales", "Taxes"}));
  EXPECT_FALSE(acceptShown);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->GetPrgName(), QStringLiteral("Taxes"));
  EXPECT_NE(chosen.get(), driver->Prg(3)); // a copy, not the driver's own
  EXPECT_EQ(driver->PrgCount(), 3);
}

TEST_F(SelectionFormsTest, SeveralProgramsAcceptedComeInListOrderEachWithItsOwnCopy) {
  std::unique_ptr<tEcr> driver = NewSelDriver();
  QString caption;
  WhenShown([&](QWidget* w) {
    caption = w->windowTitle();
    QListWidget* list = ListOf(w, "lbPrgSlct");
    EXPECT_EQ(Entries(list), (QStringList{"Clerks", "Sales", "Taxes"}));
    list->item(2)->setSelected(true);
    list->item(0)->setSelected(true);
    ClickEntry(list, QStringLiteral("Nothing")); // a click elsewhere does not close it
    EXPECT_TRUE(w->isVisible());
    Press(w, "Accept");
  });
  std::optional<std::vector<tEcr::ChosenPrg>> chosen = driver->SelectPrgs(tEcr::ModeSend);
  EXPECT_EQ(caption, QStringLiteral("Programs To Send"));
  ASSERT_TRUE(chosen);
  ASSERT_EQ(chosen->size(), 2u);
  EXPECT_EQ((*chosen)[0].Name, QStringLiteral("Clerks"));
  EXPECT_EQ((*chosen)[1].Name, QStringLiteral("Taxes"));
  EXPECT_EQ((*chosen)[1].Prg->GetPrgName(), QStringLiteral("Taxes"));
  EXPECT_NE((*chosen)[1].Prg.get(), driver->Prg(3));
}

TEST_F(SelectionFormsTest, CancellingASelectorGivesNothing) {
  std::unique_ptr<tEcr> driver = NewSelDriver();
  WhenShown([](QWidget* w) {
    ListOf(w, "lbPrgSlct")->item(0)->setSelected(true);
    Press(w, "btnCancel");
  });
  EXPECT_FALSE(driver->SelectPrgs(tEcr::ModeSave).has_value());
  WhenShown([](QWidget* w) { Press(w, "btnCancel"); });
  EXPECT_EQ(driver->SelectAPrg(tEcr::ModeSend), nullptr);
  WhenShown([](QWidget* w) { Press(w, "btnCancel"); });
  EXPECT_EQ(driver->SelectARpt(), nullptr);
}

TEST_F(SelectionFormsTest, AcceptWithAnEmptyListLeavesTheSelectorOpen) {
  std::unique_ptr<tEcr> driver = NewSelDriver();
  tEcrSelection selection(*driver, tEcr::ModeSend, true, {});
  TfmEcrPrgSlct form(selection);
  form.show();
  Press(&form, "Accept");
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.result(), 0);
  form.Cancel();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(selection.Chosen.isEmpty());
}

TEST_F(SelectionFormsTest, TheReportSelectorHandsOutACopyOfTheClickedReport) {
  std::unique_ptr<tEcr> driver = NewSelDriver();
  QString caption, label;
  WhenShown([&](QWidget* w) {
    caption = w->windowTitle();
    label = w->findChild<QLabel*>(QStringLiteral("lblRptSlct"))->text();
    EXPECT_EQ(Entries(ListOf(w, "lbRptSlct")), (QStringList{"Financial", "PLU"}));
    ClickEntry(ListOf(w, "lbRptSlct"), QStringLiteral("PLU"));
  });
  std::unique_ptr<tEcrRpt> chosen = driver->SelectARpt();
  EXPECT_EQ(caption, QStringLiteral("Report Selection"));
  EXPECT_EQ(label, QStringLiteral("Select a report  or cancel"));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->GetRptName(), QStringLiteral("PLU"));
  EXPECT_NE(chosen.get(), driver->Rpt(2));
}
