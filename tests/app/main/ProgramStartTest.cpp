#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
// Starts the program offscreen with the home folder given and lets it end once its main
// window is up; the exit code, or -1 when it did not end in time.
int StartProgram(const QString& home, const QStringList& extra = {}) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), home);
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
  env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  QProcess program;
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(TB_PROGRAM), QStringList{QStringLiteral("--quit-after-start")} + extra);
  if (!program.waitForFinished(30000)) {
    program.kill();
    program.waitForFinished();
    return -1;
  }
  return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

TEST(ProgramStartTest, AFirstStartOnAnEmptyHomeMakesTheDataFolderAndTheSettings) {
  QTemporaryDir home;
  QDir().mkpath(home.path() + QStringLiteral("/.config/tillbridge"));
  ASSERT_EQ(StartProgram(home.path()), 0);
  const QString data = home.path() + QStringLiteral("/.local/share/tillbridge/data");
  EXPECT_TRUE(QFile::exists(data + QStringLiteral("/tillbridge.db")));
  EXPECT_TRUE(QFile::exists(home.path() + QStringLiteral("/.config/tillbridge/vaze424.cgr")));
  // And it starts again over what the first start left.
  EXPECT_EQ(StartProgram(home.path()), 0);
}

TEST(ProgramStartTest, TheEngineConfigurationChoosesTheDataFolder) {
  QTemporaryDir home;
  QTemporaryDir elsewhere;
  const QString config = home.path() + QStringLiteral("/.config/tillbridge");
  QDir().mkpath(config);
  QFile ini(config + QStringLiteral("/engine.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[Aliases]\r\nV6_CRS_DATA=" + elsewhere.path().toLocal8Bit() + "/shop\r\n");
  ini.close();
  QDir().mkpath(elsewhere.path() + QStringLiteral("/shop"));
  ASSERT_EQ(StartProgram(home.path()), 0);
  EXPECT_TRUE(QFile::exists(elsewhere.path() + QStringLiteral("/shop/tillbridge.db")));
  EXPECT_FALSE(QFile::exists(home.path() + QStringLiteral("/.local/share/tillbridge/data/tillbridge.db")));
}

TEST(ProgramStartTest, AnUnknownOptionIsRefused) {
  QTemporaryDir home;
  EXPECT_NE(StartProgram(home.path(), {QStringLiteral("--no-such-option")}), 0);
}
} // namespace
