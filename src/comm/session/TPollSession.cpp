#include "comm/session/TPollSession.h"

#include "comm/jobs/JobActions.h"
#include "comm/jobs/JobRetry.h"
#include "comm/actions/tActn.h"
#include "comm/crs/CommTurn.h"
#include "comm/crs/TSessionMsgEvent.h"
#include "comm/crs/TdmCommBase.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/link/ESclException.h"
#include "comm/session/ISessionWindow.h"
#include "comm/session/MachineWriteBack.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TfmComCtrl.h"
#include "model/tMachine.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/FormRegistry.h"
#include "store/streaming/TObjectStream.h"

#include <QDebug>

using namespace HisStatus;

namespace {
std::function<void(const QString&)>& NoticeSink() {
  static std::function<void(const QString&)> sink;
  return sink;
}

std::unique_ptr<tMachine> CopyMachine(const tMachine& machine) {
  std::unique_ptr<TObject> copy = CopyObject(&machine);
  return std::unique_ptr<tMachine>(static_cast<tMachine*>(copy.release()));
}

// The names of the jobs after which the user is offered the next one of the same kind.

bool OffersFollowUp(const QString& scriptId) {
  return scriptId == QLatin1String("Send a Prog") || scriptId == QLatin1String("Save a Prog") ||
         scriptId == QLatin1String("Prompted");
}
} // namespace

QString MpStateName(tMpState state) {
  static const char* const names[] = {"MpsInitial", "MpsLogon",  "MpsLoggingOn", "MpsLoggedOn",
                                      "MpsPolling", "MpsDone",   "MpsClosed",    "MpsAbort"};
  return state < std::size(names) ? QString::fromLatin1(names[state]) : QString::number(int(state));
}

QString MpMessageName(tMpMessage message) {
  static const char* const names[] = {"MpmInitial",     "MpmFailed",     "MpmPollStart",    "MpmSuccessfull",
                                      "MpmDone",        "MpmCancelled",  "MpmUserCancel",   "MpmUserCancelAll",
                                      "MpmBusyTimeOut", "MpmTapiBusy",   "MpmTapiClosed"};
  return message < std::size(names) ? QString::fromLatin1(names[message]) : QString::number(int(message));
}

void TPollSession::SetNoticeSink(std::function<void(const QString&)> sink) { NoticeSink() = std::move(sink); }

TPollSession::TPollSession(TfmComCtrl* controller, const tHistoryEvent& event, const tMachine& machine, int slot)
    : QObject(nullptr), Slot(slot), controller_(controller), event_(CopyEvent(event)),
      machine_(CopyMachine(machine)), writeBack_(std::make_unique<MachineWriteBack>(*machine_)) {
  pause_.setSingleShot(true);
  drainLater_.setSingleShot(true);
  connect(&drainLater_, &QTimer::timeout, this, &TPollSession::Drain);
  connect(&pause_, &QTimer::timeout, this, [this] {
    if (CommTurn::Taken()) return CommTurn::Defer(pause_);
    {
      const CommTurn turn;
      std::function<void()> then = std::move(continuation_);
      continuation_ = nullptr;
      handling_ = true;
      if (then) Guarded(then);
      handling_ = false;
    }
    Drain();
  });
}

TPollSession::~TPollSession() {
  if (windowObject_) delete windowObject_.data();
}

ISessionWindow* TPollSession::Window() const { return windowObject_ ? window_ : nullptr; }

TdmCommBase* TPollSession::Module() const { return Window() ? Window()->Module() : nullptr; }

bool TPollSession::Owns(const QObject* source) const {
  if (!source) return false;
  return source == this || (windowObject_ && source == windowObject_.data()) ||
         (Module() && source == static_cast<const QObject*>(Module()));
}

void TPollSession::Post(tMpMessage message) { PostSessionMsg(controller_, Slot, message, this); }

// A poll being saved is not cut off: as with Cancel All, the close waits until the save
// is over (the user, or the watchdog's next try, closes again).
void TPollSession::CloseRequested() {
  if (Ending()) return;
  if (TdmCommBase* module = Module(); module && module->State == PollGood) return;
  Post(MpmUserCancelAll);
}

void TPollSession::Receive(tMpMessage message) {
  if (State == MpsClosed) return;
  queue_.append(message);
  Drain();
}

