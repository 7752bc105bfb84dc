// What every protocol module does: the line it sets, the work file, the progress lines,
// the actions it performs, and a finished transfer that stays finished.
#include "ProtoFixture.h"
#include "ProtoStandIns.h"

#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "comm/crs/TCommWorkFile.h"
#include "crs-sim/SimFault.h"
#include "model/EInOutError.h"
#include "model/EcrErrors.h"
#include "model/ModelFixture.h"
#include "model/tEcrPrg.h"
#include "programming/framework/tEcrPrgCrs3000MemAllocV302.h"
#include "store/streaming/StreamRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace {
// A driver of any model name.
class tModelDriver : public tEcr {
public:
  explicit tModelDriver(QString model) : tEcr(TBlank{}), model_(std::move(model)) { Create(nullptr); }
  QString GetModelName() const override { return model_; }

private:
  QString model_;
};

class ModuleBase : public ProtoFixture {
protected:
  QString WorkFilePath(int slot) const { return work.filePath(TCommWorkFile::FileName(slot)); }
  QByteArray WorkFileBytes(int slot) const {
    QFile file(WorkFilePath(slot));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // A second module on a line of its own, polling a report of the same driver.
  struct OtherLine {
    explicit OtherLine(ModuleBase& test) : rpt(test.NewRpt<ProtoStandIns::TimeKeepingRpt>()) {
      module.InitSession(&test.machine, nullptr, 12, &test.receiver, &lines);
      QObject::connect(&module, &TdmCommBase::TransferEnded, [this] { ended = true; });
    }
    void Poll() { module.PollRpt(*rpt); }
    TdmCommCrs module;
    TProgressLines lines;
    std::unique_ptr<tEcrRpt> rpt;
    bool ended = false;
  };
};
} // namespace

TEST(ModuleLine, EightDataBitsRtsHandshakeAndParityByModel) {
  for (const char* model : {"Ma1535", "3000", "Ma15350"}) {
    tMachine machine;
    machine.BaudRate = 19200;
    machine.SetEcr(std::make_unique<tModelDriver>(QString::fromLatin1(model)));
    TSclComPort port;
    port.SetDataBits(7);
    port.SetParity(pEven);
    TdmCommCrs module;
    module.InitSession(&machine, &port, 1, nullptr, nullptr);
    EXPECT_EQ(port.Baud(), 19200);
    EXPECT_EQ(port.DataBits(), 8);
    EXPECT_EQ(port.Parity(), QLatin1String(model) == QLatin1String("Ma1535") ? pOdd : pNone) << model;
    EXPECT_EQ(port.HWFlowOptions(), THWFlowOptions(hwfUseRTS));
  }
}

TEST(ModuleWorkFile, OneFilePerSlot) {
  const QString app = QCoreApplication::applicationName();
  EXPECT_EQ(TCommWorkFile::FileName(3), app + "WORKFILE3.ECR");
  EXPECT_EQ(TCommWorkFile::FileName(4), app + "WORKFILE4.ECR");
  EXPECT_EQ(TCommWorkFile::FileName(128), app + "WORKFILE128.ECR");
}

// The work file is a block file the model reads back; a frame longer than a block is
// refused when it comes, not when the file is read.
TEST(ModuleWorkFile, BlocksReadBackInOrderAndAnOversizedFrameIsRefused) {
  QTemporaryDir folder;
  TCommWorkFile::SetFolder(folder.path());
  TCommWorkFile file;
  file.Bind(5);
  file.Create(QByteArray("first"));
  file.Append(QByteArray(kEcrBlockSize, 'x'));
  EXPECT_THROW(file.Append(QByteArray(kEcrBlockSize + 1, 'y')), ERangeError);
  file.WriteBlockCount();
  file.Close();
  EXPECT_THROW(file.Append(QByteArray("late")), EInOutError);
  TCommWorkFile::SetFolder(QString());
  qint32 count = 0;
  EXPECT_EQ(Blocks(folder.filePath(TCommWorkFile::FileName(5)), &count),
            (QList<QByteArray>{QByteArray("first"), QByteArray(kEcrBlockSize, 'x')}));
  EXPECT_EQ(count, 2);
}

TEST_F(ModuleBase, TheNextTransferOfTheSlotRewritesItsWorkFile) {
  sim.SetProgram(20, {QByteArray("\0\0", 2), QByteArray("\0\0", 2), QByteArray("\0\0", 2)});
  auto prg = tEcrFnct::New<ProtoStandIns::tProtoPrg>(&Driver());
  ASSERT_EQ(Run([&] { module->ReceivePrg(*prg); }), MpmSuccessfull);
  EXPECT_EQ(WorkFileBytes(kSlot).left(4), QByteArray("\x03\0\0\0", 4));
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  const QByteArray bytes = WorkFileBytes(kSlot);
  EXPECT_EQ(bytes.left(4), QByteArray("\x01\0\0\0", 4));
  EXPECT_EQ(bytes.size(), 4 + 4 + 6 + 42) << "one stored frame of the 42-byte block";
}

