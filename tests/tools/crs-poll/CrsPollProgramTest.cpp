// crs-poll's logon, program receive and program send, against the simulated register.
#include "CrsPollFixture.h"

#include "crs-sim/SimFault.h"
#include "crs-sim/SimFraming.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {
class CrsPollProgram : public CrsPollCli {};

// A frame as the work file keeps it: DLE STX, the body without its doubling, DLE ETX, CRC.
QByteArray Stored(const QByteArray& body) { return QByteArray("\x10\x02", 2) + body + SimFraming::DataFrame(body).right(4); }

const QList<QByteArray> kProgram20 = {Block(0, "FIRST....."), Block(0, QByteArray("SECOND\x10\x10..", 10)),
                                      Block(0, "THIRD.....")};
} // namespace

TEST_F(CrsPollProgram, LogonPrintsTheProgressTheEndAndTheTableSizesAndLeavesTheWorkFileInTheFolderGiven) {
  const PollResult r = Run({QStringLiteral("--logon")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Wire(), QStringList({Cmd("E0 0E"), "< BLK 0", "> ACK", "< EOT"}));
  ASSERT_GE(r.out.size(), 7);
  EXPECT_EQ(r.out.mid(0, 6), QStringList({"T Saving Program Memory Allocation", "P[1] E",
                                           "T Saving Program to Database Completed.", "End: Successful",
                                           "Memory allocation:", "  Rom Version: 03.02"}));
  EXPECT_TRUE(r.out.contains("  PLU: 2000"));
  EXPECT_TRUE(r.out.contains("  Time Period: 24"));
  EXPECT_EQ(r.out.last(), QStringLiteral("Work file: %1 (1 block)").arg(WorkFile()));
  QByteArray body = sim.Program(14).first();
  body[0] = 0;
  EXPECT_EQ(WorkFileBlocks(), QList<QByteArray>({Stored(body)}));
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST_F(CrsPollProgram, EveryCommandCarriesTheStoreNumberGiven) {
  sim.Stop();
  CrsSimConfig config;
  config.storeNumber = 42;
  CrsSim store42(config);
  line = store42.OpenPty();
  const PollResult r = Run({QStringLiteral("--logon"), QStringLiteral("--store"), QStringLiteral("42")});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  ASSERT_FALSE(store42.Transcript().isEmpty());
  EXPECT_EQ(store42.Transcript().first().body, QByteArray("\xE0\x0E" "0042\x01\x24", 8));
}

TEST_F(CrsPollProgram, ARegisterThatNeverAnswersFailsTheLogonAfterFiveCommandsWithTheProgressAsTheReason) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:forever")));
  const PollResult r = Run({QStringLiteral("--logon")}, 0.05); // five time-outs of 200 ms
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(Sent(), QStringList(5, Cmd("E0 0E")));
  EXPECT_EQ(r.out, QStringList({"T Saving Program Memory Allocation", "TTTTTF", "End: Failed",
                                "Work file: none (no block received)"}));
  EXPECT_EQ(r.err, QStringLiteral("crs-poll: logon failed: Saving Program Memory Allocation TTTTTF\n"));
}

TEST_F(CrsPollProgram, ReceiveKeepsTheProgramsBlocksInTheWorkFile) {
  sim.SetProgram(20, kProgram20);
  const PollResult r = Run({QStringLiteral("--receive"), QStringLiteral("20")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Wire(), QStringList({Cmd("E0 14"), "< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(r.out, QStringList({"T Saving Program 20", "P[3] P[2] P[1] E", "T Saving Program to Database Completed.",
                                "End: Successful", QStringLiteral("Work file: %1 (3 blocks)").arg(WorkFile())}));
  QList<QByteArray> expected;
  for (int i = 0; i < 3; ++i) {
    QByteArray body = kProgram20[i];
    body[0] = char(2 - i);
    expected << Stored(body);
  }
  EXPECT_EQ(WorkFileBlocks(), expected);
}

TEST_F(CrsPollProgram, NothingAllocatedIsASuccessThatLeavesNoWorkFileNotEvenAnEarlierOne) {
  QDir().mkpath(workDir);
  WriteBlockFile(WorkFile(), {Block(1, "OLD")});
  const PollResult r = Run({QStringLiteral("--receive"), QStringLiteral("30")});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Wire(), QStringList({Cmd("E0 1E"), "< EOT"}));
  EXPECT_EQ(r.out, QStringList({"T Saving Program 30", " Nothing allocated", "End: Successful",
                                "Work file: none (no block received)"}));
  EXPECT_FALSE(QFile::exists(WorkFile()));
}

TEST_F(CrsPollProgram, SendPutsTheBlockFileOnTheLineNumberedDownToZeroAndTheRegisterKeepsIt) {
  const QString file = dir.filePath(QStringLiteral("program20.ecr"));
  WriteBlockFile(file, {Block(1, "ONE.......", 1), Block(2, "TWO.......", 1), Block(3, "THREE.....", 1)});
  const PollResult r = Run({QStringLiteral("--send"), file, QStringLiteral("--program"), QStringLiteral("20")});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(Wire(), QStringList({Cmd("F0 14"), "< ACK", "> BLK 2", "< ACK", "> BLK 1", "< ACK", "> BLK 0", "< ACK",
                                 "> EOT", Cmd("A0 00"), "< STAT 00"}));
  EXPECT_EQ(sim.Program(20), QList<QByteArray>({Block(2, "ONE......."), Block(1, "TWO......."), Block(0, "THREE.....")}));
  EXPECT_EQ(r.out.mid(r.out.size() - 2),
            QStringList({"End: Successful", QStringLiteral("Work file: %1 (3 blocks)").arg(WorkFile())}));
}

TEST_F(CrsPollProgram, ASendTheRegisterKeepsRefusingFailsAfterFiveTriesOfTheBlock) {
  const QString file = dir.filePath(QStringLiteral("program20.ecr"));
  WriteBlockFile(file, {Block(1, "ONE.......")});
  sim.AddFault(SimFault::Parse(QStringLiteral("nak:cmd=F0,frame=2,times=forever")));
  const PollResult r = Run({QStringLiteral("--send"), file, QStringLiteral("--program"), QStringLiteral("20")});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(Sent(), QStringList({Cmd("F0 14"), "> BLK 0", "> BLK 0", "> BLK 0", "> BLK 0", "> BLK 0"}));
  EXPECT_EQ(r.out.mid(0, 3), QStringList({"T Sending Program 20", "ANNNNNF", "End: Failed"}));
  EXPECT_EQ(r.err, QStringLiteral("crs-poll: send program 20 failed: Sending Program 20 ANNNNNF\n"));
  EXPECT_TRUE(sim.Program(20).isEmpty());
}

TEST_F(CrsPollProgram, ABlockFileThatCannotBeReadWholeFailsTheSendBeforeAnythingGoesOnTheLine) {
  const QString damaged = dir.filePath(QStringLiteral("damaged.ecr"));
  QFile file(damaged);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("\x01\x00\x00\x00\x00\x20\x00\x00", 8)); // one block of 8192 bytes: none can be that long
  file.close();
  struct Case {
    QString file;
    QString reason;
  };
  const QString missing = dir.filePath(QStringLiteral("missing.ecr"));
  for (const Case& c : {Case{missing, QStringLiteral("Cannot open the block file %1: no such file F").arg(missing)},
                        Case{damaged, QStringLiteral("Invalid block length 8192 in block 1 of %1 F").arg(damaged)}}) {
    sim.ClearTranscript();
    const PollResult r = Run({QStringLiteral("--send"), c.file, QStringLiteral("--program"), QStringLiteral("20")});
    EXPECT_EQ(r.exitCode, 1) << c.file.toStdString();
    EXPECT_TRUE(Wire().isEmpty()) << c.file.toStdString();
    EXPECT_EQ(r.err, QStringLiteral("crs-poll: send program 20 failed: ") + c.reason + QLatin1Char('\n'));
    EXPECT_TRUE(r.out.contains(QStringLiteral("End: Failed")));
  }
}

TEST_F(CrsPollProgram, TheProgressLettersAppearWhileTheActionRuns) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:forever")));
  QProcess process;
  process.start(QStringLiteral(CRS_POLL_PROGRAM), {"--logon", "--device", line, "--work-dir", workDir, "--timing-scale", "0.1"});
  QByteArray out;
  while (!out.contains("Allocation\nT") && process.waitForReadyRead(10000)) out += process.readAllStandardOutput();
  ASSERT_TRUE(out.endsWith("Allocation\nT")) << out.constData();
  EXPECT_EQ(process.state(), QProcess::Running) << "the first time-out shows while four more are to come";
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_TRUE((out + process.readAllStandardOutput()).contains("Allocation\nTTTTTF\nEnd: Failed\n"));
}
