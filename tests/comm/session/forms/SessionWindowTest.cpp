// The communication window in a session against the simulated register.
#include "WindowFixture.h"

#include "comm/crs/TProgressLines.h"
#include "comm/crs/TdmCommBase.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/tHisEvFile.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/session/CommLogTable.h"
#include "comm/session/PortDiagnosticFiles.h"
#include "comm/session/TPollSession.h"
#include "comm/session/forms/TfrmCommunicate.h"
#include "crs-sim/SimFault.h"
#include "platform/serialdev/FakeSerialDevice.h"
#include "crs-synth/Synthesiser.h"
#include "model/MachineList.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TTable.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTime>
#include <fcntl.h>
#include <unistd.h>

namespace {
using SessionWindow = WindowFixture;

TEST_F(SessionWindow, APromptedFinancialPollRunsAsAJobAndEndsSuccessful) {
  SetFinancial();
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(WaitFor([&] { return Window() != nullptr; }));
  QPointer<TfrmCommunicate> window = Window();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Communicating with: Front"));
  clock.Add(59600); // the session takes a minute, as the log sees it
  ASSERT_TRUE(RunUntilIdle());

  EXPECT_EQ(codes, QList<int>{2});
  const auto jobs = Ended();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0]->Status, HisStatus::Successful);
  EXPECT_EQ(jobs[0]->State, HisStatus::Polling);
  EXPECT_TRUE(TheHistory().GetPendingList().isEmpty());
  EXPECT_FALSE(TheHistory().IsPortBusy(Port));
  EXPECT_EQ(Polls(), 6) << "the financial report's six tables under their polls";
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].result.toStdString(), "Successful") << rows[0].entry.toStdString();
  // The minute added, and the session's own real time: well under a second, a few on a busy machine.
  const QTime duration = QTime::fromString(rows[0].duration, QStringLiteral("H:mm:ss"));
  ASSERT_TRUE(duration.isValid()) << rows[0].duration.toStdString();
  EXPECT_GE(QTime(0, 0).secsTo(duration), 60);
  EXPECT_LE(QTime(0, 0).secsTo(duration), 63) << rows[0].duration.toStdString();
  EXPECT_EQ(rows[0].machine, QStringLiteral("Front"));
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("Using Direct to COM7")));
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("Terminating Communications")));
  EXPECT_TRUE(window.isNull()) << "the window goes with its session";
  EXPECT_EQ(ctrl.HighSlot(), 0);
}

TEST_F(SessionWindow, TwoMachinesOnOneLineRunInOrderEachInItsOwnSession) {
  SetFinancial();
  AddRegister(QStringLiteral("Front"));
  AddRegister(QStringLiteral("Back"));
  QueueFinancial(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Back"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(RunUntilIdle(40000));
  EXPECT_EQ(codes, (QList<int>{2, 2}));
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].machine, QStringLiteral("Front"));
  EXPECT_EQ(rows[1].machine, QStringLiteral("Back"));
  EXPECT_EQ(Polls(), 12);
}

// A port name that names no port fails the logon at once, with the reason as a line, and
// frees the port.
TEST_F(SessionWindow, AConnectThatFailsEndsTheSessionAtOnce) {
  AddRegister(QStringLiteral("Front"), QStringLiteral("Direct to COM"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(QStringLiteral("Direct to COM"));
  ASSERT_TRUE(RunUntilIdle(2000));
  EXPECT_EQ(codes, QList<int>{4});
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].result, QStringLiteral("Failed"));
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("is not a valid integer value"))) << rows[0].entry.toStdString();
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("Logon Failed")));
  EXPECT_FALSE(TheHistory().IsPortBusy(QStringLiteral("Direct to COM")));
}

// The user closes the window of a session whose register is silent: the session ends as
// with Cancel All and frees the window, its slot and the port.
TEST_F(SessionWindow, ClosingTheWindowGoesThroughTheSession) {
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0,forever")));
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(WaitFor([&] { return Window() != nullptr; }));
  QPointer<TfrmCommunicate> window = Window();
  EXPECT_FALSE(window->close()) << "the window stays until its session has ended";
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(codes, QList<int>{4});
  ASSERT_EQ(Ended().size(), 1u);
  EXPECT_EQ(Ended()[0]->Status, HisStatus::UserCancel);
  EXPECT_EQ(LogRows().value(0).result, QStringLiteral("User Cancel"));
  EXPECT_TRUE(window.isNull());
  EXPECT_FALSE(TheHistory().IsPortBusy(Port));
  EXPECT_EQ(ctrl.HighSlot(), 0);
}

