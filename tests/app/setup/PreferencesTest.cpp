// Preferences loaded from and stored to the settings file and the job queue, and the
// History.txt of "Communications Setup".
#include "JobsFixture.h"
#include "SetupIni.h"
#include "TestSupport.h"

#include "app/setup/HistoryTxt.h"
#include "app/setup/Preferences.h"
#include "model/EInOutError.h"
#include "store/odb/StorageGlobals.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QFile>
#include <functional>

namespace {
class PreferencesTest : public JobsFixture {
protected:
  PreferencesTest() { QFile::remove(SettingsFilePath()); }
  static QSet<QString> Set(std::initializer_list<const char*> lines) {
    QSet<QString> set;
    for (const char* line : lines) set.insert(QString::fromLatin1(line));
    return set;
  }
};

TEST_F(PreferencesTest, WithoutASettingsFileTheDefaultsAndTheQueuesRetriesShow) {
  const Preferences p = LoadPreferences();
  Preferences expected;
  expected.initRetry = 1;
  expected.defRetry = 1;
  expected.waitTime = 30;
  EXPECT_EQ(p, expected);
}

TEST_F(PreferencesTest, StoredValuesLoadBack) {
  {
    auto ini = OpenSettingsFile(QStringLiteral("CRSExport"));
    ini->WriteBoolean(QStringLiteral("Headers"), true);
    ini->WriteInteger(QStringLiteral("ListingIndex"), 2);
  }
  OpenSettingsFile(QStringLiteral("ExportFormat"))->WriteInteger(QStringLiteral("Format"), 4);
  OpenSettingsFile(QStringLiteral("CalendarFiles"))->WriteBoolean(QStringLiteral("Active"), true);
  OpenSettingsFile(QStringLiteral("Reporting"))->WriteString(QStringLiteral("CRS3000Fncl"), QStringLiteral("true"));
  OpenSettingsFile(QStringLiteral("History"))->WriteInteger(QStringLiteral("WaitTime"), 45);
  const Preferences p = LoadPreferences();
  EXPECT_EQ(p.exportFormat, 4);
  EXPECT_TRUE(p.calendarActive);
  EXPECT_TRUE(p.crs3000Fncl);
  EXPECT_TRUE(p.crsHeaders);
  EXPECT_EQ(p.listingIndex, 2);
  EXPECT_EQ(p.waitTime, 45);
}

TEST_F(PreferencesTest, TheRetriesShownAreTheQueuesNotTheSettingsFiles) {
  OpenSettingsFile(QStringLiteral("History"))->WriteInteger(QStringLiteral("WaitTime"), 45);
  history().SetWaitTime(77); // changed in "Communications Setup" for this run
  EXPECT_EQ(LoadPreferences().waitTime, 77);
}

TEST_F(PreferencesTest, StoringWritesTheKeysAndAnExportKeyOnlyWhenItChanged) {
  const QSet<QString> always = Set({"History/InitRetry=1", "History/DefRetry=1", "History/WaitTime=30",
                                    "ExportFormat/Format=0", "CalendarFiles/Active=FALSE",
                                    "Reporting/CRS3000Fncl=FALSE"});
  struct Case {
    const char* what;
    std::function<void(Preferences&)> change;
    QSet<QString> export_;
  };
  const QList<Case> cases = {
      {"nothing", [](Preferences&) {}, {}},
      {"the listing option", [](Preferences& p) { p.listingIndex = 2; }, Set({"CRSExport/ListingIndex=2"})},
      {"the column headers", [](Preferences& p) { p.crsHeaders = true; }, Set({"CRSExport/Headers=TRUE"})},
      {"both", [](Preferences& p) { p.crsHeaders = true; p.listingIndex = 1; },
       Set({"CRSExport/Headers=TRUE", "CRSExport/ListingIndex=1"})},
  };
  for (const Case& c : cases) {
    QFile::remove(SettingsFilePath());
    const Preferences shown = LoadPreferences();
    Preferences chosen = shown;
    c.change(chosen);
    StorePreferences(shown, chosen);
    EXPECT_EQ(SetupIni::Lines(), always + c.export_) << c.what;
  }
}

TEST_F(PreferencesTest, AHeadersKeySetBackToWhatWasShownStaysAbsent) {
  const Preferences shown = LoadPreferences();
  Preferences chosen = shown;
  chosen.crsHeaders = !chosen.crsHeaders;
  chosen.crsHeaders = !chosen.crsHeaders;
  StorePreferences(shown, chosen);
  EXPECT_TRUE(OpenSettingsFile(QStringLiteral("CRSExport"))->ReadBoolean(QStringLiteral("Headers"), true));
}

TEST_F(PreferencesTest, StoringHandsTheRetriesToTheQueue) {
  const Preferences shown = LoadPreferences();
  Preferences chosen = shown;
  chosen.initRetry = 7;
  chosen.defRetry = 0;
  chosen.waitTime = 999;
  StorePreferences(shown, chosen);
  EXPECT_EQ(history().GetInitRetry(), 7);
  EXPECT_EQ(history().GetDefRetry(), 0);
  EXPECT_EQ(history().GetWaitTime(), 999);
  EXPECT_TRUE(SetupIni::Lines().contains(QStringLiteral("History/WaitTime=999")));
}

TEST_F(PreferencesTest, HistoryTxtHoldsTheTextsAsShownAndThreeFixedLines) {
  const QString path = GetAliasPath(GetDataAlias()) + QStringLiteral("/History.txt");
  TestSupport::WriteFile(path, QByteArray(500, 'x'));
  ApplyCommSetup(QStringLiteral("03"), QStringLiteral("1"), QStringLiteral("045"), 3, 1, 45);
  EXPECT_EQ(TestSupport::ReadFile(path), QByteArray("03\r\n1\r\n045\r\n100\r\n0\r\n2\r\n"));
  EXPECT_EQ(history().GetInitRetry(), 3);
  EXPECT_EQ(history().GetWaitTime(), 45);
  // The settings file is left alone.
  EXPECT_FALSE(SetupIni::Lines().contains(QStringLiteral("History/WaitTime=45")));
}

TEST_F(PreferencesTest, AHistoryTxtThatCannotBeWrittenLeavesTheQueueAlone) {
  const QString missing = dir.filePath(QStringLiteral("no/such/folder"));
  EXPECT_THROW(WriteHistoryTxt(missing, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")), EInOutError);
  // The data folder's History.txt is a folder: nothing can replace it.
  QDir().mkpath(GetAliasPath(GetDataAlias()) + QStringLiteral("/History.txt"));
  EXPECT_THROW(ApplyCommSetup(QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"), 9, 9, 9), EInOutError);
  EXPECT_EQ(history().GetInitRetry(), 1);
  EXPECT_EQ(history().GetWaitTime(), 30);
}
} // namespace
