// crs-poll's line: by device path or by port name, the settings it gets, a line that
// cannot be opened, and a session that goes silent.
#include "CrsPollFixture.h"

#include "crs-sim/SimFault.h"
#include "platform/serialdev/TtyControl.h"
#include "platform/sys/Folders.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QDir>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
class CrsPollLine : public CrsPollCli {};

// A pseudo-terminal pair that the test keeps open on both ends (a register serving the
// master would see the line closed while no one holds the slave), so the line settings
// the program left on the slave can be read after it ended.
struct PtyPair {
  int master = -1;
  int slave = -1;
  QString path;
  PtyPair() {
    char name[128] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) == 0) path = QString::fromLocal8Bit(name);
  }
  ~PtyPair() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
  }
};
} // namespace

TEST_F(CrsPollLine, APortNameReachesItsDeviceThroughTheSettingsMapping) {
  QDir().mkpath(Folders::CommonFolder());
  OpenSettingsFile(QStringLiteral("ComPorts"))->WriteString(QStringLiteral("COM7"), line);
  const PollResult r = RunBare({"--logon", "--port", "COM7", "--work-dir", workDir, "--timing-scale", "0.1"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Sent(), QStringList({Cmd("E0 0E"), "> ACK"}));
}

// A pseudo-terminal keeps 8 data bits without parity whatever is asked and has no handshake
// lines, so only the rate and the stop bits show here; the other settings must at least
// leave a working line.
TEST_F(CrsPollLine, TheLineGetsTheProtocolsSettingsUnlessTheCommandLineSaysOtherwise) {
  struct Case {
    QStringList arguments;
    int baud;
    int stopBits; // 0 one, 2 two
  };
  const QList<Case> cases = {
      {{}, 9600, 0},
      {{"--baud", "19200", "--stop-bits", "2"}, 19200, 2},
      {{"--baud", "2400", "--parity", "odd", "--data-bits", "8", "--flow", "none"}, 2400, 0},
  };
  for (const Case& c : cases) {
    const std::string args = c.arguments.join(' ').toStdString();
    PtyPair pty;
    ASSERT_FALSE(pty.path.isEmpty());
    CrsSim register_;
    register_.Start(pty.master);
    const PollResult r = RunBare(QStringList{"--logon", "--device", pty.path, "--work-dir", workDir, "--timing-scale", "0.1"} +
                                 c.arguments);
    register_.Stop();
    EXPECT_EQ(r.exitCode, 0) << args << r.err.toStdString();
    SerialLineSettings settings;
    ASSERT_EQ(TtyControl::GetLine(pty.slave, settings), 0);
    EXPECT_EQ(settings.Baud, c.baud) << args;
    EXPECT_EQ(settings.StopBits, c.stopBits) << args;
    termios tio{};
    ASSERT_EQ(tcgetattr(pty.slave, &tio), 0);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u) << args << ": the handshake never holds output for CTS";
  }
}

TEST_F(CrsPollLine, ALineThatCannotBeOpenedGivesStatus3AndSaysWhichLine) {
  const QString missing = dir.filePath(QStringLiteral("no-such-tty"));
  const PollResult r = RunBare({"--logon", "--device", missing, "--work-dir", workDir});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_TRUE(r.err.startsWith(QStringLiteral("crs-poll: Cannot open the line %1: ").arg(missing))) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(CrsPollLine, ASessionThatGoesSilentEndsThroughTheWatchdog) {
  // An error block answering the receive command is no event the receive waits for: the
  // module writes it off as unexpected and waits on, with its block timer off.
  sim.AddFault(SimFault::Parse(QStringLiteral("error:cmd=E0,code=7")));
  const PollResult r = Run({QStringLiteral("--logon")}, 0.03); // the watchdog looks every 1.8 s
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(Sent(), QStringList({Cmd("E0 0E")}));
  EXPECT_TRUE(r.out.contains(QStringLiteral("End: No activity"))) << r.out.join('\n').toStdString();
  EXPECT_EQ(r.err, QStringLiteral("crs-poll: logon failed: no progress for 1800 ms\n"));
}
