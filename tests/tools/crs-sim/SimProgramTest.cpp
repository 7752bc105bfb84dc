// The crs-sim program: options, the pseudo-terminal it prints, the frames it prints.
#include "crs-sim/SimFraming.h"

#include "TestSupport.h"

#include <QProcess>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using TestSupport::Hex;

#ifdef CRS_SIM_PROGRAM

namespace {
QByteArray ReadFor(int fd, int bytes, int timeoutMs) {
  QByteArray out;
  pollfd p{fd, POLLIN, 0};
  while (out.size() < bytes && poll(&p, 1, timeoutMs) > 0) {
    char buffer[256];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, n);
  }
  return out;
}
} // namespace

TEST(SimProgram, ServesAPtyPrintsFramesAndStopsOnSigterm) {
  QProcess sim;
  sim.start(QStringLiteral(CRS_SIM_PROGRAM),
            {QStringLiteral("--pty"), QStringLiteral("--status"), QStringLiteral("6"),
             QStringLiteral("--fault"), QStringLiteral("badcrc:cmd=A0")});
  ASSERT_TRUE(sim.waitForStarted(5000));
  ASSERT_TRUE(sim.waitForReadyRead(5000));
  const QByteArray path = sim.readLine().trimmed();
  ASSERT_TRUE(path.startsWith("/dev/pts/")) << path.constData();

  const int fd = open(path.constData(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios tio{};
  tcgetattr(fd, &tio);
  cfmakeraw(&tio);
  tcsetattr(fd, TCSANOW, &tio);
  const QByteArray status = Hex("10 02 A0 00 30 30 30 31 01 24 10 03 89 CD");
  ASSERT_EQ(write(fd, status.constData(), size_t(status.size())), status.size());
  const QByteArray good = SimFraming::DataFrame(Hex("00 01 60"));
  const QByteArray bad = ReadFor(fd, int(good.size()), 2000);
  EXPECT_EQ(bad.chopped(2), good.chopped(2));
  EXPECT_NE(bad, good);
  ASSERT_EQ(write(fd, "\x10\x15", 2), 2);
  EXPECT_EQ(ReadFor(fd, int(good.size()), 2000), good);

  QByteArray printed;
  for (int i = 0; i < 50 && printed.count('\n') < 4; ++i) {
    sim.waitForReadyRead(100);
    printed += sim.readAllStandardOutput();
  }
  EXPECT_TRUE(printed.contains("in  DATA  10 02 A0 00 30 30 30 31 01 24 10 03 89 CD  A0 status check")) << printed.constData();
  EXPECT_TRUE(printed.contains("out DATA  10 02 00 01 60")) << printed.constData();
  sim.terminate();
  EXPECT_TRUE(sim.waitForFinished(3000));
  EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(sim.exitCode(), 0);
  close(fd);
}

TEST(SimProgram, RefusesBadOptionsWithAMessage) {
  struct Case {
    QStringList arguments;
    const char* message;
  } cases[] = {
      {{}, "crs-sim: Give either --device PATH or --pty"},
      {{QStringLiteral("--pty"), QStringLiteral("--fault"), QStringLiteral("crash")},
       "crs-sim: Bad fault \"crash\": unknown kind \"crash\""},
      {{QStringLiteral("--pty"), QStringLiteral("--status"), QStringLiteral("1,G")},
       "crs-sim: --status takes hex digits 0 to F, not \"G\""},
      {{QStringLiteral("--device"), QStringLiteral("/nonexistent/tty")}, "crs-sim: Cannot open /nonexistent/tty"},
      {{QStringLiteral("--pty"), QStringLiteral("--fixtures"), QStringLiteral("/nonexistent")},
       "crs-sim: Fixture folder /nonexistent does not exist"},
  };
  for (const Case& c : cases) {
    QProcess sim;
    sim.start(QStringLiteral(CRS_SIM_PROGRAM), c.arguments);
    ASSERT_TRUE(sim.waitForFinished(5000)) << c.message;
    EXPECT_EQ(sim.exitCode(), 1) << c.message;
    EXPECT_TRUE(sim.readAllStandardError().startsWith(c.message)) << c.message;
  }
}

#endif
