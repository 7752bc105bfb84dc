// The com port's property setters: each stores its value and, while the port is open,
// acts on the dispatcher at once. An unchanged value does nothing unless the component is
// applying all of its settings (the force flag, at every open).
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclCustomComPort.h"

#include "platform/sys/ScopeGuard.h"

void TSclCustomComPort::SetDeviceLayer(TDeviceLayer layer) {
  if (layer == dlWin32 && state_ == psClosed) deviceLayer_ = layer; // the only layer there is
}

void TSclCustomComPort::SetComNumber(int number) {
  if (number == comNumber_ && !force_) return;
  if (!IsOpen()) {
    comNumber_ = number;
    return;
  }
  const TTraceLogState tracing = tracing_, logging = logging_;
  ClosePort();
  comNumber_ = number;
  tracing_ = tracing;
  logging_ = logging;
  if (state_ == psClosing) reopenAsked_ = true;
  else OpenPort();
}

#define TB_LINE_SETTER(Name, member, Type)                                       \
  void TSclCustomComPort::Set##Name(Type value) {                                \
    if (value == member && !force_) return;                                      \
    member = value;                                                              \
    if (IsOpen()) Check(dispatcher_->ChangeLine(baud_, parity_, dataBits_, stopBits_)); \
  }
TB_LINE_SETTER(Baud, baud_, int)
TB_LINE_SETTER(Parity, parity_, TParity)
TB_LINE_SETTER(DataBits, dataBits_, int)
TB_LINE_SETTER(StopBits, stopBits_, int)
#undef TB_LINE_SETTER

// Queue sizes take effect at the next open: the rings keep their size while open.
void TSclCustomComPort::SetInSize(int size) { inSize_ = size; }
void TSclCustomComPort::SetOutSize(int size) { outSize_ = size; }

void TSclCustomComPort::SetDTR(bool level) {
  if (level == dtr_ && !force_) return;
  if (IsOpen() && Check(dispatcher_->DriveDtr(level)) == 1) return; // under handshake
  dtr_ = level;
}

void TSclCustomComPort::SetRTS(bool level) {
  if (level == rts_ && !force_) return;
  if (IsOpen() && Check(dispatcher_->DriveRts(level)) == 1) return;
  rts_ = level;
}

void TSclCustomComPort::SetHWFlowOptions(THWFlowOptions options) {
  if (options == hwFlow_ && !force_) return;
  if (options) {
    if (bufferFull_ == 0 || bufferFull_ > inSize_) bufferFull_ = static_cast<int>(inSize_ * 0.9);
    if (bufferResume_ == 0 || bufferResume_ > bufferFull_) bufferResume_ = static_cast<int>(inSize_ * 0.1);
  }
  if (IsOpen()) Check(dispatcher_->EnableHardwareFlow(bufferFull_, bufferResume_, static_cast<int>(options)));
  hwFlow_ = options;
  if (options & (hwfUseRTS | hwfRequireCTS)) rs485_ = false;
}

void TSclCustomComPort::SetSWFlowOptions(TSWFlowOptions options) {
  if (options == swFlow_ && !force_) return;
  static const int kBits[] = {0, 2, 1, 3}; // none, receive, transmit, both
  const int bits = kBits[options];
  if (bits) {
    if (bufferFull_ == 0 || bufferFull_ > inSize_) bufferFull_ = static_cast<int>(inSize_ * 0.75);
    if (bufferResume_ == 0 || bufferResume_ > bufferFull_) bufferResume_ = static_cast<int>(inSize_ * 0.25);
  }
  if (IsOpen())
    Check(bits ? dispatcher_->EnableSoftwareFlow(bufferFull_, bufferResume_, bits) : dispatcher_->DisableSoftwareFlow());
  swFlow_ = options;
}

void TSclCustomComPort::ApplyFlowAgain() {
  const bool wasForced = force_;
  force_ = true;
  const auto restore = OnScopeExit([this, wasForced] { force_ = wasForced; });
  SetHWFlowOptions(hwFlow_);
  SetSWFlowOptions(swFlow_);
}

void TSclCustomComPort::SetBufferFull(int n) {
  bufferFull_ = n > inSize_ ? static_cast<int>(n * 0.9) : n;
  ApplyFlowAgain();
}

void TSclCustomComPort::SetBufferResume(int n) {
  bufferResume_ = n > bufferFull_ ? static_cast<int>(bufferFull_ * 0.1) : n;
  ApplyFlowAgain();
}

void TSclCustomComPort::SetXOnChar(char c) {
  if (c == xonChar_ && !force_) return;
  xonChar_ = c;
  if (IsOpen()) Check(dispatcher_->SetFlowChars(xonChar_, xoffChar_));
}

void TSclCustomComPort::SetXOffChar(char c) {
  if (c == xoffChar_ && !force_) return;
  xoffChar_ = c;
  if (IsOpen()) Check(dispatcher_->SetFlowChars(xonChar_, xoffChar_));
}

void TSclCustomComPort::SetUseEventWord(bool use) {
  useEventWord_ = use;
  if (IsOpen()) dispatcher_->SetOptionBit(TSclBaseDispatcher::optUseEventWord, use);
}

void TSclCustomComPort::SetRS485Mode(bool on) {
  if (on == rs485_ && !force_) return;
  rs485_ = on;
  if (on) {
    hwFlow_ &= ~THWFlowOptions(hwfUseRTS | hwfRequireCTS);
    SetRTS(false);
  }
  if (IsOpen()) dispatcher_->SetRs485(on);
}

