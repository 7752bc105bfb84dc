// "Script List": selecting, and adding, duplicating, editing and deleting stored scripts
// through "Script Maintenance" (a double here), and the listing it previews.
#include "ScrptFixture.h"

#include "comm/scripts/ScrptForms.h"
#include "comm/scripts/ScrptList.h"
#include "comm/actions/tActn.h"
#include "comm/scripts/forms/ScriptsForms.h"
#include "comm/scripts/forms/TfmScrptSelct.h"
#include "model/EcrForms.h"
#include "model/tMachine.h"
#include "platform/sys/FormRegistry.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptReport.h"
#include "reports/engine/RptTextRenderer.h"
#include "reports/engine/forms/TRptPreviewForm.h"

#include <QDir>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {
class TfmScrptSelctTest : public ScrptFixture {
protected:
  TfmScrptSelctTest() {
    RegisterScriptsForms();
    InsertScrpt(*MakeScrpt(QStringLiteral("Nightly"), QStringLiteral("PS")));
    InsertScrpt(*MakeScrpt(QStringLiteral("Morning"), QStringLiteral("L")));
    InsertScrpt(*MakeScrpt(QStringLiteral("Other model"), QStringLiteral("P"), &tScrptTestEcrNext::StaticClass()));
  }

  // "Script Maintenance" answers with edit(script): its answer is the window's.
  void MaintDoes(std::function<bool(tScrpt&)> edit) {
    maint_ = std::make_unique<ScopedForm<ScrptMaintRequest>>([this, edit](ScrptMaintRequest& r) {
      ++maintCalls;
      seenIds << r.script.ScrptID();
      return edit(r.script) ? ScrptForms::FormOk : 0;
    });
  }
  ScrptListRequest Request(bool maintenanceOnly) { return ScrptListRequest{front.get(), driver.get(), maintenanceOnly, nullptr}; }
  static QListWidget* List(QWidget& form) { return form.findChild<QListWidget*>(QStringLiteral("ScrptList")); }
  static QStringList Entries(QWidget& form) {
    QStringList entries;
    for (int i = 0; i < List(form)->count(); ++i) entries << List(form)->item(i)->text();
    return entries;
  }
  static void Pick(QWidget& form, const QString& id) {
    const QList<QListWidgetItem*> items = List(form)->findItems(id, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << id.toStdString();
    List(form)->setCurrentItem(items.first());
  }
  static void Click(QWidget& form, const char* name) {
    auto* button = form.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_TRUE(button) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }
  static void DoubleClick(QWidget& form, const QString& id) {
    form.show();
    Pick(form, id);
    QListWidget* list = List(form);
    const QRect rect = list->visualItemRect(list->currentItem());
    // A double click follows a press on the same entry.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
  }

  int maintCalls = 0;
  QStringList seenIds;

private:
  std::unique_ptr<ScopedForm<ScrptMaintRequest>> maint_;
};

TEST_F(TfmScrptSelctTest, ListsTheModelsScriptsSortedWithTheFirstSelected) {
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Script List"));
  EXPECT_EQ(Entries(form), (QStringList{"Morning", "Nightly"}));
  EXPECT_EQ(List(form)->currentRow(), 0);
  EXPECT_TRUE(form.findChild<QPushButton*>(QStringLiteral("btnSelect"))->isEnabled());
}

TEST_F(TfmScrptSelctTest, SelectReturnsACopyOfTheScriptAndADoubleClickDoesTheSame) {
  for (bool doubleClick : {false, true}) {
    SCOPED_TRACE(doubleClick);
    ScrptListRequest request = Request(false);
    TfmScrptSelct form(request);
    if (doubleClick) DoubleClick(form, QStringLiteral("Nightly"));
    else {
      Pick(form, QStringLiteral("Nightly"));
      Click(form, "btnSelect");
    }
    EXPECT_EQ(form.result(), QDialog::Accepted);
    ASSERT_TRUE(request.chosen);
    EXPECT_EQ(request.chosen->ScrptID(), QStringLiteral("Nightly"));
    EXPECT_EQ(Titles(*request.chosen), (QStringList{"REPORT POLL - Financial", "PROGRAM SEND - Alpha"}));
  }
}

TEST_F(TfmScrptSelctTest, InMaintenanceOnlyADoubleClickEditsInsteadOfSelecting) {
  MaintDoes([](tScrpt&) { return false; });
  ScrptListRequest request = Request(true);
  TfmScrptSelct form(request);
  EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("btnSelect"))->isEnabled());
  DoubleClick(form, QStringLiteral("Nightly"));
  EXPECT_EQ(maintCalls, 1);
  EXPECT_EQ(seenIds, QStringList{"Nightly"});
  EXPECT_NE(form.result(), QDialog::Accepted);
  EXPECT_FALSE(request.chosen);
}

