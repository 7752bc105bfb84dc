#include "SessionFixture.h"

#include "ActnDoubles.h"
#include "LinkTestSupport.h"
#include "comm/actions/tActnRpt.h"
#include "comm/crs/TSessionMsgEvent.h"
#include "comm/link/ESclException.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TPollSession.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "platform/sys/Exception.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

void FakeModule::Logon() {
  if (fixture_.logons.isEmpty()) return;
  const tMpMessage answer = fixture_.logons.takeFirst();
  if (answer != MpmInitial) PostSessionMsg(CtrlWnd, Slot, answer, this);
}

FakeModule::~FakeModule() {
  if (TdmCommBase::StepsRunning() > 0) fixture_.freedInsideAStep = true;
}

// The transfer's first step waits for an event from the line (a timer here); on it, the
// step asks for Cancel All, lets the session end meanwhile, and then pauses in an event loop
// of its own, as a save or a protocol wait does.
void FakeModule::CancelInsideAPause() {
  if (State == PollInit) {
    State = PollSntCmnd;
    QTimer::singleShot(0, this, [this] { DoPollMsg(GotBlock); });
    return;
  }
  PostSessionMsg(CtrlWnd, Slot, MpmUserCancelAll, this);
  QElapsedTimer spent;
  spent.start();
  while (fixture_.ctrl.SessionCount() > 0 && spent.elapsed() < 2000) QCoreApplication::processEvents();
  QEventLoop pause;
  QTimer::singleShot(30, &pause, &QEventLoop::quit);
  pause.exec();
  if (fixture_.freedInsideAStep) return; // freed: nothing of it may be touched
  EndTransfer(MpmSuccessfull);
}

void FakeModule::PerformActn(tActn& action) {
  fixture_.performed << action.GetSubTitle();
  if (fixture_.cancelInsidePause) return StartTransfer(static_cast<TStep>(&FakeModule::CancelInsideAPause));
  if (fixture_.actions.isEmpty()) return;
  const tMpMessage answer = fixture_.actions.takeFirst();
  if (answer != MpmInitial) PostSessionMsg(CtrlWnd, Slot, answer, this);
}

FakeWindow::FakeWindow(SessionFixture& fixture, CommWindowRequest& request)
    : slot(request.slot), session(&request.session), fixture_(fixture), controller_(request.controller) {}

void FakeWindow::AddStatusLine(const QString& text) { fixture_.lines << text; }

void FakeWindow::Connect(const QString&, const QString&) {
  const auto fault = fixture_.connects.isEmpty() ? SessionFixture::ConnectFault::None : fixture_.connects.takeFirst();
  if (fault == SessionFixture::ConnectFault::Busy) throw EAlreadyOpen(QStringLiteral("in use"));
  if (fault == SessionFixture::ConnectFault::Fails) throw Exception(QStringLiteral("'Direct to COM' is not a valid integer value"));
  if (!module_) {
    module_ = new FakeModule(fixture_, this);
    module_->InitSession(nullptr, nullptr, slot, controller_, nullptr);
  }
  module_->Logon();
}

void FakeWindow::EndSession(tMpMessage last) {
  fixture_.lines << QStringLiteral("Terminating Communications");
  fixture_.ends << last;
}

void FakeWindow::Post(tMpMessage message) { PostSessionMsg(controller_, slot, message, this); }

SessionFixture::SessionFixture() {
  for (int i = 0; i < SessionTiming::IntervalCount; ++i)
    profile.intervals.insert(QString::fromLatin1(SessionTiming::Name(SessionTiming::Interval(i))), 1);
  history().SetSessionStarter(&ctrl);
  form_ = std::make_unique<ScopedForm<CommWindowRequest>>([this](CommWindowRequest& request) {
    auto* window = new FakeWindow(*this, request);
    windows << window;
    slots << request.slot;
    request.window = window;
    return 1;
  });
  rptChooser_ = std::make_unique<ScopedForm<RptSelectRequest>>([this](RptSelectRequest&) {
    ++followUps;
    return 0;
  });
  prgChooser_ = std::make_unique<ScopedForm<PrgSelectRequest>>([this](PrgSelectRequest&) {
    ++followUps;
    return 0;
  });
}

SessionFixture::~SessionFixture() {
  RunUntilIdle(500);
  if (HistoryExists()) TheHistory().SetSessionStarter(nullptr);
}

void SessionFixture::AddTill(const QString& id, const QString& port) {
  std::unique_ptr<tMachine> machine = ActnDoubles::NewMachine(id);
  machine->CommPort = port;
  ::AddMachine(*machine);
}

QString SessionFixture::QueuePoll(const QString& machineId, const QString& port) {
  std::unique_ptr<tMachine> machine = FindMachine(machineId);
  auto actn = tActn::New<tActnRpt>(machine.get(), machine->Ecr());
  for (int i = 1; i <= machine->Ecr()->RptCount(); ++i)
    if (machine->Ecr()->Rpt(i)->GetRptName() == QLatin1String("Financial")) actn->SetRpt(machine->Ecr()->Rpt(i));
  return Queue(machineId, port, -1, 5, actn.get());
}

bool SessionFixture::RunUntilIdle(int timeoutMs) {
  const bool idle = WaitFor([this] { return ctrl.SessionCount() == 0 && ctrl.PendingRelease() == 0; }, timeoutMs);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  return idle;
}

