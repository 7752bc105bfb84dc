#include "comm/link/TSclCustomComPort.h"

#include "comm/link/ComPortPaths.h"
#include "comm/link/ESclException.h"
#include "comm/link/SclErrorCodes.h"
#include "comm/link/SclExceptionDisplay.h"
#include "comm/link/SclPortChooser.h"
#include "comm/link/TSclComWindow.h"
#include "comm/link/TSclDeviceDispatcher.h"
#include "comm/link/TSclHandedDispatcher.h"
#include "platform/serialdev/SystemError.h"
#include "platform/serialdev/TtyControl.h"
#include "platform/sys/ScopeGuard.h"

#include <QCoreApplication>
#include <QTimer>
#include <thread>

namespace {
// A port destroyed while its dispatch thread still finishes a close (the port was freed from
// inside one of its own events) leaves the dispatcher to be freed once that thread is done:
// waiting for it here could wait for the very handler that is running.
void FreeWhenThreadsEnd(TSclBaseDispatcher* dispatcher) {
  if (!dispatcher->ThreadsActive() || !QCoreApplication::instance()) {
    delete dispatcher;
    return;
  }
  QTimer::singleShot(5, QCoreApplication::instance(), [dispatcher] { FreeWhenThreadsEnd(dispatcher); });
}
} // namespace

TSclCustomComPort::TSclCustomComPort(QObject* owner) : TSclBaseComponent(owner) {}

TSclCustomComPort::~TSclCustomComPort() {
  try {
    SetOpen(false);
  } catch (const std::exception& e) {
    SclShowException(e);
  }
  if (state_ == psClosing && dispatcher_) {
    dispatcher_->Disown();
    FreeWhenThreadsEnd(dispatcher_.release());
  }
  portUsers_.clear();
  savedTriggers_.Discard();
}

int TSclCustomComPort::Check(int code) const { return CheckResult(this, code); }

void TSclCustomComPort::SetOpen(bool open) {
  if (IsLoading()) {
    open_ = open;
    if (open) openAfterLoad_ = true;
    return;
  }
  if (open) {
    if (state_ == psClosing) reopenAsked_ = true;
    else if (state_ == psClosed) OpenPort();
  } else {
    reopenAsked_ = false;
    ClosePort();
  }
}

void TSclCustomComPort::Loaded() {
  TSclBaseComponent::Loaded();
  if (openAfterLoad_) open_ = true;
  openAfterLoad_ = false;
  if (!open_) return;
  open_ = false;
  try {
    OpenPort();
  } catch (const std::exception& e) {
    open_ = false;
    SclShowException(e);
  }
}

void TSclCustomComPort::ValidateComNumber() {
  if (comNumber_ != 0) return;
  if (!promptForPort_) RaiseSclError(SclErr::NoPortSelected);
  const int chosen = ChooseSclPort();
  if (chosen <= 0) RaiseSclError(SclErr::NoPortSelected);
  comNumber_ = chosen;
}

void TSclCustomComPort::CreateDispatcher() {
  if (deviceLayer_ != dlWin32) RaiseSclError(SclErr::NullApi);
  if (tapiMode_ == tmOn) dispatcher_ = std::make_unique<TSclHandedDispatcher>(this, tapiHandle_);
  else dispatcher_ = std::make_unique<TSclDeviceDispatcher>(this);
}

// The settings the modem layer chose for its call stay in force.
void TSclCustomComPort::TakeHandedSettings() {
  if (tapiHandle_ == 0) RaiseSclError(SclErr::NotOpenedByTapi);
  SerialLineSettings line;
  SerialFlowSettings flow;
  if (TtyControl::GetLine(tapiHandle_, line) != 0 || TtyControl::GetFlow(tapiHandle_, flow) != 0) return;
  baud_ = line.Baud;
  parity_ = static_cast<TParity>(line.Parity);
  dataBits_ = line.DataBits;
  stopBits_ = line.StopBits == 0 ? 1 : 2;
  swFlow_ = flow.XonTransmit && flow.XonReceive ? swfBoth : flow.XonTransmit ? swfTransmit : flow.XonReceive ? swfReceive : swfNone;
  xonChar_ = flow.XonChar;
  xoffChar_ = flow.XoffChar;
  hwFlow_ = {};
  if (flow.RtsHandshake) hwFlow_ |= hwfUseRTS;
  if (flow.OutxCts) hwFlow_ |= hwfRequireCTS;
}

void TSclCustomComPort::InitDispatcher() {
  const QString name = tapiMode_ == tmOn ? QString() : ComPortDevicePath(comNumber_);
  const int r = dispatcher_->StartPort(name, baud_, rts_, dtr_, outSize_, inSize_, stopBits_, dataBits_, parity_);
  if (r == -5) Check(SclErr::AlreadyOpen);
  if (r == -2 || r == -3) Check(SclErr::BadId);
  Check(r);
}