// The watchdog (scaled) ends a session whose register went silent: the logon fails, the
// job fails and the session frees its port.
TEST_F(SessionWindow, TheWatchdogEndsASilentSession) {
  profile.intervals.insert(QStringLiteral("session.noActivityMs"), 200);
  profile.intervals.insert(QStringLiteral("crs.prgReceiveCmdMs"), 60000); // the protocol waits on
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0,forever")));
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(RunUntilIdle(5000));
  EXPECT_EQ(codes, QList<int>{4});
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].result, QStringLiteral("Failed"));
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("No Activity. Closing")));
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("Logon Failed")));
  EXPECT_FALSE(TheHistory().IsPortBusy(Port));
}
} // namespace

namespace {
struct StallCase {
  const char* name;
  const char* fault;
};

class StalledProtocol : public SessionWindow, public ::testing::WithParamInterface<StallCase> {};

// Waits the protocol leaves to the watchdog: with every protocol timer far away, the
// (scaled) watchdog still ends the session within its bounds: two looks, two pauses.
TEST_P(StalledProtocol, TheWatchdogEndsTheWaitWithinItsBounds) {
  for (const char* name : {"crs.prgReceiveCmdMs", "crs.prgReceiveBlockMs", "crs.nakWaitMs", "crs.badCrcWaitMs"})
    profile.intervals.insert(QString::fromLatin1(name), 60000);
  profile.intervals.insert(QStringLiteral("session.noActivityMs"), 200);
  profile.intervals.insert(QStringLiteral("session.noActivityPauseMs"), 20);
  sim.SetProgram(14, sim.Program(14) + sim.Program(14)); // a logon of several blocks
  sim.AddFault(SimFault::Parse(QString::fromLatin1(GetParam().fault)));
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  const qint64 start = clock.MonotonicMs();
  TheHistory().StartNext(Port);
  ASSERT_TRUE(RunUntilIdle(5000));
  EXPECT_LT(clock.MonotonicMs() - start, 3 * 200 + 2 * 20 + 1500);
  EXPECT_EQ(codes, QList<int>{4});
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].result.toStdString(), "Failed") << rows[0].entry.toStdString();
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("Logon Failed")));
  EXPECT_FALSE(TheHistory().IsPortBusy(Port));
}

INSTANTIATE_TEST_SUITE_P(Cases, StalledProtocol,
                         ::testing::Values(StallCase{"AnUnexpectedAckAnsweringTheLogon", "ack:cmd=E0"},
                                           StallCase{"ANakBetweenProgramBlocks", "nak:cmd=E0,frame=2,forever"},
                                           StallCase{"AnErrorBlockAnsweringTheLogon", "error:cmd=E0"}),
                         [](const auto& p) { return std::string(p.param.name); });
} // namespace

namespace {
// Mid-poll the window shows the lines with their progress letters, the lamps under their
// labels, and Cancel and Cancel All ready. With TB_SCREENSHOT_DIR set, the window is saved
// there as "communicate.png".
TEST_F(SessionWindow, MidPollTheWindowShowsProgressLettersLampsAndItsButtons) {
  SetFinancial();
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  auto reading = [&] {
    TfrmCommunicate* w = Window();
    return w && w->Progress().Lines().filter(QStringLiteral("Reading Report Financial")).size() == 1;
  };
  ASSERT_TRUE(WaitFor(reading, 10000));
  TfrmCommunicate* w = Window();
  const QString memo = w->findChild<QPlainTextEdit*>(QStringLiteral("mmoProgress"))->toPlainText();
  EXPECT_TRUE(memo.contains(QStringLiteral("P[1] E"))) << memo.toStdString();
  EXPECT_TRUE(memo.contains(QStringLiteral("Consolidating Financial")));
  for (const char* lamp : {"TXDLight", "RXDLight", "CTSLight", "DSRLight", "DCDLight", "ERRORLight"})
    EXPECT_TRUE(w->findChild<QWidget*>(QString::fromLatin1(lamp))) << lamp;
  EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("btnCancel"))->isEnabled());
  EXPECT_TRUE(w->findChild<QPushButton*>(QStringLiteral("btnCancelAll"))->isEnabled());
  const QByteArray dir = qgetenv("TB_SCREENSHOT_DIR");
  if (!dir.isEmpty()) w->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/communicate.png"));
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(codes, QList<int>{2});
}
} // namespace

