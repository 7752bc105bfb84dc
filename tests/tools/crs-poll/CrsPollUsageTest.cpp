// crs-poll's command line: what it documents, and the clear message and status of every
// command line it cannot run.
#include "CrsPollFixture.h"

TEST(CrsPollUsage, HelpDocumentsEveryOptionAndTheExitStatuses) {
  const PollResult r = RunCrsPoll({QStringLiteral("--help")});
  EXPECT_EQ(r.exitCode, 0);
  const QString help = r.out.join('\n');
  for (const char* option : {"--logon", "--receive <code>", "--send <file>", "--program <code>", "--report <code>",
                             "--mode <mode>", "--area <area>", "--print", "--registers <range>", "--sub <bits>",
                             "--device <path>", "--port <COMn>", "--baud <rate>", "--data-bits <n>", "--parity <parity>",
                             "--stop-bits <n>", "--flow <flow>", "--store <number>", "--rom <version>",
                             "--work-dir <folder>", "--timing-scale <factor>", "--help"})
    EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
  EXPECT_TRUE(help.contains(QStringLiteral("Exit status: 0 the action succeeded")));
}

TEST(CrsPollUsage, ACommandLineItCannotRunGivesAClearMessageAndStatus2) {
  struct Case {
    QStringList arguments;
    QString message;
  };
  const QStringList line = {"--device", "/dev/null"};
  const QList<Case> cases = {
      {{}, "Give exactly one action: --logon, --receive, --send or --report"},
      {QStringList{"--logon", "--report", "33"} + line, "Give exactly one action"},
      {QStringList{"--send", "x.ecr"} + line, "--send needs --program CODE"},
      {QStringList{"--logon", "--program", "3"} + line, "--program goes with --send"},
      {QStringList{"--logon", "--mode", "reset"} + line, "--mode, --area, --print, --registers and --sub go with --report"},
      {QStringList{"--receive", "256"} + line, "--receive takes a number from 1 to 255, not \"256\""},
      {QStringList{"--report", "0"} + line, "--report takes a number from 1 to 255, not \"0\""},
      {QStringList{"--report", "33", "--registers", "3-100"} + line, "--registers takes a number from 0 to 99, not \"100\""},
      {QStringList{"--report", "33", "--registers", "3..12"} + line, "--registers takes FIRST-LAST or one register"},
      {QStringList{"--report", "33", "--mode", "erase"} + line, "--mode takes read or reset, not \"erase\""},
      {QStringList{"--report", "33", "--area", "weekly"} + line, "--area takes daily or periodic, not \"weekly\""},
      {QStringList{"--report", "35", "--sub", "256"} + line, "--sub takes a number from 0 to 255"},
      {{"--logon"}, "Give either --device PATH or --port COMn"},
      {QStringList{"--logon", "--port", "COM1"} + line, "Give either --device PATH or --port COMn"},
      {{"--logon", "--port", "COM51"}, "--port takes COM1 to COM50, not \"COM51\""},
      {{"--logon", "--port", "LPT1"}, "--port takes COM1 to COM50, not \"LPT1\""},
      {QStringList{"--logon", "--baud", "fast"} + line, "--baud takes a number from 50 to 4000000, not \"fast\""},
      {QStringList{"--logon", "--parity", "odd2"} + line, "--parity takes none or odd or even or mark or space, not \"odd2\""},
      {QStringList{"--logon", "--stop-bits", "3"} + line, "--stop-bits takes a number from 1 to 2, not \"3\""},
      {QStringList{"--logon", "--flow", "xon"} + line, "--flow takes rts or none, not \"xon\""},
      {QStringList{"--logon", "--rom", "9.99"} + line, "--rom takes one of 0.61, 0.77,"},
      {QStringList{"--logon", "--store", "-1"} + line, "--store takes a number from 0 to"},
      {QStringList{"--logon", "--timing-scale", "0"} + line, "--timing-scale takes a factor above 0 and up to 100, not \"0\""},
      {QStringList{"--logon", "--frobnicate"} + line, "Unknown option 'frobnicate'."},
      {QStringList{"--logon", "extra"} + line, "Unexpected argument \"extra\""},
  };
  for (const Case& c : cases) {
    const PollResult r = RunCrsPoll(c.arguments);
    const std::string args = c.arguments.join(' ').toStdString();
    EXPECT_EQ(r.exitCode, 2) << args;
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("crs-poll: ") + c.message)) << args << "\n" << r.err.toStdString();
    EXPECT_TRUE(r.err.endsWith(QStringLiteral("Try \"crs-poll --help\".\n"))) << args;
    EXPECT_TRUE(r.out.isEmpty()) << args;
  }
}
