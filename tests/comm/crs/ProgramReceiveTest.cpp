// Receiving a program table: the command, the blocks and their acknowledgements, the
// retries, NAKs and time-outs, against the simulated register.
#include "ProtoFixture.h"
#include "ProtoStandIns.h"

#include "crs-sim/SimFault.h"

#include <atomic>
#include <unistd.h>

namespace {
using ProtoStandIns::tProtoPrg;

// Register blocks of program 20: the block number (the register replaces it), the record
// count, then 10-byte records (2-byte BCD number, 8 characters).
QByteArray Block(int first, const QStringList& texts) {
  QByteArray body;
  body += '\0';
  body += char(texts.size());
  for (const QString& text : texts) {
    body += '\0';
    body += char(((first / 10) << 4) | (first % 10));
    body += text.toLatin1().leftJustified(8, ' ');
    ++first;
  }
  return body;
}

const QStringList kTexts{"ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO", "FOXTROT", "GOLF"};

struct ReceiveCase {
  const char* name;
  QStringList faults;
  QStringList wire;  // after the command
  QStringList lines; // after "Saving Program Test Table": the letters, then what follows
  tMpMessage end;
};

void PrintTo(const ReceiveCase& c, std::ostream* os) { *os << c.name; }

const QString kE0 = QStringLiteral("> CMD E0 14 0001 0124");

QStringList Repeated(int times, const QStringList& part) {
  QStringList all;
  for (int i = 0; i < times; ++i) all += part;
  return all;
}
const QString kSaved = QStringLiteral("10:30:00 AM Saving Program to Database Completed.");

const ReceiveCase kCases[] = {
    {"ThreeBlocks", {}, {"< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"}, {"P[3] P[2] P[1] E", kSaved},
     MpmSuccessfull},
    {"LostAckIsAcknowledgedAgainAndStoredOnce",
     {"lostack:cmd=E0,frame=2"},
     {"< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     {"P[3] P[2] P[2] DP[1] E", kSaved},
     MpmSuccessfull},
    {"LostAckOfTheFirstBlock",
     {"lostack:cmd=E0,frame=1"},
     {"< BLK 2", "> ACK", "< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     {"P[3] P[3] DP[2] P[1] E", kSaved},
     MpmSuccessfull},
    {"BadCrcThenNakThenAGoodFrame",
     {"badcrc:cmd=E0,frame=1"},
     {"< BAD BLK 2", "> NAK", "< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     {"CP[3] P[2] P[1] E", kSaved},
     MpmSuccessfull},
    {"BadCrcBetweenBlocksIsNakedAtOnce",
     {"badcrc:cmd=E0,frame=2"},
     {"< BLK 2", "> ACK", "< BAD BLK 1", "> NAK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     {"P[3] CP[2] P[1] E", kSaved},
     MpmSuccessfull},
    {"NakAnsweringTheCommandSendsItAgainUncounted",
     {"nak:cmd=E0,times=6"},
     {"< NAK", kE0, "< NAK", kE0, "< NAK", kE0, "< NAK", kE0, "< NAK", kE0, "< NAK", kE0, "< BLK 2", "> ACK", "< BLK 1",
      "> ACK", "< BLK 0", "> ACK", "< EOT"},
     {"NNNNNNP[3] P[2] P[1] E", kSaved},
     MpmSuccessfull},
    {"ARegisterThatNaksEveryCommandFailsAtTheEleventhNak",
     {"nak:cmd=E0,times=forever"},
     QStringList{"< NAK"} + Repeated(10, {kE0, "< NAK"}),
     {"NNNNNNNNNNNF"},
     MpmFailed},
    {"FiveBadFramesFailAfterFourNaks",
     {"badcrc:cmd=E0,frame=any,times=forever"},
     {"< BAD BLK 2", "> NAK", "< BAD BLK 2", "> NAK", "< BAD BLK 2", "> NAK", "< BAD BLK 2", "> NAK", "< BAD BLK 2"},
     {"CCCCCF"},
     MpmFailed},
    {"ANakBetweenBlocksIsUnexpected",
     {"nak:cmd=E0,frame=2"},
     {"< BLK 2", "> ACK", "< NAK"},
     {"P[3] N", "10:30:00 AM Unexpeced NAK"},
     MpmInitial},
    {"ErrorBlockAnsweringTheCommandIsUnexpected",
     {"error:cmd=E0,code=7"},
     {"< ERR 7"},
     {"[7] ", "10:30:00 AM Unexpected Message: GotErr State: PollSntCmnd"},
     MpmInitial},
    {"EarlyEotEndsTheProgramWithWhatCame",
     {"eot:cmd=E0,frame=3"},
     {"< BLK 2", "> ACK", "< BLK 1", "> ACK", "< EOT"},
     {"P[3] P[2] E", kSaved},
     MpmSuccessfull},
};

class ProgramReceive : public ProtoFixture, public ::testing::WithParamInterface<ReceiveCase> {
protected:
  ProgramReceive() : prg(tEcrFnct::New<tProtoPrg>(&Driver())) {
    sim.SetProgram(20, {Block(1, kTexts.mid(0, 3)), Block(4, kTexts.mid(3, 3)), Block(7, kTexts.mid(6))});
  }
  std::unique_ptr<tProtoPrg> prg;
};
} // namespace

TEST_P(ProgramReceive, Scenario) {
  const ReceiveCase& c = GetParam();
  for (const QString& fault : c.faults) sim.AddFault(SimFault::Parse(fault));
  const tMpMessage end = Run([&] { module->ReceivePrg(*prg); }, c.end == MpmInitial ? 500 : 20000);
  EXPECT_EQ(end, c.end);
  EXPECT_EQ(Wire(), QStringList{kE0} + c.wire);
  EXPECT_EQ(Lines(), QStringList{T + "Saving Program Test Table"} + c.lines);
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramReceive, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {
class ProgramReceiveTable : public ProgramReceive {};
} // namespace

TEST_F(ProgramReceiveTable, ARepeatedBlockIsStoredOnce) {
  sim.AddFault(SimFault::Parse(QStringLiteral("lostack:cmd=E0,frame=2")));
  ASSERT_EQ(Run([&] { module->ReceivePrg(*prg); }), MpmSuccessfull);
  EXPECT_EQ(prg->Texts(), kTexts);
  EXPECT_EQ(module->BlkCount(), 3);
}

TEST_F(ProgramReceiveTable, AFailedReceiveLeavesTheTableAsItWas) {
  prg->Fill({"KEEP", "ME"});
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0,frame=2,times=forever")));
  ASSERT_EQ(Run([&] { module->ReceivePrg(*prg); }), MpmFailed);
  EXPECT_EQ(prg->Texts(), QStringList({"KEEP", "ME"}));
}

TEST_F(ProgramReceiveTable, ASilentRegisterGetsTheCommandFiveTimes) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:forever")));
  EXPECT_EQ(Run([&] { module->ReceivePrg(*prg); }), MpmFailed);
  EXPECT_EQ(Wire(), QStringList(5, kE0));
  EXPECT_EQ(Lines(), QStringList({T + "Saving Program Test Table", "TTTTTF"}));
}

TEST_F(ProgramReceiveTable, TheRegisterGoingQuietAfterABlockGetsTheAcknowledgementFourTimesMore) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0,frame=2,times=forever")));
  EXPECT_EQ(Run([&] { module->ReceivePrg(*prg); }), MpmFailed);
  QStringList wire = Wire();
  EXPECT_EQ(wire.mid(0, 3), QStringList({kE0, "< BLK 2", "> ACK"}));
  EXPECT_EQ(wire.mid(3), QStringList(4, "> ACK")) << wire.join('\n').toStdString();
  EXPECT_EQ(Lines()[1], "P[3] TTTTTF");
}

// The register begins its first block and stalls: the bytes that came wait in the block
// packet, not in the port. The time-out asks for the block with a NAK, and drops what came
// of it, so the block the repeated command brings is read whole.
TEST_F(ProgramReceiveTable, ATimeOutWhileABlockIsArrivingIsNakedAndItsStartDropped) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0,n=1")));
  std::atomic<bool> begun{false};
  sim.SetObserver([&](const SimTranscriptEntry& e) {
    if (!e.sent && !begun.exchange(true)) {
      ASSERT_EQ(::write(pty.Master(), "\x10\x02\x02\x03\x00", 5), 5);
    }
  });
  EXPECT_EQ(Run([&] { module->ReceivePrg(*prg); }), MpmSuccessfull);
  EXPECT_EQ(Wire(), QStringList({kE0, "> NAK", kE0, "< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(Lines(), QStringList({T + "Saving Program Test Table", "GTP[3] P[2] P[1] E", kSaved}));
  EXPECT_EQ(prg->Texts(), kTexts);
}