namespace {
// A line error on the session's port is a progress line, a mark in the port's dispatch log
// and an event for the protocol step waiting for the register's answer.
TEST_F(SessionWindow, ALineErrorIsShownAndReachesTheProtocol) {
  ScopedFakeDevices devices;
  profile.intervals.insert(QStringLiteral("crs.prgReceiveCmdMs"), 60000);
  profile.intervals.insert(QStringLiteral("session.noActivityMs"), 60000); // the session waits for the error
  sim.AddFault(SimFault::Parse(QStringLiteral("silence:cmd=E0,forever")));
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(WaitFor([&] { return Window() && devices.Last(); }));
  ASSERT_TRUE(WaitFor([&] { return sim.Transcript().size() >= 1; }));
  devices.Last()->InjectErrors(SerialDevice::ErrParity);
  const QString errorLine = QStringLiteral("10:30:00 AM  <Comm. Error 3 parity> ");
  ASSERT_TRUE(WaitFor([&] { return Window() && Window()->Progress().Lines().contains(errorLine); }))
      << (Window() ? Window()->Progress().Lines().join(QLatin1Char('|')).toStdString() : "the session has ended");
  // The protocol takes the error after its short pause before each event.
  ASSERT_TRUE(WaitFor([&] { return Window() && Window()->Module() && Window()->Module()->Msg == CommErr; }));
  Window()->CancelAllClick();
  ASSERT_TRUE(RunUntilIdle());
  QFile log(DiagnosticFilesOf(Port).log);
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QByteArray text = log.readAll();
  EXPECT_TRUE(text.contains("Error_3"));
  EXPECT_TRUE(text.contains("GetPrg-PollSntCmnd-Msg_CommErr")) << text.toStdString();
}
} // namespace

namespace {
// Two lines at once: each port runs its machine's jobs in order in a session of its own,
// and the two sessions stand side by side in slots 1 and 2.
TEST_F(SessionWindow, TwoMachinesOnTwoLinesRunAtOnceEachInOrder) {
  SimLineOnPort line8(8);
  const QString port8 = line8.port;
  CrsSim& sim8 = line8.sim;
  SetFinancial();
  SetReport(sim8, 33, QStringLiteral("fncl303"));

  AddRegister(QStringLiteral("Front"));
  AddRegister(QStringLiteral("Back"), port8);
  for (int i = 0; i < 2; ++i) {
    QueueFinancial(QStringLiteral("Front"));
    QueueFinancial(QStringLiteral("Back"));
  }
  TheHistory().StartNext(Port);
  TheHistory().StartNext(port8);
  EXPECT_EQ(ctrl.HighSlot(), 2);
  ASSERT_TRUE(RunUntilIdle(40000));
  EXPECT_EQ(codes, (QList<int>{2, 2, 2, 2}));
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 2) << "one session a line, each running both of its machine's jobs";
  EXPECT_EQ(Polls(), 24);
  auto reads = [](const CrsSim& s) {
    int n = 0;
    for (const SimTranscriptEntry& e : s.Transcript()) n += (!e.sent && e.kind == SimWireFrame::Data && e.body.startsWith(char(0xD0))) ? 1 : 0;
    return n;
  };
  EXPECT_EQ(reads(sim), 2);
  EXPECT_EQ(reads(sim8), 2);
}
} // namespace

namespace {
// A machine behind a line-sharing switch: the switch command goes out on the line before
// the logon, and the session polls as on a direct line.
TEST_F(SessionWindow, TheSwitchCommandGoesOutBeforeTheLogon) {
  struct Case {
    const char* type;
    int number;
    QByteArray bytes;
  };
  const Case cases[] = {{"Distributed", 26, QByteArray::fromHex("13121204" "13314101")},
                        {"4 Port", 2, QByteArray::fromHex("1B1404" "1B1442")},
                        {"4 Port", 5, QByteArray()}};
  SetFinancial();
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    const QString id = QStringLiteral("Till %1").arg(++n);
    AddRegister(id);
    {
      std::unique_ptr<tMachine> machine = FindMachine(id);
      machine->SwitchType = QString::fromLatin1(c.type);
      machine->SwitchNumber = c.number;
      machine->Update();
    }
    sim.ClearTranscript();
    codes.clear();
    QueueFinancial(id);
    TheHistory().StartNext(Port);
    ASSERT_TRUE(RunUntilIdle());
    EXPECT_EQ(codes, QList<int>{2});
    QByteArray before;
    for (const SimTranscriptEntry& e : sim.Transcript()) {
      if (e.sent) continue;
      if (e.kind == SimWireFrame::Data) break;
      before += e.wire;
    }
    EXPECT_EQ(before.toHex(' '), c.bytes.toHex(' '));
  }
}

