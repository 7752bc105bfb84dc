// The version data reader, the machine lines of the About box and the pre-release notice.
#include "AttachmentWriter.h"
#include "TestSupport.h"

#include "app/setup/AboutInfo.h"
#include "app/setup/SystemInfo.h"
#include "app/setup/TUtVersionInfo.h"
#include "app/setup/TZorvExeAttachment.h"
#include "app/setup/ZorvErrors.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
template <class E>
QString MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const E& e) {
    return e.Message();
  }
  return QStringLiteral("<no error>");
}

TEST(VersionInfo, TheRunningProgramHasTheBuildsVersion) {
  TUtVersionInfo info;
  EXPECT_EQ(info.FileName(), QCoreApplication::applicationFilePath());
  EXPECT_EQ(info.ProductName(), QStringLiteral("tillbridge"));
  EXPECT_TRUE(info.FileVersion().contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))))
      << info.FileVersion().toStdString();
  EXPECT_EQ(info.FileVersionMS() >> 16, info.FileVersion().section(QLatin1Char('.'), 0, 0).toUInt());
  EXPECT_EQ(info.TextPath(), QStringLiteral("StringFileInfo\\040904E4\\"));
  EXPECT_EQ(info.TranslationCount(), 1);
  EXPECT_EQ(info.LegalTrademarks(), QString()); // a standard text it lacks is empty
  EXPECT_EQ(info.Version(), QStringLiteral("2.03"));
}

TEST(VersionInfo, FileNameErrorsAndOtherFiles) {
  QTemporaryDir dir;
  TUtVersionInfo info;
  const QString missing = dir.filePath(QStringLiteral("none"));
  EXPECT_EQ(MessageOf<EUtVersionInfoError>([&] { info.SetFileName(missing); }), QStringLiteral("Error opening file"));
  EXPECT_EQ(info.FileName(), QCoreApplication::applicationFilePath()); // unchanged
  const QString other = dir.filePath(QStringLiteral("other"));
  TestSupport::WriteFile(other, "not a program");
  info.SetFileName(other);
  EXPECT_EQ(MessageOf<EUtVersionInfoError>([&] { info.ProductName(); }),
            QStringLiteral("File does not contain version info"));
  info.SetFileName(QString()); // back to the program: read again
  EXPECT_EQ(info.ProductName(), QStringLiteral("tillbridge"));
}

TEST(VersionInfo, ANamedTextItLacksRaisesTheKeyError) {
  TUtVersionInfo info;
  EXPECT_EQ(info.Text(QStringLiteral("ProductName")), QStringLiteral("tillbridge"));
  try {
    info.Text(QStringLiteral("SpecialBuild"));
    ADD_FAILURE() << "no error";
  } catch (const EUtVersionInfoKeyError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("The specified key cannnot be found in version info"));
    EXPECT_STREQ(e.ClassName(), "EUtVersionInfoError");
  }
}

TEST(VersionInfo, AProgramWithoutVersionDataRaisesOnFirstRead) {
  ScopedProgramVersionResource none(std::nullopt);
  TUtVersionInfo info;
  EXPECT_EQ(MessageOf<EUtVersionInfoError>([&] { info.FileVersion(); }),
            QStringLiteral("File does not contain version info"));
}

TEST(AboutInfo, MissingVersionDataLeavesTheVersionTextsUnsetWithoutAnError) {
  {
    const AboutInfo info = GatherAboutInfo(QCoreApplication::applicationFilePath());
    EXPECT_EQ(info.productName, QStringLiteral("tillbridge"));
    EXPECT_FALSE(info.memory.isEmpty());
    EXPECT_FALSE(info.operatingSystem.isEmpty());
  }
  ScopedProgramVersionResource none(std::nullopt);
  const AboutInfo info = GatherAboutInfo(QCoreApplication::applicationFilePath());
  EXPECT_FALSE(info.productName.has_value());
  EXPECT_FALSE(info.fileVersion.has_value());
}

TEST(AboutInfo, MachineLines) {
  EXPECT_EQ(SystemInfo::MemoryText(16384000), QStringLiteral("16,384,000 KB"));
  EXPECT_EQ(SystemInfo::MemoryText(999), QStringLiteral("999 KB"));
  EXPECT_EQ(SystemInfo::MemoryText(1000), QStringLiteral("1,000 KB"));
  EXPECT_EQ(SystemInfo::OperatingSystemLine(QStringLiteral("Debian GNU/Linux 12 (bookworm)"), QStringLiteral("linux"),
                                            QStringLiteral("6.1.0-18-amd64")),
            QStringLiteral("Debian GNU/Linux 12 (bookworm) (linux 6.1.0-18-amd64)"));
  EXPECT_EQ(SystemInfo::OperatingSystemLine(QString(), QStringLiteral("linux"), QStringLiteral("6.1")),
            QStringLiteral("linux 6.1"));
  const qint64 kb = SystemInfo::PhysicalMemoryKB();
  EXPECT_GT(kb, 1024);
}

TEST(AboutInfo, TheNoticeShowsOnlyForAFirstLinePrerelease) {
  struct Case {
    const char* what;
    QByteArray data;
    bool notice;
  };
  const Case cases[] = {
      {"the notice", "PRERELEASE\r\n", true},
      {"without a line end", "PRERELEASE", true},
      {"a second line", "PRERELEASE\r\nbuild 7\r\n", true},
      {"other letter case", "Prerelease\r\n", false},
      {"on the second line", "\r\nPRERELEASE\r\n", false},
      {"with a blank", "PRERELEASE \r\n", false},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    QByteArray exe(300, 'p');
    AttachmentWriter::AppendSession(exe, QStringLiteral("PreReleaseData"), {{QStringLiteral("Data"), c.data}});
    TestSupport::WriteFile(dir.filePath(QStringLiteral("exe")), exe);
    TZorvExeAttachment reader;
    reader.SetExeFile(dir.filePath(QStringLiteral("exe")));
    EXPECT_EQ(HasPreReleaseNotice(reader), c.notice) << c.what;
  }
}

TEST(AboutInfo, AProgramWithoutTheSessionHasNoNoticeAndNoError) {
  TZorvExeAttachment reader; // the running test program: nothing appended
  EXPECT_FALSE(HasPreReleaseNotice(reader));
  QTemporaryDir dir;
  QByteArray exe(300, 'p');
  AttachmentWriter::AppendSession(exe, QStringLiteral("Other"), {{QStringLiteral("Data"), "PRERELEASE"}});
  TestSupport::WriteFile(dir.filePath(QStringLiteral("exe")), exe);
  reader.SetExeFile(dir.filePath(QStringLiteral("exe")));
  EXPECT_FALSE(HasPreReleaseNotice(reader));
}

TEST(AboutInfo, ADamagedNoticeItemStillRaises) {
  QTemporaryDir dir;
  QByteArray exe(300, 'p');
  AttachmentWriter::AppendSession(exe, QStringLiteral("PreReleaseData"), {{QStringLiteral("Data"), "PRERELEASE"}});
  exe[300 + 10] = 'X'; // inside the item header's name
  TestSupport::WriteFile(dir.filePath(QStringLiteral("exe")), exe);
  TZorvExeAttachment reader;
  reader.SetExeFile(dir.filePath(QStringLiteral("exe")));
  EXPECT_THROW(HasPreReleaseNotice(reader), EZorvItemPrefixFormat);
}
} // namespace
