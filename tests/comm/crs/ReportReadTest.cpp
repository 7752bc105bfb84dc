// Reading reports: each family's command sequence (consolidation, status loop, read,
// clear, sub-reports), block numbering, the register's errors, and what is saved.
#include "ProtoFixture.h"
#include "WireTokens.h"
#include "ProtoStandIns.h"

#include "comm/actions/tActnRpt.h"
#include "comm/link/TSclDataPacket.h"
#include "crs-sim/SimFault.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "store/containers/TArray.h"

#include <QTimer>
#include <atomic>
#include <map>
#include <memory>
#include <unistd.h>

using namespace ProtoStandIns;

namespace {
using WireTokens::Hex;
QString Byte(int b) { return Hex(QByteArray(1, char(b))); }

// Registers first..last as the commands carry them.
QString Range(int first, int last) { return QStringLiteral("%1%2").arg(first, 2, 10, QLatin1Char('0')).arg(last, 2, 10, QLatin1Char('0')); }
const QString R124 = Range(1, 24);
const QString R312 = Range(3, 12);

QString Cmd(int command, const QByteArray& data, const QString& range) {
  return QStringLiteral("> CMD %1 0001 %2").arg(Hex(char(command) + data), range);
}

QStringList Cnsldt(int command, int position, int option, const QString& range) {
  QByteArray data(15, '\0');
  data[position - 1] = char(option);
  return {Cmd(command, data, range), "< EOT"};
}

QStringList Status(const QList<int>& nibbles, const QString& range) {
  QStringList wire;
  for (int nibble : nibbles) wire << Cmd(0xA0, QByteArray(1, '\0'), range) << "< STAT " + Byte(nibble << 4);
  return wire;
}

QStringList Read(int code, int blocks, const QString& range) {
  QStringList wire{Cmd(0xD0, QByteArray(1, char(code)), range)};
  for (int n = blocks - 1; n >= 0; --n) wire << QStringLiteral("< BLK %1").arg(n) << "> ACK";
  return wire << "< EOT";
}

QStringList Clear(int code, const QString& range) { return {Cmd(0xB0, QByteArray(1, char(code)), range), "< ACK"}; }

QList<QByteArray> Blocks(int count) {
  QList<QByteArray> blocks;
  for (int i = 0; i < count; ++i) blocks.append(QByteArray(1, '\0') + char(1) + QByteArray(6 + i, char('a' + i)));
  return blocks;
}

// The clock punches are decoded by the register's own decoder: after the poll header,
// blocks of whole 6-byte punch slots.
QList<QByteArray> PunchBlocks(int count, const QByteArray& slot = QByteArray::fromHex("223006150001")) {
  QList<QByteArray> blocks = Blocks(count);
  for (int i = 1; i < count; ++i) blocks[i] = blocks[i].left(2) + slot;
  return blocks;
}

// The sub-reports of Time Period are decoded by the register's own decoders too: blocks of
// whole records (231 bytes a period by group, 9 for the other kinds), all zero.
QList<QByteArray> BlocksFor(int code, int count) {
  if (code == 80) return PunchBlocks(count);
  QList<QByteArray> blocks = Blocks(count);
  const int record = code == 36 ? 231 : code >= 56 && code <= 59 ? 9 : 0;
  if (record)
    for (int i = 1; i < count; ++i) blocks[i] = blocks[i].left(2) + QByteArray(record, '\0');
  return blocks;
}

// The progress lines of each part of a read: a timed line, then the letters that go on it
// or on the blank line after it.
const QString kT = QStringLiteral("10:30:00 AM ");
QStringList StatusLines(const QString& letters) { return {kT + "Status Check", letters}; }
QStringList CnsldtLines(const QString& name, const QString& statusLetters, const QString& letters = {}) {
  return QStringList{kT + "Consolidating " + name + letters} + StatusLines(statusLetters);
}
QStringList ReadLines(const QString& name, const QString& letters) { return {kT + "Reading Report " + name, letters}; }
QStringList ClearLines(const QString& statusLetters) { return QStringList{kT + "Clear Flag "} + StatusLines(statusLetters); }
const QStringList kSaveLines{kT + "Saving Report to Database ", kT + "Save Completed"};

enum class Kind { Financial, TimePeriod, TimeKeeping, Journal, Inventory, Other };

struct ReportCase {
  const char* name;
  Kind kind;
  QList<int> params; // 1, 2, 3, 4, 5, 6
  std::map<int, int> blocks; // report code -> blocks the register holds
  QStringList faults;
  QList<int> statuses;
  QStringList wire;
  QStringList lines;
  tMpMessage end;
  int polls; // AllPolls rows afterwards
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

const QList<int> kRead124{0, 0, 1, 24, 0, 0};
const QList<int> kReset124{0, 0, 1, 24, 1, 0};
const QString kD0 = Cmd(0xD0, "\x60", R124);

const ReportCase kCases[] = {
    // The families, each with its own command sequence.
    {"FinancialConsolidatesReadsAndClears", Kind::Financial, {1, 1, 1, 24, 0, 0}, {{33, 3}}, {}, {},
     Cnsldt(0xC1, 1, 7, R124) + Status({2}, R124) + Read(33, 3, R124) + Clear(33, R124) + Status({6}, R124),
     CnsldtLines("Financial", "ps") + ReadLines("Financial", "IP[1] P[0] E") + ClearLines("cs") + kSaveLines,
     MpmSuccessfull, 1},
    {"FinancialInResetModeOverRegisters3To12", Kind::Financial, {0, 0, 3, 12, 1, 0}, {{33, 1}}, {}, {},
     Cnsldt(0xC0, 1, 1, R312) + Status({2}, R312) + Read(33, 1, R312) + Clear(33, R312) + Status({6}, R312),
     CnsldtLines("Financial", "ps") + ReadLines("Financial", "IE") + ClearLines("cs") + kSaveLines, MpmSuccessfull, 1},
    {"AnUnlistedCodeIsConsolidatedWithoutAnOptionByte", Kind::Other, kRead124, {{70, 1}}, {}, {},
     Cnsldt(0xC1, 1, 0, R124) + Status({2}, R124) + Read(70, 1, R124) + Clear(70, R124) + Status({6}, R124),
     CnsldtLines("Other", "ps") + ReadLines("Other", "IE") + ClearLines("cs") + kSaveLines, MpmSuccessfull, 1},
    {"JournalInReadModeIsOnlyRead", Kind::Journal, kRead124, {{96, 2}}, {}, {}, Read(96, 2, R124),
     ReadLines("Journal", "IP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"JournalInResetModeIsClearedToo", Kind::Journal, kReset124, {{96, 2}}, {}, {},
     Read(96, 2, R124) + Clear(96, R124) + Status({6}, R124),
     ReadLines("Journal", "IP[0] E") + ClearLines("cs") + kSaveLines, MpmSuccessfull, 1},
    {"InventoryInReadModeIsOnlyRead", Kind::Inventory, kRead124, {{47, 1}}, {}, {}, Read(47, 1, R124),
     ReadLines("Inventory", "IE") + kSaveLines, MpmSuccessfull, 1},
    {"TimePeriodReadsItsSubReportsThenClears", Kind::TimePeriod, {0, 0, 3, 12, 0, 5}, {{35, 2}, {36, 1}, {57, 2}}, {}, {},
     Cnsldt(0xC1, 2, 1, R312) + Status({2}, R312) + Read(35, 2, R312) + Read(36, 1, R312) + Read(57, 2, R312) +
         Clear(35, R312) + Status({6}, R312),
     CnsldtLines("TimePeriod", "ps") + ReadLines("TimePeriod", "IP[0] E") + kSaveLines +
         ReadLines("Time Period Group", "IE") + kSaveLines + ReadLines("Time Period Take Out", "IP[0] E") + kSaveLines +
         ClearLines("cs"),
     MpmSuccessfull, 3},
    {"ASubReportWithoutDataReturnsToItsParent", Kind::TimePeriod, {0, 0, 1, 24, 0, 3}, {{35, 1}, {56, 1}}, {}, {},
     Cnsldt(0xC1, 2, 1, R124) + Status({2}, R124) + Read(35, 1, R124) + Read(36, 0, R124) + Read(56, 1, R124) +
         Clear(35, R124) + Status({6}, R124),
     CnsldtLines("TimePeriod", "ps") + ReadLines("TimePeriod", "IE") + kSaveLines +
         ReadLines("Time Period Group", " No Data") + ReadLines("Time Period Eat In", "IE") + kSaveLines + ClearLines("cs"),
     MpmSuccessfull, 2},
    {"TimeKeepingWithoutPunchesOrResetIsOneRead", Kind::TimeKeeping, kRead124, {{81, 2}}, {}, {}, Read(81, 2, R124),
     ReadLines("TimeKeeping", "IP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"TimeKeepingWithPunchesInResetMode", Kind::TimeKeeping, {0, 0, 1, 24, 1, 1}, {{81, 1}, {80, 2}}, {}, {},
     Read(81, 1, R124) + Read(80, 2, R124) + Clear(81, R124) + Status({6}, R124),
     ReadLines("TimeKeeping", "IE") + kSaveLines + ReadLines("Clock Punches", "IP[0] E") + kSaveLines +
         ClearLines("cs"),
     MpmSuccessfull, 2},
    {"PunchesWithoutDataStillLetTimeKeepingClear", Kind::TimeKeeping, {0, 0, 1, 24, 1, 1}, {{81, 1}}, {}, {},
     Read(81, 1, R124) + Read(80, 0, R124) + Clear(81, R124) + Status({6}, R124),
     ReadLines("TimeKeeping", "IE") + kSaveLines + ReadLines("Clock Punches", " No Data") + ClearLines("cs"),
     MpmSuccessfull, 1},
    {"ARegisterWithoutDataSavesNothing", Kind::Journal, kRead124, {}, {}, {}, Read(96, 0, R124),
     ReadLines("Journal", " No Data"), MpmSuccessfull, 0},
    // Block numbers.
    {"ARepeatedBlockIsAcknowledgedAndDropped", Kind::Journal, kRead124, {{96, 3}}, {"lostack:cmd=D0,frame=2"}, {},
     {kD0, "< BLK 2", "> ACK", "< BLK 1", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     ReadLines("Journal", "IP[1] P[1] DP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"ASkippedBlockFailsTheRead", Kind::Journal, kRead124, {{96, 3}}, {"skip:cmd=D0,frame=2"}, {},
     {kD0, "< BLK 2", "> ACK", "< BLK 0"}, ReadLines("Journal", "IP[0] MF"), MpmFailed, 0},
    // Frames that go wrong on the line.
    {"ABadBlockIsNakedAndComesAgain", Kind::Journal, kRead124, {{96, 2}}, {"badcrc:cmd=D0,frame=2"}, {},
     {kD0, "< BLK 1", "> ACK", "< BAD BLK 0", "> NAK", "< BLK 0", "> ACK", "< EOT"},
     ReadLines("Journal", "ICP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"ABadFirstBlockIsNakedAndComesAgain", Kind::Journal, kRead124, {{96, 2}}, {"badcrc:cmd=D0,frame=1"}, {},
     {kD0, "< BAD BLK 1", "> NAK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     ReadLines("Journal", "CIP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"ABlockThatDoesNotComeIsAskedForAgain", Kind::Journal, kRead124, {{96, 2}}, {"silence:cmd=D0,frame=2"}, {},
     {kD0, "< BLK 1", "> ACK", "> NAK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     ReadLines("Journal", "ITP[1] DP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"ANakForOurAcknowledgementGetsItAgain", Kind::Journal, kRead124, {{96, 2}}, {"nak:cmd=D0,frame=2"}, {},
     {kD0, "< BLK 1", "> ACK", "< NAK", "> ACK", "< BLK 0", "> ACK", "< EOT"},
     ReadLines("Journal", "IP[0] E") + kSaveLines, MpmSuccessfull, 1},
    {"ANakedReadCommandGoesAgain", Kind::Journal, kRead124, {{96, 1}}, {"nak:cmd=D0"}, {},
     {kD0, "< NAK", kD0, "< BLK 0", "> ACK", "< EOT"}, ReadLines("Journal", "NIE") + kSaveLines, MpmSuccessfull, 1},
    {"ASilentRegisterGetsTheReadFiveTimes", Kind::Journal, kRead124, {{96, 1}}, {"silence:cmd=D0,times=forever"}, {},
     QStringList(5, kD0), ReadLines("Journal", "TTTTTF"), MpmFailed, 0},
    {"AnErrorBlockFailsTheRead", Kind::Journal, kRead124, {{96, 2}}, {"error:cmd=D0,code=7"}, {},
     {kD0, "< ERR 7"}, ReadLines("Journal", "[7] F"), MpmFailed, 0},
    // The consolidation, the status loop and the clear.
    {"TheConsolidationWaitsForPrePollDone", Kind::Financial, kRead124, {{33, 1}}, {}, {1, 1, 1, 2},
     Cnsldt(0xC1, 1, 1, R124) + Status({1, 1, 1, 2}, R124) + Read(33, 1, R124) + Clear(33, R124) + Status({6}, R124),
     CnsldtLines("Financial", "pbpbpbps") + ReadLines("Financial", "IE") + ClearLines("cs") + kSaveLines,
     MpmSuccessfull, 1},
    {"TheConsolidationTakesClearDoneAndWaitsOnOtherStatuses", Kind::Financial, kRead124, {{33, 1}}, {}, {5, 8, 4, 6},
     Cnsldt(0xC1, 1, 1, R124) + Status({5, 8, 4, 6}, R124) + Read(33, 1, R124) + Clear(33, R124) + Status({6}, R124),
     CnsldtLines("Financial", "cbWW(40)cs") + ReadLines("Financial", "IE") + ClearLines("cs") + kSaveLines,
     MpmSuccessfull, 1},
    {"APrePollErrorFailsBeforeTheRead", Kind::Financial, kRead124, {{33, 1}}, {}, {3},
     Cnsldt(0xC1, 1, 1, R124) + Status({3}, R124), CnsldtLines("Financial", "peF"), MpmFailed, 0},
    {"ASilentConsolidationFailsAfterFiveSends", Kind::Financial, kRead124, {{33, 1}}, {"silence:cmd=C1,times=forever"}, {},
     QStringList(5, Cmd(0xC1, QByteArray("\x01", 1) + QByteArray(14, '\0'), R124)),
     {kT + "Consolidating FinancialTTTTTF"}, MpmFailed, 0},
    {"AnAckAnsweringTheConsolidationEndsItLikeEot", Kind::Financial, kRead124, {{33, 1}}, {"ack:cmd=C1"}, {2},
     QStringList{Cnsldt(0xC1, 1, 1, R124).first(), "< ACK"} + Status({2}, R124) + Read(33, 1, R124) + Clear(33, R124) +
         Status({6}, R124),
     CnsldtLines("Financial", "ps") + ReadLines("Financial", "IE") + ClearLines("cs") + kSaveLines, MpmSuccessfull, 1},
    {"AnErrorBlockAnsweringTheConsolidationFails", Kind::Financial, kRead124, {{33, 1}}, {"error:cmd=C1,code=3"}, {},
     {Cnsldt(0xC1, 1, 1, R124).first(), "< ERR 3"}, {kT + "Consolidating Financial[3] F"}, MpmFailed, 0},
    {"ABadStatusAnswerIsNakedAndComesAgain", Kind::Financial, kRead124, {{33, 1}}, {"badcrc:cmd=A0,n=1"}, {},
     Cnsldt(0xC1, 1, 1, R124) + QStringList{Cmd(0xA0, QByteArray(1, '\0'), R124), "< BAD STAT 20", "> NAK", "< STAT 20"} +
         Read(33, 1, R124) + Clear(33, R124) + Status({6}, R124),
     CnsldtLines("Financial", "Cps") + ReadLines("Financial", "IE") + ClearLines("cs") + kSaveLines, MpmSuccessfull, 1},
    {"AFailedClearKeepsThePoll", Kind::Financial, kRead124, {{33, 1}}, {}, {2, 7},
     Cnsldt(0xC1, 1, 1, R124) + Status({2}, R124) + Read(33, 1, R124) + Clear(33, R124) + Status({7}, R124),
     CnsldtLines("Financial", "ps") + ReadLines("Financial", "IE") + ClearLines("ce") + kSaveLines, MpmSuccessfull, 1},
    {"ASilentClearKeepsThePoll", Kind::Journal, kReset124, {{96, 1}}, {"silence:cmd=B0,times=forever"}, {},
     Read(96, 1, R124) + QStringList(5, Cmd(0xB0, "\x60", R124)),
     ReadLines("Journal", "IE") + QStringList{kT + "Clear Flag TTTTT"} + kSaveLines, MpmSuccessfull, 1},
    {"AStatusZeroEndsTheClearOnlyAfterSevenWaits", Kind::Journal, kReset124, {{96, 1}}, {},
     {0, 0, 0, 0, 0, 0, 0, 0}, Read(96, 1, R124) + Clear(96, R124) + Status({0, 0, 0, 0, 0, 0, 0, 0}, R124),
     ReadLines("Journal", "IE") + ClearLines(QString("pp").repeated(8)) + kSaveLines, MpmSuccessfull, 1},
    {"PrePollDoneDoesNotEndAClear", Kind::Journal, kReset124, {{96, 1}}, {}, {2, 2, 6},
     Read(96, 1, R124) + Clear(96, R124) + Status({2, 2, 6}, R124),
     ReadLines("Journal", "IE") + ClearLines("pspscs") + kSaveLines, MpmSuccessfull, 1},
};

class ReportRead : public ProtoFixture, public ::testing::WithParamInterface<ReportCase> {
protected:
  std::unique_ptr<tEcrRpt> Make(Kind kind) {
    switch (kind) {
    case Kind::Financial: return NewRpt<FinancialRpt>();
    case Kind::TimePeriod: return NewRpt<TimePeriodRpt>();
    case Kind::TimeKeeping: return NewRpt<TimeKeepingRpt>();
    case Kind::Journal: return NewRpt<JournalRpt>();
    case Kind::Inventory: return NewRpt<InventoryRpt>();
    case Kind::Other: return NewRpt<OtherRpt>();
    }
    return nullptr;
  }

  static qint64 Count(const QString& table) {
    tEcrRpt::OpenAllPolls();
    TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
    query.Exec(QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(table), {});
    return query.Next() ? query.Value(0).toLongLong() : -1;
  }

  tMpMessage Poll(tEcrRpt& rpt, const QList<int>& params) {
    for (int i = 0; i < params.size(); ++i) rpt.SetIntParam(i + 1, params[i]);
    return Run([&] { module->PollRpt(rpt); });
  }
};
} // namespace

TEST_P(ReportRead, Scenario) {
  const ReportCase& c = GetParam();
  for (const auto& [code, count] : c.blocks) sim.SetReport(code, BlocksFor(code, count));
  for (const QString& fault : c.faults) sim.AddFault(SimFault::Parse(fault));
  if (!c.statuses.isEmpty()) sim.ScriptStatus(c.statuses);
  auto rpt = Make(c.kind);
  EXPECT_EQ(Poll(*rpt, c.params), c.end);
  EXPECT_EQ(Wire(), c.wire);
  EXPECT_EQ(Lines(), c.lines);
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), c.polls);
  EXPECT_EQ(module->Rpt, rpt.get()) << "the read ends on the report it started with";
}

INSTANTIATE_TEST_SUITE_P(Table, ReportRead, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

namespace {
class ReportReadEnds : public ReportRead {};
} // namespace

TEST_F(ReportReadEnds, TheProgressLinesOfAConsolidatedRead) {
  sim.SetReport(33, Blocks(2));
  auto rpt = NewRpt<FinancialRpt>();
  ASSERT_EQ(Poll(*rpt, {0, 0, 1, 24, 0, 0}), MpmSuccessfull);
  EXPECT_EQ(Lines(), QStringList({T + "Consolidating Financial", T + "Status Check", "ps", T + "Reading Report Financial",
                                  "IP[0] E", T + "Clear Flag ", T + "Status Check", "cs",
                                  T + "Saving Report to Database ", T + "Save Completed"}));
  EXPECT_EQ(Count(QStringLiteral("tProtoFinancial")), 2);
  EXPECT_GT(rpt->PollId, 0);
}

TEST_F(ReportReadEnds, RepeatsAndJumpsInTheProgressLine) {
  sim.SetReport(96, Blocks(4));
  sim.AddFault(SimFault::Parse(QStringLiteral("lostack:cmd=D0,frame=1")));
  sim.AddFault(SimFault::Parse(QStringLiteral("skip:cmd=D0,frame=3")));
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, kRead124), MpmFailed);
  EXPECT_EQ(Lines(), QStringList({T + "Reading Report Journal", "IP[3] DP[2] P[0] MF"}));
}

TEST_F(ReportReadEnds, TheStatusWaitsGrowByTheStep) {
  SetMs("crs.statusWaitMs", 40);
  sim.SetReport(33, Blocks(1));
  sim.ScriptStatus({1, 1, 1, 2});
  auto rpt = NewRpt<FinancialRpt>();
  ASSERT_EQ(Poll(*rpt, {0, 0, 1, 24, 0, 0}), MpmSuccessfull);
  QList<qint64> sent;
  for (const SimTranscriptEntry& e : sim.Transcript())
    if (!e.sent && e.body.startsWith('\xA0')) sent.append(e.endUs / 1000);
  ASSERT_GE(sent.size(), 4);
  for (int n = 1; n <= 3; ++n) EXPECT_GE(sent[n] - sent[n - 1], n * 40) << "wait " << n;
  EXPECT_LT(sent[3] - sent[2], 3 * 40 + 1000);
  EXPECT_EQ(Lines()[2], "pbpbpbps");
}

TEST_F(ReportReadEnds, SixtyFiveWaitsFailTheStatusCheck) {
  SetMs("crs.statusWaitMs", 0); // the count matters here, not the growing waits
  sim.SetReport(33, Blocks(1));
  sim.ScriptStatus(QList<int>(70, 1));
  auto rpt = NewRpt<FinancialRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 24, 0, 0}), MpmFailed);
  EXPECT_EQ(Wire().count(Cmd(0xA0, QByteArray(1, '\0'), R124)), 66);
  EXPECT_EQ(Lines()[2], QString("pb").repeated(66) + "F");
}

// The register sends a block again 60 ms after losing our ACK, while the read gives up
// waiting after 30 ms and pauses 300 ms before its NAK: the repeat, the last block and
// the EOT all come during that pause and end the read. The paused step then has nothing
// left to do; its NAK would reach the register after the read was over.
TEST_F(ReportReadEnds, AStepPausedBeforeItsNakSendsNothingOnceTheReadHasEnded) {
  SetMs("crs.readRptMs", 30);
  SetMs("crs.nakWaitMs", 300);
  sim.SetLostAckResendMs(60);
  sim.SetReport(96, Blocks(2));
  sim.AddFault(SimFault::Parse(QStringLiteral("lostack:cmd=D0,frame=1")));
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, kRead124), MpmSuccessfull);
  WaitFor([] { return false; }, 400); // the NAK pause is over
  EXPECT_EQ(Wire(), QStringList({kD0, "< BLK 1", "> ACK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(receiver.messages.size(), 1);
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 1);
}

TEST_F(ReportReadEnds, AFailedSaveLeavesNoPoll) {
  sim.SetReport(33, Blocks(2));
  FailingCodes().insert(33);
  auto rpt = NewRpt<FinancialRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 24, 0, 0}), MpmFailed);
  EXPECT_EQ(Lines().mid(Lines().size() - 2), QStringList({T + "Cannot decode Financial", "F"}));
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 0);
}