TEST_F(TfmScrptSelctTest, RenamingThroughEditReplacesTheRecord) {
  MaintDoes([](tScrpt& s) {
    s.SetScrptID(QStringLiteral("Evening"));
    return true;
  });
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Pick(form, QStringLiteral("Nightly"));
  Click(form, "btnEdit");
  EXPECT_EQ(Entries(form), (QStringList{"Evening", "Morning"}));
  EXPECT_TRUE(List(form)->selectedItems().isEmpty());
  EXPECT_EQ(StoredIds(), (QStringList{"Evening", "Morning", "Other model"}));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Evening"))), (QStringList{"REPORT POLL - Financial", "PROGRAM SEND - Alpha"}));
}

TEST_F(TfmScrptSelctTest, AnEditToAnIdStoredMeanwhileKeepsTheRecordAndSaysSo) {
  MaintDoes([](tScrpt& s) {
    s.SetScrptID(QStringLiteral("Morning")); // stored after the maintenance window read the ids
    return true;
  });
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Pick(form, QStringLiteral("Nightly"));
  Click(form, "btnEdit");
  EXPECT_EQ(prompter.Texts(), QStringList{"Script ID Already In Use, Please Use A Different ID"});
  EXPECT_EQ(Entries(form), (QStringList{"Morning", "Nightly"}));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Morning"))), QStringList{"REPORT POLL - PLU"});
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Nightly"))), (QStringList{"REPORT POLL - Financial", "PROGRAM SEND - Alpha"}));
  EXPECT_FALSE(ScrptFileBusy());
}

TEST_F(TfmScrptSelctTest, AnEditThatIsCancelledStoresNothing) {
  MaintDoes([](tScrpt& s) {
    s.SetScrptID(QStringLiteral("Evening"));
    return false;
  });
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Pick(form, QStringLiteral("Nightly"));
  Click(form, "btnEdit");
  EXPECT_EQ(StoredIds(), (QStringList{"Morning", "Nightly", "Other model"}));
}

TEST_F(TfmScrptSelctTest, ADuplicateStartsWithoutAnIdAndAnIdInUseReopensTheWindow) {
  int round = 0;
  MaintDoes([&](tScrpt& s) {
    s.SetScrptID(++round == 1 ? QStringLiteral("Morning") : QStringLiteral("Nightly copy"));
    return true;
  });
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Pick(form, QStringLiteral("Nightly"));
  Click(form, "btnDup");
  EXPECT_EQ(seenIds, (QStringList{"", "Morning"})) << "the window opens again with the user's edits";
  EXPECT_EQ(prompter.Texts(), QStringList{"Script ID Already In Use, Please Use A Different ID"});
  EXPECT_EQ(Entries(form), (QStringList{"Morning", "Nightly", "Nightly copy"}));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Nightly copy"))), Titles(*LoadScrpt(QStringLiteral("Nightly"))));
  EXPECT_EQ(Titles(*LoadScrpt(QStringLiteral("Morning"))), QStringList{"REPORT POLL - PLU"}) << "not overwritten";
  EXPECT_FALSE(ScrptFileBusy());
}

TEST_F(TfmScrptSelctTest, AddScriptStoresANewScriptOfTheDriversModel) {
  MaintDoes([&](tScrpt& s) {
    s.SetScrptID(QStringLiteral("Added"));
    s.AddActn(MakeActn('L'));
    return true;
  });
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Click(form, "btnAddScrpt");
  EXPECT_EQ(seenIds, QStringList{""});
  EXPECT_EQ(Entries(form), (QStringList{"Added", "Morning", "Nightly"}));
  std::unique_ptr<tScrpt> added = LoadScrpt(QStringLiteral("Added"));
  ASSERT_TRUE(added);
  EXPECT_EQ(&added->GetEcrClass(), &tActnTestEcr::StaticClass());
}

TEST_F(TfmScrptSelctTest, AddScriptWithoutADriverStopsQuietlyWhenTheModelChoiceIsCancelled) {
  ScopedForm<ModelChoiceRequest> cancel([](ModelChoiceRequest&) { return 0; });
  MaintDoes([](tScrpt&) { return true; });
  ScrptListRequest request{front.get(), nullptr, true, nullptr};
  TfmScrptSelct form(request);
  EXPECT_EQ(Entries(form), (QStringList{"Morning", "Nightly", "Other model"}));
  Click(form, "btnAddScrpt");
  EXPECT_EQ(maintCalls, 0);
  EXPECT_EQ(List(form)->count(), 3);
}