// With the force flag every setter acts even on an unchanged value.
void TSclCustomComPort::ApplySettings() {
  force_ = true;
  const auto forceOff = OnScopeExit([this] { force_ = false; });
  SetTracing(tracing_);
  SetLogging(logging_);
  SetHWFlowOptions(hwFlow_);
  SetSWFlowOptions(swFlow_);
  SetXOnChar(xonChar_);
  SetXOffChar(xoffChar_);
  SetAvailLength(availLength_);
  SetDTR(dtr_);
  SetRTS(rts_);
  SetUseEventWord(useEventWord_);
  SetRS485Mode(rs485_);
  SetPriorityBoost(priorityBoost_);
}

void TSclCustomComPort::OpenPort() {
  if (tapiMode_ != tmOn) ValidateComNumber();
  CreateDispatcher();
  {
    const auto undo = OnScopeFailure([this] {
      open_ = false;
      FreeDispatcher();
    });
    if (tapiMode_ == tmOn) TakeHandedSettings();
    InitDispatcher();
    state_ = psOpen;
    RefreshEventNeed();
    ApplySettings();
    open_ = true;
    AttachWindow(true);
    if (triggersSaved_) {
      dispatcher_->RestoreTriggers(savedTriggers_);
      savedTriggers_.Discard();
      triggersSaved_ = false;
    }
  }
  NotifyPortOpen();
}

void TSclCustomComPort::ClosePort() {
  open_ = false;
  if (state_ != psOpen) return;
  // The files are written as the port closes; one that cannot be must not keep it open.
  for (bool log : {false, true}) {
    try {
      SetTraceLog(log, tlDump);
    } catch (const std::exception& e) {
      SclShowException(e);
    }
  }
  tracing_ = logging_ = tlOff;
  state_ = psClosing;
  NotifyPortClose();
  dispatcher_->SaveTriggers(savedTriggers_);
  triggersSaved_ = true;
  dispatcher_->StopPort();
  if (dispatcher_->ClosePending()) window_->PostClosePending(dispatcher_->Handle());
  else FreeDispatcher();
}

// The dispatcher goes first: once its threads have ended nothing can deliver to the window.
void TSclCustomComPort::FreeDispatcher() {
  dispatcher_.reset();
  if (window_) AttachWindow(false);
  state_ = psClosed;
}

void TSclCustomComPort::FinishDeferredClose() {
  if (state_ != psClosing) return;
  FreeDispatcher();
  if (reopenAsked_) {
    reopenAsked_ = false;
    OpenPort();
  }
}

void TSclCustomComPort::AttachWindow(bool on) {
  if (on) {
    window_ = new TSclComWindow(this);
    dispatcher_->AddWindowHandler(window_);
  } else {
    if (dispatcher_) dispatcher_->RemoveWindowHandler(window_);
    // Later: this may run inside the window's own handling of a message.
    window_->deleteLater();
    window_ = nullptr;
  }
}

void TSclCustomComPort::RefreshEventNeed() {
  if (!IsOpen()) return;
  const bool any = onTrigger_ || onTriggerAvail_ || onTriggerData_ || onTriggerStatus_ || onTriggerTimer_ ||
                   onTriggerLineError_ || onTriggerModemStatus_ || onTriggerOutbuffFree_ ||
                   onTriggerOutbuffUsed_ || onTriggerOutSent_;
  dispatcher_->RefreshHandlerNeed(any ? 1 : 2);
}

void TSclCustomComPort::NotifyPortOpen() {
  const auto users = portUsers_; // a user may add or remove users meanwhile
  for (auto it = users.rbegin(); it != users.rend(); ++it) it->callback(*this, true);
  if (OpenedEvent) OpenedEvent(*this);
}

void TSclCustomComPort::NotifyPortClose() {
  const auto users = portUsers_;
  for (auto it = users.rbegin(); it != users.rend(); ++it) it->callback(*this, false);
  if (ClosedEvent) ClosedEvent(*this);
}

int TSclCustomComPort::AddPortUser(const void* key, TPortUserCallback callback) {
  portUsers_.push_back({key, std::move(callback)});
  return static_cast<int>(portUsers_.size()) - 1;
}

void TSclCustomComPort::RemovePortUser(const void* key) {
  std::erase_if(portUsers_, [&](const PortUser& u) { return u.key == key; });
}

TSclBaseDispatcher* TSclCustomComPort::ActiveDispatcher() {
  if (!dispatcher_ && !IsLoading() && state_ != psOpen && autoOpen_) SetOpen(true);
  return dispatcher_.get();
}

TSclBaseDispatcher& TSclCustomComPort::RequireDispatcher() {
  TSclBaseDispatcher* d = ActiveDispatcher();
  if (!d) RaiseSclError(SclErr::CommNotOpen);
  return *d;
}

TSclCustomComPort* TSclCustomComPort::FindComPort(QObject* owner) {
  if (!owner) return nullptr;
  for (QObject* child : owner->children()) {
    if (auto* port = qobject_cast<TSclCustomComPort*>(child)) return port;
    if (auto* inner = FindComPort(child)) return inner;
  }
  return nullptr;
}

void TSclCustomComPort::YieldToDispatcher() {
  if (state_ != psClosing) std::this_thread::yield();
}

