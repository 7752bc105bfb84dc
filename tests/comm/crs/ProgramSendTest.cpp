// Sending a program table: the command, the blocks numbered down to 0, their
// acknowledgements and re-sends, the closing DLE EOT and the status check that decides.
#include "ProtoFixture.h"
#include "ProtoStandIns.h"

#include "LinkTestSupport.h"
#include "TestSupport.h"
#include "crs-sim/SimFault.h"
#include "crs-sim/SimFraming.h"

namespace {
using ProtoStandIns::tProtoPrg;

const QStringList kTexts{"ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO", "FOXTROT", "GOLF"};
const QString kF0 = QStringLiteral("> CMD F0 14 0001 0124");
const QString kA0 = QStringLiteral("> CMD A0 00 0001 0124");
const QStringList kBlocks{"> BLK 2", "< ACK", "> BLK 1", "< ACK", "> BLK 0", "< ACK", "> EOT", kA0};

struct SendCase {
  const char* name;
  QStringList faults;
  QList<int> statuses;
  QStringList wire;
  QStringList lines; // after the first
  tMpMessage end;
};

void PrintTo(const SendCase& c, std::ostream* os) { *os << c.name; }

const SendCase kCases[] = {
    {"ThreeBlocksThenEotAndTheStatus",
     {},
     {},
     QStringList{kF0, "< ACK"} + kBlocks + QStringList{"< STAT 00"},
     {"AAAA", "Status Check", "E"},
     MpmSuccessfull},
    {"ANakedBlockGoesAgain",
     {"nak:cmd=F0,frame=3"},
     {},
     {kF0, "< ACK", "> BLK 2", "< ACK", "> BLK 1", "< NAK", "> BLK 1", "< ACK", "> BLK 0", "< ACK", "> EOT", kA0,
      "< STAT 00"},
     {"AANAA", "Status Check", "E"},
     MpmSuccessfull},
    {"ANakedCommandGoesAgain",
     {"nak:cmd=F0,frame=1"},
     {},
     QStringList{kF0, "< NAK", kF0, "< ACK"} + kBlocks + QStringList{"< STAT 00"},
     {"NAAAA", "Status Check", "E"},
     MpmSuccessfull},
    {"AnErrorBlockAnsweringTheCommandFails", {"error:cmd=F0,code=7"}, {}, {kF0, "< ERR 7"}, {"[7] F"}, MpmFailed},
    {"StatusWaitsThenClearDone",
     {},
     {0x1, 0x1, 0x6},
     QStringList{kF0, "< ACK"} + kBlocks + QStringList{"< STAT 10", kA0, "< STAT 10", kA0, "< STAT 60"},
     {"AAAA", "Status Check", "pbpbcsE"},
     MpmSuccessfull},
    {"PrePollErrorFails",
     {},
     {0x3},
     QStringList{kF0, "< ACK"} + kBlocks + QStringList{"< STAT 30"},
     {"AAAA", "Status Check", "peF"},
     MpmFailed},
    {"ABlockNakedFiveTimesFailsTheSend",
     {"nak:cmd=F0,frame=2,times=forever"},
     {},
     {kF0, "< ACK", "> BLK 2", "< NAK", "> BLK 2", "< NAK", "> BLK 2", "< NAK", "> BLK 2", "< NAK", "> BLK 2", "< NAK"},
     {"ANNNNNF"},
     MpmFailed},
    {"ACommandNakedFiveTimesFailsTheSend",
     {"nak:cmd=F0,times=forever"},
     {},
     {kF0, "< NAK", kF0, "< NAK", kF0, "< NAK", kF0, "< NAK", kF0, "< NAK"},
     {"NNNNNF"},
     MpmFailed},
    {"ClearErrorFails",
     {},
     {0x7},
     QStringList{kF0, "< ACK"} + kBlocks + QStringList{"< STAT 70"},
     {"AAAA", "Status Check", "ceF"},
     MpmFailed},
};

class ProgramSend : public ProtoFixture, public ::testing::WithParamInterface<SendCase> {
protected:
  ProgramSend() : prg(tEcrFnct::New<tProtoPrg>(&Driver())) { prg->Fill(kTexts); }
  std::unique_ptr<tProtoPrg> prg;
};
} // namespace