TEST_F(ModuleBase, LettersGoOnTheLastLine) {
  module->LogLine(QStringLiteral("Reading"));
  module->ShowStatusMsg(QStringLiteral("A"));
  module->AddStatusLine(QStringLiteral("Next"), true);
  module->ShowStatusMsg(QStringLiteral("P"));
  EXPECT_EQ(Lines(), QStringList({T + "Reading" + "A", T + "Next", "P"}));
}

TEST_F(ModuleBase, AReportTheDriverLacksFailsAtOnceWithoutACommand) {
  auto rpt = NewRpt<ProtoStandIns::JournalRpt>();
  EXPECT_EQ(Run([&] { module->PerformRptActn(*rpt); }, 200), MpmFailed);
  EXPECT_TRUE(Wire().isEmpty());
  EXPECT_EQ(Lines(), QStringList({T + "Report not available for this register: Journal", ""}));
}

TEST_F(ModuleBase, AProgramTheDriverLacksFailsAtOnceWithoutACommand) {
  auto prg = tEcrFnct::New<ProtoStandIns::tProtoPrg>(nullptr);
  EXPECT_EQ(Run([&] { module->PerformPrgActn(*prg, true); }, 200), MpmFailed);
  EXPECT_TRUE(Wire().isEmpty());
  EXPECT_EQ(Lines(), QStringList({T + "Program not available for this register: Test Table", ""}));
}

TEST_F(ModuleBase, AProgramActionTransfersTheDriversOwnProgramWithTheActionsParameters) {
  tEcrPrg* own = Driver().FindPrgByClass(QStringLiteral("tEcrPrgCrs3000MemAllocV302"));
  ASSERT_NE(own, nullptr) << "the 3.02 driver lists its memory allocation";
  auto action = tEcrFnct::New<tEcrPrgCrs3000MemAllocV302>(nullptr);
  action->SetIntParam(2, 7);
  action->SetCompParam(9, 123456789012LL);
  EXPECT_EQ(Run([&] { module->PerformPrgActn(*action, false); }), MpmSuccessfull);
  EXPECT_EQ(Wire().first(), "> CMD E0 0E 0001 0124");
  EXPECT_EQ(module->Prg, own);
  EXPECT_EQ(own->GetIntParam(2), 7);
  EXPECT_EQ(own->GetCompParamValue(9), 123456789012LL);
}

// Against the register: an action the module can perform talks to it; one it cannot
// ends at once with nothing on the line.
TEST_F(ModuleBase, ActionsByKindOnTheLine) {
  struct Case {
    const TClass* kind;
    bool withTarget;
    tMpMessage result;
    QString firstFrame; // none: nothing on the line
  };
  const Case cases[] = {{&tActnPrgRec::StaticClass(), true, MpmSuccessfull, "> CMD E0 0E 0001 0124"},
                        {&tActnPrgRec::StaticClass(), false, MpmFailed, {}},
                        {&tActnPrgSnd::StaticClass(), false, MpmFailed, {}},
                        {&tActnRpt::StaticClass(), false, MpmFailed, {}},
                        {&tActn::StaticClass(), false, MpmFailed, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind->ClassName().toStdString());
    sim.ClearTranscript();
    std::unique_ptr<tActn> action = tActn::New(*c.kind, nullptr, &Driver());
    if (c.withTarget)
      static_cast<tActnPrg&>(*action).AdoptPrg(tEcrFnct::New<tEcrPrgCrs3000MemAllocV302>(nullptr));
    EXPECT_EQ(Run([&] { module->PerformActn(*action); }, c.result == MpmFailed ? 200 : 20000), c.result);
    EXPECT_EQ(Wire().value(0), c.firstFrame);
  }
}

TEST_F(ModuleBase, AFinishedTransferIgnoresLateEvents) {
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  const QStringList lines = Lines();
  receiver.messages.clear();
  for (PollMsg late : {CommErr, GotEot, TimeOut, GotBlock}) module->DoPollMsg(late);
  QCoreApplication::processEvents();
  EXPECT_TRUE(receiver.messages.isEmpty()) << "no second end report";
  EXPECT_EQ(Lines(), lines);
  EXPECT_FALSE(module->Busy());
}

