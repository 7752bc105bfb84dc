// Each injected fault does what it says on the line.
#include "SimExchangeFixture.h"

#include "crs-sim/SimFault.h"

using TestSupport::Hex;

namespace {
const QList<QByteArray> kBlocks = {Hex("01 01 AA"), Hex("02 01 BB"), Hex("03 01 CC")};

bool CrcMatches(const QByteArray& frame) {
  const QByteArray body = SimFraming::Unstuff(frame.mid(2, frame.size() - 6));
  return SimFraming::DataFrame(body) == frame;
}
} // namespace

class SimFaults : public SimExchange {
protected:
  SimFaults() {
    sim.SetReport(50, kBlocks);
    sim.SetProgram(1, kBlocks);
  }
  void Fault(const char* text) { sim.AddFault(SimFault::Parse(QLatin1String(text))); }
  QByteArray Block(int index) { return Frame(Numbered(kBlocks[index], 2 - index)); }
};

TEST_F(SimFaults, BadCrcOnABlockThenTheRepeatIsGood) {
  Fault("badcrc:cmd=D0,frame=2");
  EXPECT_EQ(Ask(Command(0xD0, 50)), Block(0));
  const QByteArray bad = Ask(ACK);
  EXPECT_FALSE(CrcMatches(bad));
  EXPECT_EQ(bad.chopped(2), Block(1).chopped(2)); // only the CRC differs
  EXPECT_EQ(Ask(NAK), Block(1));
  EXPECT_EQ(Ask(ACK), Block(2));
  EXPECT_EQ(Ask(ACK), EOT);
}

TEST_F(SimFaults, NakInPlaceOfTheAcks) {
  Fault("nak:cmd=F0,frame=1");
  Fault("nak:cmd=F0,frame=2");
  EXPECT_EQ(Ask(Command(0xF0, 4)), NAK);
  EXPECT_EQ(Ask(Command(0xF0, 4)), ACK); // the command again, as the system resends it
  const QByteArray block = Frame(Numbered(kBlocks[0], 0));
  EXPECT_EQ(Ask(block), NAK); // not taken
  EXPECT_EQ(Ask(block), ACK);
  line.Send(EOT);
  ASSERT_TRUE(line.Quiet(50));
  EXPECT_EQ(sim.Program(4), QList<QByteArray>({Numbered(kBlocks[0], 0)}));
}

TEST_F(SimFaults, NakInPlaceOfABlockThenTheBlockOnTheNextAck) {
  Fault("nak:cmd=E0,frame=2");
  EXPECT_EQ(Ask(Command(0xE0, 1)), Block(0));
  EXPECT_EQ(Ask(ACK), NAK);
  EXPECT_EQ(Ask(ACK), Block(1)); // the system repeats its ACK after a NAK
}

TEST_F(SimFaults, SilenceToSomeCommands) {
  Fault("silence:cmd=E0,times=2");
  line.Send(Command(0xE0, 1));
  EXPECT_TRUE(line.Quiet(100));
  line.Send(Command(0xE0, 1));
  EXPECT_TRUE(line.Quiet(100));
  EXPECT_EQ(Ask(Command(0xE0, 1)), Block(0));
}

TEST_F(SimFaults, SilenceFromNowOn) {
  EXPECT_EQ(Ask(Command(0xB0, 33)), ACK);
  Fault("silence:forever");
  for (const QByteArray& frame : {Command(0xA0, 0), NAK, Command(0xE0, 1), ACK})
    line.Send(frame);
  EXPECT_TRUE(line.Quiet(150));
  sim.ClearFaults();
  EXPECT_EQ(Ask(Command(0xE0, 1)), Block(0));
}

TEST_F(SimFaults, LostAckSendsTheSameBlockAgainByteForByte) {
  Fault("lostack:cmd=E0,frame=2");
  EXPECT_EQ(Ask(Command(0xE0, 1)), Block(0));
  const QByteArray first = Ask(ACK);
  EXPECT_EQ(first, Block(1));
  const qint64 acked = SimLineDriver::NowUs();
  line.Send(ACK); // this ACK is lost
  const QByteArray again = line.Frame(1000);
  EXPECT_EQ(again, first);
  EXPECT_GE(SimLineDriver::NowUs() - acked, 35 * 1000); // after the register's own wait of 40 ms
  EXPECT_EQ(Ask(ACK), Block(2));
  EXPECT_EQ(Ask(ACK), EOT);
}

TEST_F(SimFaults, ANakWhileWaitingForALostAckRepeatsAtOnce) {
  Fault("lostack:cmd=D0,frame=1");
  EXPECT_EQ(Ask(Command(0xD0, 50)), Block(0));
  line.Send(ACK);
  EXPECT_EQ(Ask(NAK), Block(0));
  EXPECT_TRUE(line.Quiet(100)); // the register's own repeat was called off
  EXPECT_EQ(Ask(ACK), Block(1));
}

TEST_F(SimFaults, SkippedBlockLeavesAGapInTheNumbers) {
  Fault("skip:cmd=D0,frame=2");
  EXPECT_EQ(Ask(Command(0xD0, 50)), Block(0)); // block 2
  EXPECT_EQ(Ask(ACK), Block(2));               // block 0: block 1 is missing
  EXPECT_EQ(Ask(ACK), EOT);
}

TEST_F(SimFaults, ErrorBlockEndsTheExchange) {
  Fault("error:cmd=D0,frame=1,code=7");
  const QByteArray error = Ask(Command(0xD0, 50));
  EXPECT_EQ(error.size(), 10); // below 12 bytes: read as an error block
  EXPECT_EQ(quint8(error[4]), 0xFF);
  EXPECT_EQ(quint8(error[5]), 7);
  EXPECT_TRUE(CrcMatches(error));
  line.Send(ACK);
  EXPECT_TRUE(line.Quiet(100));
}

TEST_F(SimFaults, EarlyEotAfterSomeBlocks) {
  Fault("eot:cmd=E0,frame=2");
  EXPECT_EQ(Ask(Command(0xE0, 1)), Block(0));
  EXPECT_EQ(Ask(ACK), EOT);
  line.Send(ACK);
  EXPECT_TRUE(line.Quiet(100));
}

TEST_F(SimFaults, OnlyTheNamedOccurrenceOfACommand) {
  Fault("badcrc:cmd=A0,n=2");
  EXPECT_TRUE(CrcMatches(Ask(Command(0xA0, 0))));
  EXPECT_FALSE(CrcMatches(Ask(Command(0xA0, 0))));
  EXPECT_TRUE(CrcMatches(Ask(Command(0xA0, 0))));
  EXPECT_TRUE(sim.PendingFaults().isEmpty());
}