TEST_F(TfmScrptSelctTest, DeleteRemovesTheRecordAndTheEntryWithoutAsking) {
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Pick(form, QStringLiteral("Nightly"));
  Click(form, "btnDeleteScrpt");
  EXPECT_EQ(Entries(form), QStringList{"Morning"});
  EXPECT_TRUE(List(form)->selectedItems().isEmpty());
  EXPECT_FALSE(LoadScrpt(QStringLiteral("Nightly")));
  EXPECT_TRUE(prompter.Texts().isEmpty());
  Click(form, "btnDeleteScrpt"); // nothing selected
  EXPECT_EQ(Entries(form), QStringList{"Morning"});
}

TEST_F(TfmScrptSelctTest, AnEntryWhoseScriptIsGoneIsLeftAlone) {
  MaintDoes([](tScrpt&) { return true; });
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  DeleteScrpt(QStringLiteral("Nightly")); // behind the window's back
  for (const char* button : {"btnSelect", "btnEdit", "btnDup", "btnDeleteScrpt"}) {
    SCOPED_TRACE(button);
    Pick(form, QStringLiteral("Nightly"));
    Click(form, button);
    EXPECT_FALSE(request.chosen);
    EXPECT_NE(form.result(), QDialog::Accepted);
  }
  EXPECT_EQ(maintCalls, 0);
  EXPECT_EQ(Entries(form), (QStringList{"Morning", "Nightly"}));
}

TEST_F(TfmScrptSelctTest, CancelClosesWithoutAScript) {
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  Click(form, "Button1");
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_FALSE(request.chosen);
}

TEST_F(TfmScrptSelctTest, SelectScrptShowsTheListForTheMachine) {
  ScopedForm<ScrptListRequest> list([](ScrptListRequest& r) {
    EXPECT_EQ(r.machine->MachineId, QStringLiteral("Front"));
    EXPECT_TRUE(r.maintenanceOnly);
    r.chosen = LoadScrpt(QStringLiteral("Morning"));
    return ScrptForms::FormOk;
  });
  std::unique_ptr<tScrpt> chosen = SelectScrpt(front.get(), driver.get(), true);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->ScrptID(), QStringLiteral("Morning"));
  EXPECT_EQ(ScrptMachineId(), QStringLiteral("Front"));
}

// Listing previews the listed scripts through the report engine's preview. With
// TB_SCREENSHOT_DIR set, the preview's first page is saved there as "script-listing.png".
TEST_F(TfmScrptSelctTest, ListingPreviewsTheListedScriptsOnTheEnginesPages) {
  InsertScrpt(*MakeScrpt(QStringLiteral("Big"), QString(60, QLatin1Char('P'))));
  ScrptListRequest request = Request(false);
  TfmScrptSelct form(request);
  QList<QStringList> pages;
  int shown = 0;
  ScopedForm<RptPreviewRequest> preview([&](RptPreviewRequest& r) {
    ++shown;
    std::optional<RptPageModel> model = r.model ? r.model : r.report.Generate();
    if (!model) return 0;
    for (const RptPage& page : model->pages) pages << RptTextRenderer::PageLines(page, model->setup);
    const QByteArray dir = qgetenv("TB_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
      TRptPreviewForm window(r.report, *model);
      window.resize(700, 800);
      window.show();
      window.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/script-listing.png"));
    }
    return 1;
  });
  Click(form, "btnListing");
  EXPECT_EQ(shown, 1);
  ASSERT_EQ(pages.size(), 2) << "the capped record of 58 lines fills the first page";
  EXPECT_TRUE(pages[0][0].startsWith(QStringLiteral("     03/04/2026 10:30:00 AM"))) << pages[0][0].toStdString();
  ASSERT_EQ(pages[0].size(), 2 + 58);
  EXPECT_TRUE(pages[0][2].startsWith(QStringLiteral("     Big                   REPORT POLL - Financial")));
  EXPECT_EQ(pages[0].last().trimmed(), QStringLiteral("More Events Not Listed."));
  EXPECT_TRUE(pages[1][0].endsWith(QStringLiteral("Page 2")));
  EXPECT_TRUE(pages[1][2].startsWith(QStringLiteral("     Morning"))) << pages[1][2].toStdString();
}

TEST_F(TfmScrptSelctTest, Screenshot) {
  ScrptListRequest request = Request(true);
  TfmScrptSelct form(request);
  form.show();
  ASSERT_TRUE(form.grab().save(QDir::temp().filePath(QStringLiteral("TfmScrptSelct.png"))));
}
} // namespace