TEST_F(ReportReadEnds, ASubReportThatCannotBeSavedRemovesTheWholeTimePeriodPoll) {
  sim.SetReport(35, Blocks(1));
  sim.SetReport(36, Blocks(1));
  sim.SetReport(57, Blocks(2)); // a data block of no whole record: the take-out poll cannot be saved
  FailingCodes().insert(57);
  auto rpt = NewRpt<TimePeriodRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 24, 0, 5}), MpmFailed);
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 0);
  EXPECT_FALSE(Wire().contains(Cmd(0xB0, "\x23", R124))) << "a failed read does not clear the flag";
}

TEST_F(ReportReadEnds, ASubReportThatFailsToArriveRemovesTheWholeTimeKeepingPoll) {
  sim.SetReport(81, Blocks(1));
  sim.SetReport(80, PunchBlocks(2));
  for (int n = 2; n <= 6; ++n) sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=D0,n=%1").arg(n)));
  auto rpt = NewRpt<TimeKeepingRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 24, 1, 1}), MpmFailed);
  EXPECT_EQ(Wire().count(Cmd(0xD0, "\x50", R124)), 5);
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 0);
}

TEST_F(ReportReadEnds, ARangeTheCommandsCannotCarryFailsAtOnce) {
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 100, 0, 0}), MpmFailed);
  EXPECT_TRUE(Wire().isEmpty());
  EXPECT_EQ(Lines(), QStringList({T + "Register range 1 to 100 is not one of 0 to 99", "F"}));
}

