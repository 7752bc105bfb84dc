// "Preferences": what it shows, and what OK and Cancel leave in the settings file.
#include "SetupFormsFixture.h"
#include "SetupIni.h"

#include "app/setup/ModemSetup.h"
#include "app/setup/forms/TfrmFiles.h"
#include "platform/sys/FormRegistry.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"
#include "widgets/TUlvaneEdit.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {
class PreferencesWindowTest : public SetupFormsFixture {
protected:
  static int Checked(QWidget& form, const char* group) {
    const auto buttons = Find(form, group)->findChildren<QRadioButton*>();
    for (int i = 0; i < buttons.size(); ++i)
      if (buttons[i]->isChecked()) return i;
    return -1;
  }
  static void Choose(QWidget& form, const char* group, int item) {
    Find(form, group)->findChild<QRadioButton*>(QStringLiteral("item%1").arg(item))->click();
  }
  static void Type(QWidget& form, const char* edit, const char* text) {
    auto* box = Find<TUlvaneEdit>(form, edit);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QString::fromLatin1(text));
  }
  static QSet<QString> Set(std::initializer_list<const char*> lines) {
    QSet<QString> set;
    for (const char* line : lines) set.insert(QString::fromLatin1(line));
    return set;
  }
};

TEST_F(PreferencesWindowTest, WithoutASettingsFileItShowsTheDefaultsOnTheGeneralPage) {
  TfrmFiles form;
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Preferences"));
  EXPECT_EQ(Find<QTabWidget>(form, "Notebook")->currentIndex(), 0);
  EXPECT_EQ(Find<QTabWidget>(form, "Notebook")->tabText(1), QStringLiteral("CRS Options"));
  EXPECT_EQ(Checked(form, "rgpExportType"), 0);
  EXPECT_EQ(Find<TUlvaneEdit>(form, "edtInitRetry")->text(), QStringLiteral("1"));
  EXPECT_EQ(Find<TUlvaneEdit>(form, "edtDefRetry")->text(), QStringLiteral("1"));
  EXPECT_EQ(Find<TUlvaneEdit>(form, "edtTime")->text(), QStringLiteral("30"));
  EXPECT_FALSE(Find<QCheckBox>(form, "cbxCal")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(form, "cbxCRS")->isChecked());
  EXPECT_FALSE(Find<QCheckBox>(form, "chkCrsHead")->isChecked());
  EXPECT_EQ(Checked(form, "grpCrsExpOpt"), 0);
  Shoot(form, "preferences-general.png");
  Find<QTabWidget>(form, "Notebook")->setCurrentIndex(1);
  Shoot(form, "preferences-crs-options.png");
}