TEST_F(ModuleBase, ALineErrorWhileWaitingKeepsTheTimerGoing) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0")));
  const tMpMessage end = Run([&] {
    module->Logon();
    module->DoPollMsg(CommErr);
  });
  EXPECT_EQ(end, MpmSuccessfull);
  EXPECT_EQ(Wire(), QStringList({"> CMD E0 0E 0001 0124", "> CMD E0 0E 0001 0124", "< BLK 0", "> ACK", "< EOT"}));
  EXPECT_EQ(Lines()[1], "TP[1] E");
}

TEST_F(ModuleBase, StopCommEndsAllActivity) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:forever")));
  module->Logon();
  module->StopComm();
  WaitFor([] { return false; }, 600);
  EXPECT_EQ(Wire(), QStringList({"> CMD E0 0E 0001 0124"})) << "no time-out, no second command";
  EXPECT_TRUE(receiver.messages.isEmpty());
}

TEST_F(ModuleBase, AStepThatRaisesFailsTheTransferWithItsMessage) {
  TCommWorkFile::SetFolder(work.filePath(QStringLiteral("missing/folder")));
  EXPECT_EQ(Run([&] { module->Logon(); }), MpmFailed);
  ASSERT_GE(Lines().size(), 3);
  EXPECT_TRUE(Lines()[2].startsWith(T + "Cannot create the work file")) << Lines()[2].toStdString();
  EXPECT_EQ(Lines().last(), "F") << "the transfer's own end";
}

TEST_F(ModuleBase, TheWorkFolderAsSetWhenATransferStarts) {
  const QString later = work.filePath(QStringLiteral("later"));
  ASSERT_TRUE(QDir().mkpath(later));
  TCommWorkFile::SetFolder(later);
  auto prg = tEcrFnct::New<ProtoStandIns::tProtoPrg>(&Driver());
  prg->Fill({"ONE"});
  ASSERT_EQ(Run([&] { module->SendPrg(*prg); }), MpmSuccessfull);
  EXPECT_TRUE(QFile::exists(later + "/" + TCommWorkFile::FileName(kSlot)));
  QFile::remove(later + "/" + TCommWorkFile::FileName(kSlot));
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  EXPECT_TRUE(QFile::exists(later + "/" + TCommWorkFile::FileName(kSlot)));
  EXPECT_FALSE(QFile::exists(WorkFilePath(kSlot)));
}

// "Cancel All" while a step pauses before its NAK: the step goes no further.
TEST_F(ModuleBase, StopCommDuringAPauseSendsNothingMore) {
  SetMs("crs.badCrcWaitMs", 300);
  sim.AddFault(SimFault::Parse(QStringLiteral("badcrc:cmd=E0")));
  QTimer::singleShot(100, module.get(), [&] { module->StopComm(); });
  module->Logon();
  WaitFor([] { return false; }, 600);
  EXPECT_EQ(Wire(), QStringList({"> CMD E0 0E 0001 0124", "< BAD BLK 0"}));
  EXPECT_TRUE(receiver.messages.isEmpty());
  EXPECT_FALSE(module->Busy());
}

TEST_F(ModuleBase, TheEndReportIsAlsoASignal) {
  QList<tMpMessage> ended;
  QObject::connect(module.get(), &TdmCommBase::TransferEnded, [&](tMpMessage m) { ended.append(m); });
  ASSERT_EQ(Run([&] { module->Logon(); }), MpmSuccessfull);
  EXPECT_EQ(ended, QList<tMpMessage>{MpmSuccessfull});
}

// Modules on several lines pausing at the same time: each pause ends on its own time, not
// when the pauses begun after it have ended. Each module pauses before its command and, with
// no line, then fails at once, so its end report marks the end of its pause.
TEST_F(ModuleBase, PausesOfSeveralModulesEndEachOnItsOwnTime) {
  constexpr int kPauseMs = 300, kStaggerMs = 60, kModules = 4;
  SetMs("crs.beforeCmdMs", kPauseMs);
  std::vector<std::unique_ptr<TdmCommCrs>> modules;
  std::vector<std::unique_ptr<tEcrRpt>> rpts;
  std::vector<std::unique_ptr<TProgressLines>> lines;
  QElapsedTimer elapsed;
  QList<int> endOrder;
  std::vector<qint64> lateBy(kModules, -1);
  for (int i = 0; i < kModules; ++i) {
    modules.push_back(std::make_unique<TdmCommCrs>());
    rpts.push_back(NewRpt<ProtoStandIns::TimeKeepingRpt>());
    lines.push_back(std::make_unique<TProgressLines>());
    modules[i]->InitSession(&machine, nullptr, 10 + i, &receiver, lines[i].get());
    QObject::connect(modules[i].get(), &TdmCommBase::TransferEnded, [&, i] {
      endOrder.append(i);
      lateBy[i] = elapsed.elapsed() - (i * kStaggerMs + kPauseMs);
    });
  }
  elapsed.start();
  for (int i = 1; i < kModules; ++i)
    QTimer::singleShot(i * kStaggerMs, modules[i].get(), [&, i] { modules[i]->PollRpt(*rpts[i]); });
  modules[0]->PollRpt(*rpts[0]);
  ASSERT_TRUE(WaitFor([&] { return endOrder.size() == kModules; }, 5000));
  EXPECT_EQ(endOrder, QList<int>({0, 1, 2, 3})) << "each pause ends in the order it began";
  for (int i = 0; i < kModules; ++i) {
    EXPECT_GE(lateBy[i], 0) << "module " << i << " paused its whole time";
    EXPECT_LT(lateBy[i], kStaggerMs) << "module " << i << " was held past its own pause";
  }
  EXPECT_TRUE(Wire().isEmpty());
}

