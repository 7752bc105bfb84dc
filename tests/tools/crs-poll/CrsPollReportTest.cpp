// crs-poll's report reads: the report parameters of the command line become the commands
// the register gets, for each family of reports.
#include "CrsPollFixture.h"

#include "crs-sim/SimFault.h"

#include <QFile>

namespace {
class CrsPollReport : public CrsPollCli {
protected:
  // Reports of one block each, so every read shows in the frames.
  void SetReports(std::initializer_list<int> codes) {
    for (int code : codes) sim.SetReport(code, {Block(0, QByteArray(12, char(code)))});
  }
};

// The consolidation's 15 data bytes with the option byte at the position.
QByteArray Options(int position, int option) {
  QByteArray data(15, '\0');
  data[position - 1] = char(option);
  return data.toHex(' ').toUpper();
}

QString Consolidate(const char* command, int position, int option, const char* range = "0124") {
  return Cmd((QByteArray(command) + ' ' + Options(position, option)).constData(), range);
}
} // namespace

TEST_F(CrsPollReport, TheParametersOfTheCommandLineReachTheRegisterForEachFamilyOfReports) {
  struct Case {
    const char* what;
    QStringList arguments;
    QStringList sent;
  };
  const QString ack = QStringLiteral("> ACK");
  const QList<Case> cases = {
      {"consolidated, read mode, daily, the default registers",
       {"--report", "33"},
       {Consolidate("C1", 1, 0x01), Cmd("A0 00"), Cmd("D0 21"), ack, Cmd("B0 21"), Cmd("A0 00")}},
      {"consolidated, reset mode, periodic, printed, registers 3 to 12",
       {"--report", "33", "--mode", "reset", "--area", "periodic", "--print", "--registers", "3-12"},
       {Consolidate("C0", 1, 0x07, "0312"), Cmd("A0 00", "0312"), Cmd("D0 21", "0312"), ack, Cmd("B0 21", "0312"),
        Cmd("A0 00", "0312")}},
      {"inventory-like in read mode: read and saved, no clear", {"--report", "96"}, {Cmd("D0 60"), ack}},
      {"the store number given, in every command", {"--report", "96", "--mode", "reset", "--store", "42"},
       {Cmd("D0 60", "0124", "0042"), ack, Cmd("B0 60", "0124", "0042"), Cmd("A0 00", "0124", "0042")}},
      {"inventory-like in reset mode: cleared after the read",
       {"--report", "96", "--mode", "reset"},
       {Cmd("D0 60"), ack, Cmd("B0 60"), Cmd("A0 00")}},
      {"time keeping with the clock punches of one register, read mode",
       {"--report", "81", "--sub", "1", "--registers", "5"},
       {Cmd("D0 51", "0505"), ack, Cmd("D0 50", "0505"), ack}},
      {"time period with two of its sub-reports",
       {"--report", "35", "--sub", "5"},
       {Consolidate("C1", 2, 0x01), Cmd("A0 00"), Cmd("D0 23"), ack, Cmd("D0 24"), ack, Cmd("D0 39"), ack, Cmd("B0 23"),
        Cmd("A0 00")}},
  };
  SetReports({33, 96, 81, 80, 35, 36, 57});
  for (const Case& c : cases) {
    sim.ClearTranscript();
    const PollResult r = Run(c.arguments);
    EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err.toStdString();
    EXPECT_EQ(Sent(), c.sent) << c.what;
    EXPECT_EQ(r.out.mid(r.out.size() - 2),
              QStringList({"End: Successful", QStringLiteral("Work file: %1 (1 block)").arg(WorkFile())}))
        << c.what;
  }
}

TEST_F(CrsPollReport, AReadKeepsEveryBlockOfTheReportInTheWorkFile) {
  sim.SetReport(33, {Block(0, "HEADER"), Block(0, "RECORD ONE"), Block(0, "RECORD TWO")});
  const PollResult r = Run({QStringLiteral("--report"), QStringLiteral("33")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.out.last(), QStringLiteral("Work file: %1 (3 blocks)").arg(WorkFile()));
  const QList<QByteArray> blocks = WorkFileBlocks();
  ASSERT_EQ(blocks.size(), 3);
  EXPECT_EQ(blocks[0].mid(2, 8), QByteArray("\x02\x01HEADER", 8));
  EXPECT_EQ(blocks[2].mid(2, 12), QByteArray("\x00\x01RECORD TWO", 12));
  EXPECT_TRUE(r.out.contains(QStringLiteral("IP[1] P[0] E"))) << r.out.join('\n').toStdString();
}

TEST_F(CrsPollReport, AReportWithoutDataSucceedsWithNoWorkFile) {
  const PollResult r = Run({QStringLiteral("--report"), QStringLiteral("33")});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Sent(), QStringList({Consolidate("C1", 1, 0x01), Cmd("A0 00"), Cmd("D0 21")}));
  EXPECT_TRUE(r.out.join('\n').contains(QStringLiteral(" No Data"))) << r.out.join('\n').toStdString();
  EXPECT_EQ(r.out.mid(r.out.size() - 2), QStringList({"End: Successful", "Work file: none (no block received)"}));
  EXPECT_FALSE(QFile::exists(WorkFile()));
}

TEST_F(CrsPollReport, ABlockOutOfSequenceFailsTheReadWithTheProgressAsTheReason) {
  sim.SetReport(33, {Block(0, "HEADER"), Block(0, "RECORD ONE"), Block(0, "RECORD TWO")});
  sim.AddFault(SimFault::Parse(QStringLiteral("skip:cmd=D0,frame=2")));
  const PollResult r = Run({QStringLiteral("--report"), QStringLiteral("33")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_FALSE(Sent().contains(Cmd("B0 21"))) << "a failed read does not clear the report";
  EXPECT_TRUE(r.out.contains(QStringLiteral("End: Failed")));
  EXPECT_EQ(r.err, QStringLiteral("crs-poll: read report 33 failed: Reading Report 33 IP[0] MF\n"));
}