// Time Keeping saves itself before its punches: a punch table that cannot be saved takes
// the saved Time Keeping poll with it, and the flag stays set for the retry.
TEST_F(ReportReadEnds, PunchesThatCannotBeSavedRemoveTheWholeTimeKeepingPoll) {
  sim.SetReport(81, Blocks(1));
  sim.SetReport(80, PunchBlocks(2, QByteArray::fromHex("FFFF06150001")));
  auto rpt = NewRpt<TimeKeepingRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 24, 1, 1}), MpmFailed);
  EXPECT_EQ(Wire(), Read(81, 1, R124) + Read(80, 2, R124));
  EXPECT_EQ(Lines().mid(Lines().size() - 3),
            QStringList({T + "Saving Report to Database ", T + "Invalid argument to time encode", "F"}));
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 0);
  EXPECT_EQ(Count(QStringLiteral("tProtoTimeKeeping")), 0);
}

TEST_F(ReportReadEnds, ATimeKeepingPollThatCannotBeSavedReadsNoPunches) {
  sim.SetReport(81, Blocks(1));
  sim.SetReport(80, PunchBlocks(2));
  FailingCodes().insert(81);
  auto rpt = NewRpt<TimeKeepingRpt>();
  EXPECT_EQ(Poll(*rpt, {0, 0, 1, 24, 1, 1}), MpmFailed);
  EXPECT_EQ(Wire(), Read(81, 1, R124));
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 0);
}