// A transfer's first step runs inside its starter's call (a session's handling, one of many
// sessions started in a row): another module's events that are due meanwhile wait for the
// event loop, so a start never waits for the work of the other sessions.
TEST_F(ModuleBase, AStartingTransferRunsNoOtherModulesEvents) {
  SetMs("crs.beforeCmdMs", 0);
  OtherLine other(*this);
  const std::unique_ptr<tEcrRpt> rpt = NewRpt<ProtoStandIns::TimeKeepingRpt>();
  other.Poll(); // its pause before the command is over at once
  module->PollRpt(*rpt);
  EXPECT_FALSE(other.ended) << "the other module's pause ended inside this start";
  EXPECT_TRUE(WaitFor([&] { return other.ended; }, 2000));
}

// Steps and continuations of modules on several lines take their turns from the event loop,
// never one inside another's: a step nested in another would hold it until it was over.
TEST_F(ModuleBase, StepsOfSeveralModulesNeverRunInsideEachOther) {
  constexpr int kModules = 4;
  SetMs("crs.beforeCmdMs", 0);
  std::vector<std::unique_ptr<TdmCommCrs>> modules;
  std::vector<std::unique_ptr<tEcrRpt>> rpts;
  std::vector<std::unique_ptr<TProgressLines>> lines;
  int ended = 0, deepest = 0;
  for (int i = 0; i < kModules; ++i) {
    modules.push_back(std::make_unique<TdmCommCrs>());
    rpts.push_back(NewRpt<ProtoStandIns::TimeKeepingRpt>());
    lines.push_back(std::make_unique<TProgressLines>());
    modules[i]->InitSession(&machine, nullptr, 10 + i, &receiver, lines[i].get());
    QObject::connect(modules[i].get(), &TdmCommBase::TransferEnded, [&] {
      ++ended;
      deepest = std::max(deepest, TdmCommBase::StepsRunning());
    });
  }
  for (int i = 0; i < kModules; ++i) modules[i]->PollRpt(*rpts[i]);
  ASSERT_TRUE(WaitFor([&] { return ended == kModules; }, 2000));
  EXPECT_EQ(deepest, 1) << "a module's step ran inside another's";
}

// A step may let waiting events run (a long save does, so that windows stay drawn). Another
// module whose time came meanwhile still waits for the step to end: run inside it, it would
// hold the step until it was over itself.
TEST_F(ModuleBase, AStepThatLetsEventsRunHoldsOtherModulesStepsUntilItEnds) {
  SetMs("crs.beforeCmdMs", 0);
  OtherLine other(*this);
  const std::unique_ptr<tEcrRpt> rpt = NewRpt<ProtoStandIns::TimeKeepingRpt>();
  int otherSteps = 0, nestedSteps = 0;
  QObject::connect(&other.lines, &TProgressLines::LineAdded, [&] {
    ++otherSteps;
    if (TdmCommBase::StepsRunning() > 1) ++nestedSteps;
  });
  bool pumped = false;
  QObject::connect(&progress, &TProgressLines::LineAdded, [&] {
    if (pumped) return;
    pumped = true;
    QThread::msleep(20); // the other module's pause is over by now
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  });
  other.Poll();
  const int stepsBefore = otherSteps;
  module->PollRpt(*rpt);
  ASSERT_TRUE(pumped);
  EXPECT_EQ(otherSteps, stepsBefore) << "the other module stepped inside this module's step";
  EXPECT_TRUE(WaitFor([&] { return other.ended; }, 2000)) << "the other module was held for good";
  EXPECT_EQ(nestedSteps, 0);
}