// The user closes the window while the switch's pause runs between its two commands: the
// session ends as with Cancel All, the second command and the logon never go out, and the
// window, its slot and the port are freed.
TEST_F(SessionWindow, ClosingTheWindowDuringTheSwitchPauseCancelsIt) {
  profile.intervals.insert(QStringLiteral("session.switchSettleMs"), 400);
  SetFinancial();
  AddRegister(QStringLiteral("Front"));
  {
    std::unique_ptr<tMachine> machine = FindMachine(QStringLiteral("Front"));
    machine->SwitchType = QStringLiteral("Distributed");
    machine->SwitchNumber = 26;
    machine->Update();
  }
  const auto wire = [&] {
    QByteArray bytes;
    for (const SimTranscriptEntry& e : sim.Transcript())
      if (!e.sent) bytes += e.wire;
    return bytes;
  };
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(WaitFor([&] { return wire() == QByteArray::fromHex("13121204"); }));
  QPointer<TfrmCommunicate> window = Window();
  ASSERT_TRUE(window);
  window->close();
  ASSERT_TRUE(RunUntilIdle());
  WaitFor([] { return false; }, 600); // past the pause's end
  EXPECT_EQ(wire().toHex(' '), QByteArray("13 12 12 04")) << "the switch went on after the close";
  ASSERT_EQ(Ended().size(), 1u);
  EXPECT_EQ(Ended()[0]->Status, HisStatus::UserCancel);
  EXPECT_TRUE(window.isNull());
  EXPECT_FALSE(TheHistory().IsPortBusy(Port));
  EXPECT_EQ(ctrl.HighSlot(), 0);
}
} // namespace

namespace {
// After the poll the session offers the next report; nobody answers. The (scaled) watchdog
// cancels that chooser, which the session opened, and nothing else: the program's other
// window stays. The session then ends.
TEST_F(SessionWindow, TheWatchdogCancelsTheSessionsChooserAndNoOtherWindow) {
  // Long enough for the poll to run on a busy machine; the chooser then waits out the watchdog.
  profile.intervals.insert(QStringLiteral("session.noActivityMs"), 1500);
  SetFinancial();
  QWidget mainWindow;
  mainWindow.setWindowTitle(QStringLiteral("tillbridge"));
  mainWindow.show();
  int shown = 0, result = -1;
  ScopedForm<RptSelectRequest> chooser([&](RptSelectRequest&) {
    ++shown;
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Select Report"));
    result = dialog.exec();
    return result == QDialog::Accepted ? 1 : 0;
  });
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(RunUntilIdle(15000));
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(result, int(QDialog::Rejected));
  EXPECT_EQ(codes, QList<int>{2});
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].result.toStdString(), "Successful");
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("No Activity. Closing"))) << rows[0].entry.toStdString();
  EXPECT_TRUE(mainWindow.isVisible());
}
} // namespace

namespace {
// The register answers the first report read with an error block: the action fails, is
// retried on the same line, and the poll is stored once; the job ends Success With Retry.
TEST_F(SessionWindow, AFailedReadIsRetriedOnTheSameLineAndStoredOnce) {
  TheHistory().SetInitRetry(2);
  SetFinancial();
  sim.AddFault(SimFault::Parse(QStringLiteral("error:cmd=D0")));
  AddRegister(QStringLiteral("Front"));
  QueueFinancial(QStringLiteral("Front"));
  TheHistory().StartNext(Port);
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(codes, QList<int>{2});
  const auto jobs = Ended();
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0]->Status, HisStatus::SuccessWithRetry);
  EXPECT_EQ(Polls(), 6);
  const auto rows = LogRows();
  ASSERT_EQ(rows.size(), 1) << "one session, one line";
  EXPECT_TRUE(rows[0].entry.contains(QStringLiteral("Retry Number 1"))) << rows[0].entry.toStdString();
}
} // namespace