// The driver's own report object is polled, with the action's parameters and options.
TEST_F(ReportReadEnds, AReportFromTheDriversListTakesTheActionsParameters) {
  auto own = NewRpt<JournalRpt>();
  tEcrRpt* driversOwn = own.get();
  Driver().Rpts()->Add(own.release());
  auto action = NewRpt<JournalRpt>(3, 12);
  action->SetIntParam(5, 1);
  action->AppendExport = true; // without AutoExport nothing is written
  action->ExportFile = QStringLiteral("journal.txt");
  sim.SetReport(96, Blocks(1));
  EXPECT_EQ(Run([&] { module->PerformRptActn(*action); }), MpmSuccessfull);
  EXPECT_EQ(module->Rpt, driversOwn);
  EXPECT_EQ(driversOwn->GetIntParam(3), 3);
  EXPECT_EQ(driversOwn->GetIntParam(5), 1);
  EXPECT_TRUE(driversOwn->AppendExport);
  EXPECT_EQ(driversOwn->ExportFile, "journal.txt");
  EXPECT_EQ(Wire(), Read(96, 1, R312) + Clear(96, R312) + Status({6}, R312));
}

// A report-poll action: its report names the driver's report, whose poll carries the
// action's range and the action's own four options.
TEST_F(ReportReadEnds, AReportPollActionPollsTheDriversReportWithTheActionsOptions) {
  auto own = NewRpt<JournalRpt>();
  tEcrRpt* driversOwn = own.get();
  Driver().Rpts()->Add(own.release());
  auto action = tActn::New<tActnRpt>(nullptr, &Driver());
  action->AdoptRpt(NewRpt<JournalRpt>(3, 12));
  action->Rpt()->SetIntParam(5, 1); // the read clears
  action->AppendExport = true; // without AutoExport nothing is written
  action->ExportFile = QStringLiteral("journal.txt");
  sim.SetReport(96, Blocks(1));
  EXPECT_EQ(Run([&] { module->PerformActn(*action); }), MpmSuccessfull);
  EXPECT_EQ(module->Rpt, driversOwn);
  EXPECT_TRUE(driversOwn->AppendExport);
  EXPECT_FALSE(driversOwn->AutoReport);
  EXPECT_EQ(driversOwn->ExportFile, "journal.txt");
  EXPECT_EQ(Wire(), Read(96, 1, R312) + Clear(96, R312) + Status({6}, R312));
}