TEST_F(PreferencesWindowTest, OkAndCancelAsSettingsFileDifferences) {
  const QSet<QString> always = Set({"History/InitRetry=1", "History/DefRetry=1", "History/WaitTime=30",
                                    "ExportFormat/Format=0", "CalendarFiles/Active=FALSE",
                                    "Reporting/CRS3000Fncl=FALSE"});
  struct Case {
    const char* what;
    std::function<void(QWidget&)> change;
    int page; // the page showing when the button is pressed
    const char* button;
    QSet<QString> expected; // the file's lines afterwards
  };
  using W = QWidget&;
  const QList<Case> cases = {
      {"nothing, OK", [](W) {}, 0, "btnOK", always},
      {"listing option, General showing", [](W f) { Choose(f, "grpCrsExpOpt", 2); }, 0, "btnOK",
       always + Set({"CRSExport/ListingIndex=2"})},
      {"listing option, CRS Options showing", [](W f) { Choose(f, "grpCrsExpOpt", 1); }, 1, "btnOK",
       always + Set({"CRSExport/ListingIndex=1"})},
      {"column headers, General showing", [](W f) { Find<QCheckBox>(f, "chkCrsHead")->click(); }, 0, "btnOK",
       always + Set({"CRSExport/Headers=TRUE"})},
      {"headers on and off again", [](W f) {
         Find<QCheckBox>(f, "chkCrsHead")->click();
         Find<QCheckBox>(f, "chkCrsHead")->click();
       }, 1, "btnOK", always},
      {"export type", [](W f) { Choose(f, "rgpExportType", 4); }, 0, "btnOK",
       always - Set({"ExportFormat/Format=0"}) + Set({"ExportFormat/Format=4"})},
      {"calendar and financial, CRS Options showing", [](W f) {
         Find<QCheckBox>(f, "cbxCal")->click();
         Find<QCheckBox>(f, "cbxCRS")->click();
       }, 1, "btnOK",
       always - Set({"CalendarFiles/Active=FALSE", "Reporting/CRS3000Fncl=FALSE"}) +
           Set({"CalendarFiles/Active=TRUE", "Reporting/CRS3000Fncl=TRUE"})},
      {"retries typed, an empty time", [](W f) {
         Type(f, "edtInitRetry", "7");
         Type(f, "edtDefRetry", "12");
         Type(f, "edtTime", "");
       }, 0, "btnOK",
       Set({"History/InitRetry=7", "History/DefRetry=12", "History/WaitTime=0", "ExportFormat/Format=0",
            "CalendarFiles/Active=FALSE", "Reporting/CRS3000Fncl=FALSE"})},
      {"everything, Cancel", [](W f) {
         Choose(f, "grpCrsExpOpt", 2);
         Find<QCheckBox>(f, "chkCrsHead")->click();
         Find<QCheckBox>(f, "cbxCal")->click();
         Type(f, "edtInitRetry", "9");
       }, 1, "btnCancel", {}},
  };
  for (const Case& c : cases) {
    QFile::remove(SettingsFilePath());
    FreeTheHistory();
    TfrmFiles form;
    form.show();
    c.change(form);
    Find<QTabWidget>(form, "Notebook")->setCurrentIndex(c.page);
    Click(form, c.button);
    EXPECT_EQ(form.result(), QString::fromLatin1(c.button) == QStringLiteral("btnOK") ? QDialog::Accepted
                                                                                      : QDialog::Rejected)
        << c.what;
    EXPECT_EQ(SetupIni::Lines(), c.expected) << c.what;
  }
}

TEST_F(PreferencesWindowTest, OkHandsTheRetriesToTheQueueAndCancelDoesNot) {
  {
    TfrmFiles form;
    form.show();
    Type(form, "edtTime", "120");
    Click(form, "btnCancel");
  }
  EXPECT_EQ(history().GetWaitTime(), 30);
  TfrmFiles form;
  form.show();
  Type(form, "edtTime", "120");
  Click(form, "btnOK");
  EXPECT_EQ(history().GetWaitTime(), 120);
}

TEST_F(PreferencesWindowTest, StoredValuesShowAndAnUnknownListingIndexIsKept) {
  OpenSettingsFile(QStringLiteral("ExportFormat"))->WriteInteger(QStringLiteral("Format"), 2);
  OpenSettingsFile(QStringLiteral("CRSExport"))->WriteInteger(QStringLiteral("ListingIndex"), 7);
  OpenSettingsFile(QStringLiteral("CalendarFiles"))->WriteBoolean(QStringLiteral("Active"), true);
  TfrmFiles form;
  form.show();
  EXPECT_EQ(Checked(form, "rgpExportType"), 2);
  EXPECT_TRUE(Find<QCheckBox>(form, "cbxCal")->isChecked());
  EXPECT_EQ(Checked(form, "grpCrsExpOpt"), -1);
  Click(form, "btnOK");
  EXPECT_TRUE(SetupIni::Lines().contains(QStringLiteral("CRSExport/ListingIndex=7")));
}

TEST_F(PreferencesWindowTest, ModemSetupSaysItIsNotAvailableUntilTheTelephonySideRegistersIt) {
  TfrmFiles form;
  form.show();
  Click(form, "btnModemSetup");
  EXPECT_EQ(prompter.Texts(), QStringList{QStringLiteral("Modem setup is not available yet.")});
  int opened = 0;
  ScopedForm<ModemSetupRequest> modem([&](ModemSetupRequest&) { return ++opened; });
  Click(form, "btnModemSetup");
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(prompter.Texts().size(), 1);
}
} // namespace
