// The register's exchanges, driven over a pseudo-terminal.
#include "SimExchangeFixture.h"

#include "crs-sim/SimBlockFile.h"

using TestSupport::Hex;

namespace {
const QList<QByteArray> kProgram = {Hex("01 02 00 00 01 10 25 00"), Hex("02 02 00 00 02 10 25 00"),
                                    Hex("03 02 00 00 03 10 25 00")};
}

TEST_F(SimExchange, LogonAnswersTheMemoryAllocationThenEot) {
  const QByteArray allocation = SimBlockFile::Read(QStringLiteral(":/crs-sim/fixtures/programs/14.ecr"))[0];
  sim.SetProgram(14, {allocation});
  const QByteArray block = Ask(Hex("10 02 E0 0E 30 30 30 31 01 24 10 03 39 82"));
  EXPECT_EQ(block, Frame(Numbered(allocation, 0)));
  EXPECT_TRUE(block.contains(Hex("10 10"))); // the record's 0x10 bytes go doubled
  EXPECT_EQ(Ask(ACK), EOT);

  ASSERT_TRUE(sim.WaitFor([](const CrsSim::Entries& t) { return t.size() == 4 && t.last().IsWritten(); }, 2000));
  const CrsSim::Entries t = sim.Transcript();
  const bool sent[] = {false, true, false, true};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(t[i].sent, sent[i]) << i;
  EXPECT_EQ(t[0].note, QStringLiteral("E0 program receive 14, store 0001, registers 01..24"));
  EXPECT_EQ(t[1].wire, block);
  EXPECT_EQ(t[1].body, Numbered(allocation, 0));
  for (int i = 1; i < 4; ++i) EXPECT_GE(t[i].startUs, t[i - 1].endUs) << i;
}

TEST_F(SimExchange, ProgramBlocksCountDownToZeroAndAnEmptyProgramIsEot) {
  sim.SetProgram(1, kProgram);
  EXPECT_EQ(Ask(Command(0xE0, 1)), Frame(Numbered(kProgram[0], 2)));
  EXPECT_EQ(Ask(ACK), Frame(Numbered(kProgram[1], 1)));
  EXPECT_EQ(Ask(ACK), Frame(Numbered(kProgram[2], 0)));
  EXPECT_EQ(Ask(ACK), EOT);
  EXPECT_EQ(Ask(Command(0xE0, 9)), EOT); // nothing allocated
  EXPECT_TRUE(line.Quiet(50));
}

TEST_F(SimExchange, ProgramSendIsStoredOnEotAndReadBackTheSame) {
  sim.SetProgram(1, {});
  EXPECT_EQ(Ask(Command(0xF0, 1)), ACK);
  QList<QByteArray> sent;
  for (int n = 2; n >= 0; --n) {
    sent.append(Numbered(kProgram[2 - n], n));
    EXPECT_EQ(Ask(Frame(sent.last())), ACK);
  }
  EXPECT_TRUE(sim.Program(1).isEmpty()); // not before the EOT
  line.Send(EOT);
  EXPECT_TRUE(line.Quiet(50));
  EXPECT_EQ(sim.Program(1), sent);

  EXPECT_EQ(Ask(Command(0xE0, 1)), Frame(sent[0]));
  EXPECT_EQ(Ask(ACK), Frame(sent[1]));
  EXPECT_EQ(Ask(ACK), Frame(sent[2]));
  EXPECT_EQ(Ask(ACK), EOT);
}

TEST_F(SimExchange, ABlockSentTwiceIsKeptOnce) {
  EXPECT_EQ(Ask(Command(0xF0, 7)), ACK);
  const QByteArray second = Numbered(kProgram[0], 1);
  EXPECT_EQ(Ask(Frame(second)), ACK);
  EXPECT_EQ(Ask(Frame(second)), ACK);
  EXPECT_EQ(Ask(Frame(Numbered(kProgram[1], 0))), ACK);
  line.Send(EOT);
  ASSERT_TRUE(line.Quiet(50));
  EXPECT_EQ(sim.Program(7), QList<QByteArray>({second, Numbered(kProgram[1], 0)}));
}

TEST_F(SimExchange, ANewCommandDropsAnUnfinishedProgram) {
  sim.SetProgram(7, kProgram);
  EXPECT_EQ(Ask(Command(0xF0, 7)), ACK);
  EXPECT_EQ(Ask(Frame(Numbered(kProgram[0], 1))), ACK);
  EXPECT_EQ(Status(), 0);
  EXPECT_EQ(sim.Program(7), kProgram);
}