// One handling at a time; a pause holds the queue until its continuation has run.
void TPollSession::Drain() {
  if (handling_) return;
  if (CommTurn::Taken()) return CommTurn::Defer(drainLater_);
  const CommTurn turn;
  handling_ = true;
  while (!queue_.isEmpty() && !continuation_ && State != MpsClosed && State != MpsDone) {
    LastMsg = queue_.takeFirst();
    Guarded([this] { HandleMsg(); });
  }
  handling_ = false;
}

// An error inside a handling never leaves the session: it is shown and fails the current
// step, which then goes through the retries; at the end the session is released anyway.
void TPollSession::Guarded(const std::function<void()>& run) {
  try {
    run();
  } catch (const std::exception& e) {
    Unexpected(ExceptionMessage(e));
    if (State == MpsClosed) return;
    if (State == MpsDone) {
      if (!continuation_) Finish();
      return;
    }
    Post(MpmFailed);
  }
}

void TPollSession::After(int ms, std::function<void()> then) {
  continuation_ = std::move(then);
  pause_.start(std::max(0, ms));
}

void TPollSession::HandleMsg() {
  switch (State) {
  case MpsLogon:
    return HandleLogon();
  case MpsLoggingOn:
    return HandleLoggingOn();
  case MpsPolling:
    return HandlePolling();
  case MpsAbort:
    State = MpsClosed;
    return;
  default:
    Unexpected(QStringLiteral("Unexpected State:") + MpStateName(State) + QStringLiteral(" Message: ") +
               MpMessageName(LastMsg));
  }
}

void TPollSession::HandleLogon() {
  switch (LastMsg) {
  case MpmInitial:
    Job(Active, Logon);
    Store();
    State = MpsLoggingOn;
    OpenLine();
    return;
  case MpmUserCancel:
    Line(QStringLiteral("Cancelling Initializing Communications"));
    LastMsg = MpmUserCancelAll;
    return HandleMsg();
  case MpmUserCancelAll:
    CancelAll();
    return End();
  case MpmBusyTimeOut:
    EndBusyWait(DeviceBusy);
    State = MpsLoggingOn;
    Connect();
    return;
  default:
    return;
  }
}

void TPollSession::EndBusyWait(qint32 phase) {
  if (Window()) Window()->SetWatching(true);
  Job(Active, phase);
  Store();
  if (Window()) Window()->StopBusyTimer();
}

void TPollSession::HandleLoggingOn() {
  switch (LastMsg) {
  case MpmSuccessfull:
    EnableCancel(false);
    Job(Active, LogonSuccessful);
    Store();
    LastMsg = MpmPollStart;
    if (TdmCommBase* module = Module()) module->LogonDone();
    State = MpsPolling;
    return HandleMsg();
  case MpmFailed:
    Line(QStringLiteral("Logon Failed"));
    return LogonRetry();
  case MpmBusyTimeOut:
    if (BusyCount < SessionTiming::MaxBusyWaits) {
      ++BusyCount;
      EndBusyWait(PhoneBusy);
      return OpenLine();
    }
    Job(Failed, PhoneBusy);
    ToHistory();
    Store();
    CallBack(JobCallback::Failure);
    return End();
  case MpmTapiBusy: {
    tHistory& history = TheHistory();
    event_->State = DeviceBusy;
    if (RetryLeft(event_->DefRetryCount, history.GetDefRetry())) {
      event_->CountDeferredRetry();
      event_->Status = Retry;
      Store();
      history.DeferMachine(machine_->MachineId);
    } else {
      event_->Status = Failed;
      ToHistory();
      Store();
      CallBack(JobCallback::Failure);
      history.FailList(machine_->MachineId);
    }
    return End();
  }
  case MpmUserCancel:
    Line(QStringLiteral("Cancelling Initializing Communications"));
    LastMsg = MpmUserCancelAll;
    return HandleMsg();
  case MpmUserCancelAll:
    CancelAll();
    return End();
  default:
    return Unexpected(QStringLiteral("Unexpected Message: ") + MpMessageName(LastMsg) + QStringLiteral(" State: ") +
                      MpStateName(State));
  }
}