namespace {
// Frames that stop halfway, and a line that goes away: the register's own end is written
// into directly, beside the simulated register, when its n-th frame has been received.
class ReportReadLine : public ReportRead {
protected:
  void OnReceived(int n, const std::function<void()>& act) {
    sim.SetObserver([this, n, act, seen = std::make_shared<std::atomic<int>>(0)](const SimTranscriptEntry& e) {
      if (!e.sent && ++*seen == n) act();
    });
  }
  void WriteRaw(const QByteArray& bytes) { ASSERT_EQ(::write(pty.Master(), bytes.constData(), bytes.size()), bytes.size()); }
};
} // namespace

// A block begins and stops: the block packet gives up on its own time-out long before the
// read's, with a line and no event for the step; the read's time-out then sends the
// command again, and the block that follows is read whole.
TEST_F(ReportReadLine, ABlockPacketThatTimesOutLeavesTheReadToItsOwnTimeOut) {
  SetMs("crs.readRptMs", 400);
  module->scpBlk->TimeOut = 1; // one tick of 55 ms
  sim.SetReport(96, Blocks(1));
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=D0,n=1")));
  OnReceived(1, [this] { WriteRaw(QByteArray("\x10\x02\x00\x01", 4)); });
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, kRead124), MpmSuccessfull);
  EXPECT_EQ(Wire(), QStringList({kD0, kD0, "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(Lines(), QStringList({kT + "Reading Report Journal", "", kT + "Timed out waiting for block to finish.TIE"}) +
                         kSaveLines);
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 1);
}