TEST_F(SimExchange, ReportsComeFromFixturesInEitherBlockForm) {
  const SimFixtures fixtures = SimFixtures::Load(TestSupport::DataPath(QStringLiteral("crs-sim")));
  for (int code : {33, 96}) {
    const QList<QByteArray> blocks = fixtures.reports[code];
    QByteArray answer = Ask(Command(0xD0, code));
    for (int i = 0; i < blocks.size(); ++i) {
      EXPECT_EQ(answer, Frame(Numbered(blocks[i], int(blocks.size()) - 1 - i))) << code << " block " << i;
      answer = Ask(ACK);
    }
    EXPECT_EQ(answer, EOT) << code;
  }
  EXPECT_EQ(Ask(Command(0xD0, 34)), EOT); // no fixture: no data
}

TEST_F(SimExchange, StatusFollowsWhatTheRegisterLastDid) {
  EXPECT_EQ(Status(), 0x0);
  EXPECT_EQ(Ask(Command(0xC1, 33)), EOT);
  EXPECT_EQ(Status(), 0x2); // PRE_POLL_DONE
  EXPECT_EQ(Ask(Command(0xB0, 33)), ACK);
  EXPECT_EQ(Status(), 0x6); // CLEAR_DONE
  EXPECT_EQ(Ask(Command(0xF0, 5)), ACK);
  EXPECT_EQ(Ask(Frame(Numbered(kProgram[0], 0))), ACK);
  line.Send(EOT);
  EXPECT_EQ(Status(), 0x0);
}

TEST_F(SimExchange, StatusScriptIsAnsweredInOrderThenTheDefault) {
  sim.ScriptStatus({0x1, 0x1, 0x6});
  EXPECT_EQ(Ask(Command(0xC0, 33)), EOT);
  for (int expected : {0x1, 0x1, 0x6, 0x2}) EXPECT_EQ(Status(), expected);
}

TEST_F(SimExchange, ABadCrcIsNakedAndANakRepeatsTheLastFrame) {
  QByteArray broken = Command(0xA0, 0);
  broken[broken.size() - 1] = char(broken[broken.size() - 1] ^ 0x40);
  EXPECT_EQ(Ask(broken), NAK);
  line.Send(NAK);
  EXPECT_TRUE(line.Quiet(50)); // nothing sent yet that a NAK could repeat
  sim.ScriptStatus({0x5});
  const QByteArray status = Ask(Command(0xA0, 0));
  EXPECT_EQ(status, Frame(Hex("00 01 50")));
  EXPECT_EQ(Ask(NAK), status); // the same answer, not the next one of the script
}

TEST_F(SimExchange, TheTranscriptReachesTheObserverOncePerFrame) {
  QList<QString> seen;
  std::mutex m;
  sim.SetObserver([&](const SimTranscriptEntry& e) {
    std::lock_guard lock(m);
    seen.append((e.sent ? QStringLiteral("out ") : QStringLiteral("in ")) + SimWireFrame::KindName(e.kind));
    EXPECT_TRUE(e.IsWritten());
  });
  EXPECT_EQ(Ask(Command(0xB0, 33)), ACK);
  ASSERT_TRUE(sim.WaitFor([](const CrsSim::Entries& t) { return t.size() == 2 && t[1].IsWritten(); }, 2000));
  sim.Stop();
  std::lock_guard lock(m);
  EXPECT_EQ(seen, QList<QString>({QStringLiteral("in DATA"), QStringLiteral("out ACK")}));
}

class SimStoreExchange : public SimExchange {
protected:
  SimStoreExchange() : SimExchange(StoreConfig()) {}
  static CrsSimConfig StoreConfig() {
    CrsSimConfig config = Config();
    config.storeNumber = 5;
    return config;
  }
};

TEST_F(SimStoreExchange, OnlyItsOwnStoreIsAnswered) {
  line.Send(Command(0xA0, 0, 1));
  EXPECT_TRUE(line.Quiet(100));
  EXPECT_EQ(Ask(Command(0xA0, 0, 5)), Frame(Hex("00 01 00")));
  EXPECT_TRUE(sim.Transcript().first().note.endsWith(QStringLiteral("another store's: no answer")));
}