void TPollSession::HandlePolling() {
  switch (LastMsg) {
  case MpmPollStart:
    WriteBackMachine();
    Job(Active, Polling);
    Store();
    return Perform(true);
  case MpmSuccessfull:
    EnableCancel(false);
    WriteBackMachine();
    ToHistory();
    event_->Status = (event_->InitRetryCount >= 0 || event_->DefRetryCount >= 0) ? SuccessWithRetry : Successful;
    event_->State = Polling;
    Store();
    CallBack(JobCallback::Success);
    ContinueAfterSuccess();
    return;
  case MpmFailed:
    EnableCancel(false);
    Line(QStringLiteral("Failed"));
    return ActionRetry();
  case MpmUserCancel: {
    Job(UserCancel, Polling);
    ToHistory();
    Store();
    const tActn* action = event_->GetActn();
    Line(QStringLiteral("Cancelling ") + (action ? action->GetSubTitle() : QString()));
    CallBack(JobCallback::Failure);
    return After(SessionTiming::Ms(SessionTiming::CancelPause), [this] { NextOfMachine(false); });
  }
  case MpmUserCancelAll:
    CancelAll();
    return End();
  case MpmTapiClosed:
    Job(Failed, Polling);
    ToHistory();
    Store();
    if (TdmCommBase* module = Module()) module->StopComm();
    CallBack(JobCallback::Failure);
    // The line has gone: the machine's other jobs wait for a session with a line.
    return End();
  default:
    return Unexpected(QStringLiteral("Unexpected Message: ") + MpMessageName(LastMsg) + QStringLiteral(" State: ") +
                      MpStateName(State));
  }
}

void TPollSession::Unexpected(const QString& text) {
  Line(text);
  if (NoticeSink()) NoticeSink()(text);
  else qWarning().noquote() << text;
}

void TPollSession::OpenLine() {
  if (!Window()) {
    CommWindowRequest request{*this, *machine_, CommType, Slot, controller_, nullptr};
    try {
      FormRegistry::Show(request);
    } catch (const std::exception& e) {
      qWarning().noquote() << ExceptionMessage(e);
    }
    if (!request.window) {
      // Without a window there is no line: the logon has failed.
      Post(MpmFailed);
      return;
    }
    window_ = request.window;
    windowObject_ = request.window->Object();
  }
  const qint64 left = TheHistory().SecondsToDeferredRetry(*event_);
  if (left > 0) {
    Line(QStringLiteral("Waiting for Deferred Retry in ") + QString::number(left) + QStringLiteral(" seconds"));
    Window()->StartBusyTimer(int(left * 1000));
    Window()->SetWatching(false);
    return;
  }
  Connect();
}

// A line that cannot be opened fails the logon at once, with the reason on the progress.
void TPollSession::Connect() {
  if (!Window()) return Post(MpmFailed);
  try {
    Window()->Connect(machine_->CommPort, machine_->DialStr);
    Focus();
  } catch (const EAlreadyOpen&) {
    Line(QStringLiteral("Device Busy"));
    if (Window()) {
      Window()->StartBusyTimer(SessionTiming::Ms(SessionTiming::DeviceBusyWait));
      Window()->SetWatching(false);
    }
  } catch (const std::exception& e) {
    Line(ExceptionMessage(e));
    Post(MpmFailed);
  }
}

void TPollSession::LogonRetry() {
  tHistory& history = TheHistory();
  if (RetryLeft(event_->InitRetryCount, history.GetInitRetry())) {
    Job(Active, Logon);
    ++event_->InitRetryCount;
    Store();
    history.DeferMachine(machine_->MachineId);
    return After(SessionTiming::Ms(SessionTiming::LogonRetryPause), [this] {
      Line(QStringLiteral("Retry Number ") + QString::number(event_->InitRetryCount + 1));
      Focus();
      End();
    });
  }
  if (RetryLeft(event_->DefRetryCount, history.GetDefRetry())) {
    history.DeferMachine(machine_->MachineId);
    event_->CountDeferredRetry();
    Job(Retry, Logon);
    Store();
  } else {
    history.FailList(machine_->MachineId);
    Job(Failed, Logon);
    ToHistory();
    Store();
    CallBack(JobCallback::Failure);
  }
  End();
}

