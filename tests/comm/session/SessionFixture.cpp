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

void FakeModule::Logon() {
  if (fixture_.logons.isEmpty()) return;
  const tMpMessage answer = fixture_.logons.takeFirst();
  if (answer != MpmInitial) PostSessionMsg(CtrlWnd, Slot, answer, this);
}

void FakeModule::PerformActn(tActn& action) {
  fixture_.performed << action.GetSubTitle();
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
  const bool idle = WaitFor([this] { return ctrl.SessionCount() == 0; }, timeoutMs);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  return idle;
}