void TSclCustomComPort::SetAvailLength(int n) {
  if (n == availLength_ && !force_) return;
  availLength_ = n;
  if (IsOpen()) Check(dispatcher_->AvailLength(n));
}

void TSclCustomComPort::SetPriorityBoost(int boost) {
  if (boost == priorityBoost_ && !force_) return;
  priorityBoost_ = boost;
  if (IsOpen()) dispatcher_->SetPriorityBoost(boost);
}

void TSclCustomComPort::SetTraceSize(int size) {
  size = std::min(size, TSclTrace::kMaxEntries);
  if (size == traceSize_) return;
  traceSize_ = size;
  if (IsOpen() && (tracing_ == tlOn || tracing_ == tlPause)) {
    dispatcher_->StopTrace();
    Check(dispatcher_->StartTrace(traceSize_));
    tracing_ = tlOn;
  }
}

void TSclCustomComPort::SetLogSize(int size) {
  size = std::min(size, TSclDispatchLog::kMaxSize);
  if (size == logSize_) return;
  logSize_ = size;
  if (IsOpen() && (logging_ == tlOn || logging_ == tlPause)) {
    dispatcher_->StopLog();
    dispatcher_->StartLog(logSize_);
    logging_ = tlOn;
  }
}

void TSclCustomComPort::SetTracing(TTraceLogState state) { SetTraceLog(false, state); }
void TSclCustomComPort::SetLogging(TTraceLogState state) { SetTraceLog(true, state); }

// Tracing and logging work alike; only the dispatcher's operations and the sizes, names
// and hex choice differ.
void TSclCustomComPort::SetTraceLog(bool log, TTraceLogState state) {
  TTraceLogState& current = log ? logging_ : tracing_;
  if (state_ == psClosing) return;
  if (!IsOpen()) {
    current = (state == tlOff || state == tlOn) ? state : tlOff;
    return;
  }
  if (state == current && !force_) return;
  TSclBaseDispatcher& d = *dispatcher_;
  const bool running = current == tlOn || current == tlPause;
  switch (state) {
  case tlOff:
    if (running) log ? d.StopLog() : d.StopTrace();
    current = tlOff;
    break;
  case tlOn:
    if (current == tlPause && !force_) log ? d.ResumeLog() : d.ResumeTrace();
    else if (log) d.StartLog(logSize_);
    else Check(d.StartTrace(traceSize_));
    current = tlOn;
    break;
  case tlDump:
  case tlAppend:
    if (!running) break;
    log ? d.ResumeLog() : d.ResumeTrace();
    Check(log ? d.DumpLog(logName_, state == tlAppend, logHex_) : d.DumpTrace(traceName_, state == tlAppend, traceHex_));
    current = tlOff;
    break;
  case tlClear:
    if (running) log ? d.ClearLog() : d.ClearTrace();
    break;
  case tlPause:
    if (current != tlOn) break;
    log ? d.PauseLog() : d.PauseTrace();
    current = tlPause;
    break;
  }
}

void TSclCustomComPort::SetOnTrigger(TTriggerEvent e) {
  onTrigger_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerAvail(TTriggerAvailEvent e) {
  onTriggerAvail_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerData(TTriggerHandleEvent e) {
  onTriggerData_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerStatus(TTriggerHandleEvent e) {
  onTriggerStatus_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerTimer(TTriggerHandleEvent e) {
  onTriggerTimer_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerLineError(TTriggerLineErrorEvent e) {
  onTriggerLineError_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerModemStatus(TTriggerNotifyEvent e) {
  onTriggerModemStatus_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerOutbuffFree(TTriggerNotifyEvent e) {
  onTriggerOutbuffFree_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerOutbuffUsed(TTriggerNotifyEvent e) {
  onTriggerOutbuffUsed_ = std::move(e);
  RefreshEventNeed();
}
void TSclCustomComPort::SetOnTriggerOutSent(TTriggerNotifyEvent e) {
  onTriggerOutSent_ = std::move(e);
  RefreshEventNeed();
}

void TSclCustomComPort::Assign(const TSclCustomComPort& source) {
  if (&source == this) return;
  portUsers_ = source.portUsers_;
  if (source.IsOpen()) {
    source.dispatcher_->SaveTriggers(savedTriggers_);
    triggersSaved_ = true;
  }
  deviceLayer_ = source.deviceLayer_;
  comNumber_ = source.comNumber_;
  baud_ = source.baud_;
  parity_ = source.parity_;
  dataBits_ = source.dataBits_;
  stopBits_ = source.stopBits_;
  inSize_ = source.inSize_;
  outSize_ = source.outSize_;
  dtr_ = source.dtr_;
  rts_ = source.rts_;
  bufferFull_ = source.bufferFull_;
  bufferResume_ = source.bufferResume_;
  hwFlow_ = source.hwFlow_;
  swFlow_ = source.swFlow_;
  xonChar_ = source.xonChar_;
  xoffChar_ = source.xoffChar_;
  tracing_ = source.tracing_;
  traceSize_ = source.traceSize_;
  traceName_ = source.traceName_;
  logging_ = source.logging_;
  logSize_ = source.logSize_;
  logName_ = source.logName_;
  availLength_ = source.availLength_;
  onTrigger_ = source.onTrigger_;
  onTriggerAvail_ = source.onTriggerAvail_;
  onTriggerData_ = source.onTriggerData_;
  onTriggerStatus_ = source.onTriggerStatus_;
  onTriggerTimer_ = source.onTriggerTimer_;
  OpenedEvent = source.OpenedEvent;
  ClosedEvent = source.ClosedEvent;
  tapiMode_ = source.tapiMode_;
  open_ = false;
}