void TPollSession::ActionRetry() {
  tHistory& history = TheHistory();
  if (RetryLeft(event_->InitRetryCount, history.GetInitRetry())) {
    ++event_->InitRetryCount;
    Job(Active, Polling);
    Store();
    return After(SessionTiming::Ms(SessionTiming::ActionRetryPause), [this] {
      Line(QStringLiteral("Retry Number ") + QString::number(event_->InitRetryCount + 1));
      Focus();
      Perform(false);
    });
  }
  if (RetryLeft(event_->DefRetryCount, history.GetDefRetry())) {
    event_->CountDeferredRetry();
    event_->Status = Retry;
  } else {
    event_->Status = Failed;
    ToHistory();
    CallBack(JobCallback::Failure);
  }
  event_->State = Polling;
  Store();
  EnableCancel(true);
  NextOfMachine(false);
}

void TPollSession::CancelAll() {
  Line(QStringLiteral("Cancelling All Events for Machine:"));
  Line(QStringLiteral("    ") + machine_->MachineId);
  TheHistory().CancelMachine(machine_->MachineId);
  Job(UserCancel, Logon);
  ToHistory();
  Store();
  CallBack(JobCallback::Failure);
}

void TPollSession::ContinueAfterSuccess() {
  tHistory& history = TheHistory();
  if (history.NextForMachine(event_)) return Perform(true);
  bool followUp = false;
  if (OffersFollowUp(event_->ScriptId)) {
    auto ask = [&] { followUp = history.FollowUp(event_, *machine_); };
    if (Window()) Window()->RunTracked(TSessionWindows::Chooser, QStringLiteral("Next"), ask);
    else ask();
  }
  if (followUp) {
    Job(Active, Polling);
    Store();
    Focus();
    return Perform(false);
  }
  End();
}

void TPollSession::NextOfMachine(bool afterSuccess) {
  if (!TheHistory().NextForMachine(event_)) return End();
  Focus();
  Job(Active, Polling);
  Store();
  Perform(afterSuccess);
}

// The module performs the job's action on the line; a job without an action fails.
void TPollSession::Perform(bool reloadDetached) {
  if (event_->Status != Active) {
    Job(Active, Polling);
    Store();
  }
  if (reloadDetached) ReloadDetached();
  Focus();
  tActn* action = event_->GetActn();
  TdmCommBase* module = Module();
  EnableCancel(true);
  if (!action || !module) {
    Line(action ? QStringLiteral("No line to the register") : QStringLiteral("The job has no action"));
    return Post(MpmFailed);
  }
  module->PerformActn(*action);
}

void TPollSession::End() {
  State = MpsDone;
  ending_ = true;
  if (Window()) Window()->EndSession(LastMsg);
  After(SessionTiming::Ms(SessionTiming::EndPause), [this] { Finish(); });
}

void TPollSession::Finish() {
  State = MpsClosed;
  tHistory& history = TheHistory();
  history.SetPortBusy(event_->ComPort, false);
  try {
    history.StartNext(machine_->CommPort);
  } catch (const std::exception& e) {
    Unexpected(ExceptionMessage(e));
  }
  queue_.clear();
  if (controller_) controller_->ReleaseSession(Slot);
}

void TPollSession::Job(qint32 status, qint32 phase) {
  event_->Status = status;
  event_->State = phase;
}

void TPollSession::ToHistory() { event_->Mode = QStringLiteral("History"); }

void TPollSession::Store() { TheHistory().StoreEvent(*event_); }

void TPollSession::CallBack(int code) { event_->CallBack(code); }

// A job whose action is not attached to a driver is read again from "Pending"; it keeps
// the callback and the action's options of the job it replaces.
void TPollSession::ReloadDetached() {
  const tActn* action = event_->GetActn();
  if (action && action->TargetAttached()) return;
  const QString id = event_->PendingId.isEmpty() ? event_->EventId : event_->PendingId;
  std::unique_ptr<tHistoryEvent> fresh = TheHistory().LoadPendingEvent(id);
  if (!fresh) return;
  if (!fresh->EventCallBack) fresh->EventCallBack = event_->EventCallBack;
  if (action && fresh->GetActn()) SetActionOptions(fresh->GetActn(), ActionOptions(action));
  event_ = std::move(fresh);
}

void TPollSession::WriteBackMachine() { writeBack_->Merge(*machine_); }

void TPollSession::Line(const QString& text) {
  if (Window()) Window()->AddStatusLine(text);
}

void TPollSession::Focus() {
  if (Window()) Window()->Focus();
}

void TPollSession::EnableCancel(bool on) {
  if (Window()) Window()->EnableCancel(on);
}