void TSclCustomComPort::SendString(const QByteArray& bytes) {
  if (state_ == psClosing) return;
  Check(RequireDispatcher().QueueBlock(bytes.constData(), static_cast<int>(bytes.size())));
}

void TSclCustomComPort::AddLogMark(const QString& text) {
  if (state_ == psClosing) return;
  if (logging_ == tlOn && IsOpen()) dispatcher_->AddLogMark(text);
}

int TSclCustomComPort::InputCount() { return IsOpen() ? dispatcher_->InputCount() : 0; }
int TSclCustomComPort::OutputUsed() { return IsOpen() ? dispatcher_->OutputUsed() : 0; }
bool TSclCustomComPort::CtsState() { return IsOpen() && dispatcher_->CtsState(); }
bool TSclCustomComPort::DsrState() { return IsOpen() && dispatcher_->DsrState(); }
bool TSclCustomComPort::DcdState() { return IsOpen() && dispatcher_->DcdState(); }
bool TSclCustomComPort::RingSeen() { return IsOpen() && dispatcher_->RingSeen(); }
int TSclCustomComPort::TakeLineError() { return IsOpen() ? dispatcher_->TakeLineError() : 0; }
bool TSclCustomComPort::TakeBreak() { return IsOpen() && dispatcher_->TakeBreak(); }

int TSclCustomComPort::NewTimerTrigger() {
  if (state_ == psClosing) return 0;
  return Check(RequireDispatcher().NewTimerTrigger());
}

int TSclCustomComPort::NewStatusTrigger(int kind) {
  if (state_ == psClosing) return 0;
  return Check(RequireDispatcher().NewStatusTrigger(kind));
}

// Also while closing, so a user told of the close can take its triggers away before they
// are carried over to the next open.
void TSclCustomComPort::DropTrigger(int handle) {
  if (dispatcher_) Check(dispatcher_->DropTrigger(handle));
}

void TSclCustomComPort::ArmTimerTrigger(int handle, int ticks, bool activate) {
  if (state_ == psClosing) return;
  Check(RequireDispatcher().ArmTimerTrigger(handle, ticks, activate));
}

void TSclCustomComPort::ArmStatusTrigger(int handle, int value, bool activate) {
  if (state_ == psClosing) return;
  Check(RequireDispatcher().ArmStatusTrigger(handle, value, activate));
}

void TSclCustomComPort::DispatchTriggerMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) {
  const int handle = static_cast<int>(shortParam);
  FireTrigger(message, handle, message == kSclTriggerAvail ? handle : static_cast<int>(longParam & 0xFFFF));
  switch (message) {
  case kSclTriggerAvail: FireTriggerAvail(handle); break;
  case kSclTriggerData: FireTriggerData(handle); break;
  case kSclTriggerTimer: FireTriggerTimer(handle); break;
  case kSclTriggerStatus:
    FireTriggerStatus(handle);
    switch (StatusKindOf(handle)) {
    case skModemStatus: FireTriggerModemStatus(); break;
    case skLineStatus: {
      const bool lineBreak = TakeBreak(); // first, so a break alone gives error 0
      FireTriggerLineError(TakeLineError(), lineBreak);
      break;
    }
    case skOutputFree: FireTriggerOutbuffFree(); break;
    case skOutputUsed: FireTriggerOutbuffUsed(); break;
    case skOutputSent: FireTriggerOutSent(); break;
    default: break;
    }
    break;
  default: break;
  }
}

void TSclCustomComPort::FireTrigger(uint32_t msg, int triggerHandle, int data) {
  if (onTrigger_) onTrigger_(*this, msg, triggerHandle, data);
}
void TSclCustomComPort::FireTriggerAvail(int count) {
  if (onTriggerAvail_) onTriggerAvail_(*this, count);
}
void TSclCustomComPort::FireTriggerData(int triggerHandle) {
  if (onTriggerData_) onTriggerData_(*this, triggerHandle);
}
void TSclCustomComPort::FireTriggerStatus(int triggerHandle) {
  if (onTriggerStatus_) onTriggerStatus_(*this, triggerHandle);
}
void TSclCustomComPort::FireTriggerTimer(int triggerHandle) {
  if (onTriggerTimer_) onTriggerTimer_(*this, triggerHandle);
}
void TSclCustomComPort::FireTriggerLineError(int error, bool lineBreak) {
  if (onTriggerLineError_) onTriggerLineError_(*this, error, lineBreak);
}
void TSclCustomComPort::FireTriggerModemStatus() {
  if (onTriggerModemStatus_) onTriggerModemStatus_(*this);
}
void TSclCustomComPort::FireTriggerOutbuffFree() {
  if (onTriggerOutbuffFree_) onTriggerOutbuffFree_(*this);
}
void TSclCustomComPort::FireTriggerOutbuffUsed() {
  if (onTriggerOutbuffUsed_) onTriggerOutbuffUsed_(*this);
}
void TSclCustomComPort::FireTriggerOutSent() {
  if (onTriggerOutSent_) onTriggerOutSent_(*this);
}
void TSclCustomComPort::FireWaitChar(char c) {
  if (onWaitChar_) onWaitChar_(*this, c);
}