// A block that stops halfway between blocks is asked for again with a NAK; the bytes that
// came of it are not joined to the block that comes again.
TEST_F(ReportReadLine, AHalfBlockBetweenBlocksIsNakedAndReadWholeTheNextTime) {
  sim.SetReport(96, Blocks(2));
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=D0,frame=2")));
  OnReceived(2, [this] { WriteRaw(QByteArray("\x10\x02\x00\x01", 4)); });
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, kRead124), MpmSuccessfull);
  EXPECT_EQ(Wire(), QStringList({kD0, "< BLK 1", "> ACK", "> NAK", "< BLK 1", "> ACK", "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(Lines(), ReadLines("Journal", "ITP[1] DP[0] E") + kSaveLines);
}

// A send that fails ends the transfer as failed, with the error on the progress lines and
// nothing saved: here the line closes while the step waits before its ACK.
TEST_F(ReportReadLine, AFailingSendEndsTheRead) {
  SetMs("crs.rptAckWaitMs", 400);
  sim.SetReport(96, Blocks(2));
  OnReceived(1, [this] {
    QMetaObject::invokeMethod(&port, [this] { QTimer::singleShot(150, &port, [this] { port.SetOpen(false); }); },
                              Qt::QueuedConnection);
  });
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, kRead124), MpmFailed);
  EXPECT_EQ(Wire(), QStringList({kD0, "< BLK 1"}));
  ASSERT_EQ(Lines().size(), 3);
  EXPECT_TRUE(Lines()[1].startsWith("I")) << Lines()[1].toStdString();
  EXPECT_TRUE(Lines()[2].startsWith(kT) && Lines()[2].contains("not open") && Lines()[2].endsWith("F"))
      << Lines()[2].toStdString();
  EXPECT_EQ(Count(QStringLiteral("AllPolls")), 0);
}

TEST_F(ReportReadLine, ASendOnAClosedLineFailsTheReadAtOnce) {
  port.SetOpen(false);
  sim.SetReport(96, Blocks(1));
  auto rpt = NewRpt<JournalRpt>();
  EXPECT_EQ(Poll(*rpt, kRead124), MpmFailed);
  EXPECT_TRUE(Wire().isEmpty());
  ASSERT_EQ(Lines().size(), 3);
  EXPECT_EQ(Lines()[0], kT + "Reading Report Journal");
  EXPECT_TRUE(Lines()[2].contains("not open") && Lines()[2].endsWith("F")) << Lines()[2].toStdString();
}
