// The About box with and without the pre-release notice, without version data, and over
// a damaged attachment.
#include "AttachmentWriter.h"
#include "SetupFormsFixture.h"
#include "TestSupport.h"

#include "app/setup/SystemInfo.h"
#include "app/setup/VersionResource.h"
#include "app/setup/forms/TAboutBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class AboutBoxTest : public SetupFormsFixture {
protected:
  // A program file with a pre-release session appended.
  QString ProgramWith(const QByteArray& noticeText, bool damage = false) {
    QByteArray exe(2000, 'x');
    const qint64 first = exe.size();
    AttachmentWriter::AppendSession(exe, QStringLiteral("PreReleaseData"), {{QStringLiteral("Data"), noticeText}});
    if (damage) exe[first + 544] = static_cast<char>(exe[first + 544] ^ 0x20); // the zlib header
    const QString path = files.filePath(QStringLiteral("polling"));
    TestSupport::WriteFile(path, exe);
    return path;
  }
  static QString Text(QWidget& form, const char* label) { return Find<QLabel>(form, label)->text(); }
  static bool NoticeShown(QWidget& form) { return Find<QLabel>(form, "lblPreRelease")->isVisibleTo(&form); }

  QTemporaryDir files;
};

TEST_F(AboutBoxTest, ThePreReleaseNoticeShowsForAProgramCarryingIt) {
  TAboutBox form(nullptr, ProgramWith("PRERELEASE\r\n"));
  form.show();
  EXPECT_EQ(form.windowTitle(), QStringLiteral("About Polling"));
  EXPECT_TRUE(NoticeShown(form));
  EXPECT_EQ(Text(form, "lblPreRelease"), QStringLiteral("Pre-Release Version"));
  EXPECT_TRUE(prompter.shown.isEmpty());
  Shoot(form, "about-prerelease.png");
}

TEST_F(AboutBoxTest, AReleaseProgramOpensWithVersionAndMachineAndNoNoticeOrError) {
  TAboutBox form; // the running program: its build's version, nothing appended
  form.show();
  EXPECT_FALSE(NoticeShown(form));
  EXPECT_TRUE(prompter.shown.isEmpty());
  EXPECT_EQ(Text(form, "ProductName"), QStringLiteral("tillbridge"));
  EXPECT_EQ(Text(form, "Version"), QStringLiteral(TB_TEST_PROJECT_VERSION));
  EXPECT_EQ(Text(form, "lblOS"), SystemInfo::OperatingSystemLine());
  EXPECT_TRUE(Text(form, "lblMemory").endsWith(QStringLiteral(" KB")));
  Shoot(form, "about.png");
}

TEST_F(AboutBoxTest, ANoticeOfOtherTextIsNoNotice) {
  TAboutBox form(nullptr, ProgramWith("prerelease\r\n"));
  EXPECT_FALSE(NoticeShown(form));
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(AboutBoxTest, WithoutVersionDataTheLabelsKeepTheirOwnTextsSilently) {
  ScopedProgramVersionResource none(std::nullopt);
  TAboutBox form;
  EXPECT_EQ(Text(form, "ProductName"), QStringLiteral("Product Name"));
  EXPECT_EQ(Text(form, "Version"), QStringLiteral("Version"));
  EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(AboutBoxTest, ADamagedAttachmentIsReportedAndTheBoxOpensWithoutTheNotice) {
  TAboutBox form(nullptr, ProgramWith("PRERELEASE\r\n", true));
  form.show();
  EXPECT_FALSE(NoticeShown(form));
  ASSERT_EQ(prompter.shown.size(), 1);
  EXPECT_TRUE(prompter.shown[0].text.startsWith(QStringLiteral("Extract error on Data"))) << prompter.shown[0].text.toStdString();
}
} // namespace

#include "app/setup/SetupForms.h"
#include "platform/sys/FormRegistry.h"

namespace {
TEST_F(AboutBoxTest, TheThreeSetupWindowsAreRegistered) {
  EXPECT_TRUE(FormRegistry::Has<PreferencesRequest>());
  EXPECT_TRUE(FormRegistry::Has<CommSetupRequest>());
  EXPECT_TRUE(FormRegistry::Has<AboutRequest>());
}
} // namespace
