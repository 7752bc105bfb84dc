#include "store/settings/SettingsFile.h"

#include "platform/sys/Folders.h"
#include "platform/sys/EUserAbort.h"
#include "store/settings/TUtRegIni.h"
#include "store/settings/UtMessages.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
// Each test starts without the common folder and leaves none behind.
class SettingsFileTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_FALSE(Folders::CommonFolderExists()); }
  void TearDown() override { QDir(Folders::CommonFolder()).removeRecursively(); }
  static void makeCommonFolder() { ASSERT_TRUE(QDir().mkpath(Folders::CommonFolder())); }
};

TEST_F(SettingsFileTest, FileNameFollowsTheDataAlias) {
  EXPECT_EQ(GetDataAlias(), QStringLiteral("V6_CRS_DATA"));
  const struct {
    const char* alias;
    const char* file;
  } cases[] = {
      {"V6_CRS_DATA", "vaze424.cgr"},   {"V6_SAMSUNG_DATA", "ipsa424.cgr"}, {"V6_SHARP_DATA", "ipsh424.cgr"},
      {"V6_TEC_DATA", "ipte424.cgr"},   {"OTHER", ""},                      {"v6_crs_data", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SettingsFileName(QString::fromLatin1(c.alias)), QString::fromLatin1(c.file)) << c.alias;
}

TEST_F(SettingsFileTest, BesideTheExecutableWithoutTheCommonFolder) {
  EXPECT_EQ(SettingsFilePath(), Folders::ExecutableFolder() + QStringLiteral("/vaze424.cgr"));
  EXPECT_EQ(SettingsFilePath(QStringLiteral("V6_TEC_DATA")),
            Folders::ExecutableFolder() + QStringLiteral("/ipte424.cgr"));
  EXPECT_EQ(SettingsFilePath(QStringLiteral("OTHER")), Folders::ExecutablePath() + QStringLiteral(".cgr"));
}

TEST_F(SettingsFileTest, InTheCommonFolderWhenItExists) {
  makeCommonFolder();
  EXPECT_EQ(SettingsFilePath(), Folders::CommonFolder() + QStringLiteral("/vaze424.cgr"));
  EXPECT_EQ(SettingsFilePath(QStringLiteral("V6_SHARP_DATA")),
            Folders::CommonFolder() + QStringLiteral("/ipsh424.cgr"));
  // An alias outside the table always has its file beside the executable.
  EXPECT_EQ(SettingsFilePath(QStringLiteral("OTHER")), Folders::ExecutablePath() + QStringLiteral(".cgr"));
}

TEST_F(SettingsFileTest, OpeningASectionCreatesItAndSelectsIt) {
  makeCommonFolder();
  {
    auto store = OpenSettingsFile(QStringLiteral("History"));
    EXPECT_EQ(store->FileName(), SettingsFilePath());
    EXPECT_EQ(store->CurrentSection(), QStringLiteral("History"));
    EXPECT_EQ(store->ReadInteger(QStringLiteral("WaitTime"), 30), 30);
  }
  EXPECT_EQ(TestSupport::ReadFile(SettingsFilePath()), QByteArray("[History]\r\n"));
  OpenSettingsFile(QStringLiteral("history"))->WriteInteger(QStringLiteral("WaitTime"), 45);
  EXPECT_EQ(OpenSettingsFile(QStringLiteral("HISTORY"))->ReadInteger(QStringLiteral("WaitTime"), 30), 45);
  EXPECT_EQ(TestSupport::ReadFile(SettingsFilePath()), QByteArray("[History]\r\nWaitTime=45\r\n"));
}

TEST_F(SettingsFileTest, OpeningWithoutASectionNameRaises) {
  makeCommonFolder();
  try {
    OpenSettingsFile(QString());
    FAIL() << "no error";
  } catch (const EUtRegIniError& e) {
    EXPECT_EQ(e.ErrorCode(), 9);
  }
}

TEST_F(SettingsFileTest, ReadAndWrittenBesideTheExecutable) {
  const QString beside = Folders::ExecutableFolder() + QStringLiteral("/vaze424.cgr");
  QFile::remove(beside);
  OpenSettingsFile(QStringLiteral("Reports"))->WriteBoolean(QStringLiteral("Zero Skip"), false);
  const QByteArray written = TestSupport::ReadFile(beside);
  EXPECT_FALSE(OpenSettingsFile(QStringLiteral("Reports"))->ReadBoolean(QStringLiteral("Zero Skip"), true));
  QFile::remove(beside);
  EXPECT_EQ(written, QByteArray("[Reports]\r\nZero Skip=FALSE\r\n"));
}

TEST(EUserAbort, Message) {
  const EUserAbort abort;
  EXPECT_EQ(abort.Message(), QStringLiteral("User Abort"));
  EXPECT_STREQ(abort.ClassName(), "EUserAbort");
}
} // namespace