TEST_P(ProgramSend, Scenario) {
  const SendCase& c = GetParam();
  for (const QString& fault : c.faults) sim.AddFault(SimFault::Parse(fault));
  if (!c.statuses.isEmpty()) sim.ScriptStatus(c.statuses);
  EXPECT_EQ(Run([&] { module->SendPrg(*prg); }), c.end);
  EXPECT_EQ(Wire(), c.wire);
  QStringList lines{T + "Sending Program Test Table"};
  for (const QString& line : c.lines) lines.append(line.startsWith(QLatin1String("Status")) ? T + line : line);
  EXPECT_EQ(Lines(), lines);
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramSend, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {
class ProgramSendEnds : public ProgramSend {};
} // namespace

TEST_F(ProgramSendEnds, TheRegisterStoresTheBlocksNumberedDownToZero) {
  ASSERT_EQ(Run([&] { module->SendPrg(*prg); }), MpmSuccessfull);
  const QList<QByteArray> stored = sim.Program(20);
  ASSERT_EQ(stored.size(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(quint8(stored[i][0]), 2 - i);
    EXPECT_EQ(quint8(stored[i][1]), i < 2 ? 3 : 1) << "records in block " << i;
  }
  EXPECT_EQ(stored[0].mid(4, 5), "ALPHA");
  EXPECT_EQ(stored[2].mid(4, 4), "GOLF");
}

TEST_F(ProgramSendEnds, AnEmptyTableSendsNothingAndSucceeds) {
  prg->Fill({});
  EXPECT_EQ(Run([&] { module->SendPrg(*prg); }), MpmSuccessfull);
  EXPECT_TRUE(Wire().isEmpty());
  EXPECT_EQ(Lines(), QStringList({T + "No Data for: Test Table", "E"}));
}

TEST_F(ProgramSendEnds, ABlockUnacknowledgedFiveTimesFailsTheSend) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=F0,frame=2,times=forever")));
  EXPECT_EQ(Run([&] { module->SendPrg(*prg); }), MpmFailed);
  EXPECT_EQ(Wire(), QStringList({kF0, "< ACK", "> BLK 2", "> BLK 2", "> BLK 2", "> BLK 2", "> BLK 2"}));
  EXPECT_EQ(Lines().last(), "ATTTTTF");
}

TEST_F(ProgramSendEnds, ASilentRegisterGetsTheCommandFiveTimes) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:forever")));
  EXPECT_EQ(Run([&] { module->SendPrg(*prg); }), MpmFailed);
  EXPECT_EQ(Wire(), QStringList(5, kF0));
  EXPECT_EQ(Lines().last(), "TTTTTF");
}

TEST_F(ProgramSendEnds, ADataFrameFromTheRegisterDuringTheSendFailsIt) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=F0,frame=2")));
  const tMpMessage end = Run([&] {
    module->SendPrg(*prg);
    ASSERT_TRUE(WaitFor([&] { return Wire().size() >= 3; }, 3000));
    pty.Write(SimFraming::DataFrame(TestSupport::Hex("00 01 60")));
  });
  EXPECT_EQ(end, MpmFailed);
  EXPECT_EQ(Wire(), QStringList({kF0, "< ACK", "> BLK 2"}));
  EXPECT_EQ(Lines().last(), "AFF");
}

// A send listens for the register's acknowledgements, NAKs and frames only: a DLE EOT in
// place of an acknowledgement goes unheard, and the block is sent again until the send
// gives up.
TEST_F(ProgramSendEnds, AnEotInPlaceOfAnAcknowledgementIsNotTakenForOne) {
  sim.AddFault(SimFault::Parse(QStringLiteral("eot:cmd=F0,frame=2")));
  EXPECT_EQ(Run([&] { module->SendPrg(*prg); }), MpmFailed);
  EXPECT_EQ(Wire(), QStringList({kF0, "< ACK", "> BLK 2", "< EOT"}) + QStringList(4, "> BLK 2"));
  EXPECT_EQ(Lines().last(), "ATTTTTF");
}

// The block numbers on the line are one byte: a table of more blocks than they can number
// is refused while its block file is written, before anything goes out.
TEST_F(ProgramSendEnds, ATableOfMoreBlocksThanTheNumbersCoverIsRefusedBeforeTheCommand) {
  QStringList texts;
  for (int i = 0; i < 257 * 3; ++i) texts << QStringLiteral("T%1").arg(i);
  prg->Fill(texts);
  EXPECT_EQ(Run([&] { module->SendPrg(*prg); }), MpmFailed);
  EXPECT_TRUE(Wire().isEmpty());
  ASSERT_EQ(Lines().size(), 2);
  EXPECT_TRUE(Lines()[0].startsWith(T + "Got Exception Range check error Converting Data for record: ")) << Lines()[0].toStdString();
  EXPECT_EQ(Lines()[1], "F");
}

namespace {
// A table whose block file keeps its count but loses its blocks, as a file cut short would.
class tShortFilePrg final : public tProtoPrg {
public:
  using tProtoPrg::tProtoPrg;
  void WriteBlockFile(QFile& file, bool isNew) override {
    tProtoPrg::WriteBlockFile(file, isNew);
    file.flush();
    file.resize(4); // the block count alone
  }
};
} // namespace

TEST_F(ProgramSendEnds, ABlockFileShorterThanItsCountEndsTheSendAtItsFirstBlock) {
  auto shortPrg = tEcrFnct::New<tShortFilePrg>(&Driver());
  shortPrg->Fill(kTexts);
  EXPECT_EQ(Run([&] { module->SendPrg(*shortPrg); }), MpmFailed);
  EXPECT_EQ(Wire(), QStringList({kF0, "< ACK"}));
  EXPECT_EQ(Lines().last(), "AUnexpected EOFF");
}
