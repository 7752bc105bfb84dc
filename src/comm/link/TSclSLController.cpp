#include "comm/link/TSclSLController.h"

#include "comm/link/ESclException.h"
#include "comm/link/SclErrorCodes.h"
#include "platform/sys/ScopeGuard.h"

using S = TLightSet;

namespace {
// The line errors the error light shows; a break has a light of its own.
constexpr int kErrorLines = lnOverrun | lnParity | lnFraming;
} // namespace

TSclSLController::TSclSLController(QObject* owner) : TSclBaseComponent(owner) {
  SetComPort(TSclCustomComPort::FindComPort(owner));
}

TSclSLController::~TSclSLController() {
  if (watching_ && port_ && port_->PortState() == TSclCustomComPort::psOpen) StopWatching();
  LeavePort();
}

void TSclSLController::Loaded() {
  TSclBaseComponent::Loaded();
  JoinPort();
}

void TSclSLController::JoinPort() {
  if (!port_ || IsLoading()) return;
  port_->RemovePortUser(this);
  port_->AddPortUser(this, [this](TSclCustomComPort&, bool opening) { PortOpening(opening); });
  disconnect(portGone_);
  portGone_ = connect(port_, &QObject::destroyed, this, [this] {
    watching_ = wanted_ = false;
    h_ = {};
    port_ = nullptr;
  });
}

void TSclSLController::LeavePort() {
  disconnect(portGone_);
  if (port_) port_->RemovePortUser(this);
}

void TSclSLController::SetComPort(TSclCustomComPort* port) {
  const bool was = watching_ || wanted_;
  LeavePort();
  if (port_) SetWatching(false);
  port_ = port;
  if (port_ && was) SetWatching(true);
  JoinPort();
}

void TSclSLController::PortOpening(bool opening) {
  if (opening) {
    if (wanted_) SetWatching(true);
  } else if (watching_) {
    SetWatching(false);
    wanted_ = true; // back on at the next open
  }
}

void TSclSLController::SetWatching(bool on) {
  if (IsLoading() || on == watching_) {
    if (!on) wanted_ = false;
    return;
  }
  if (!port_) RaiseSclError(SclErr::PortNotAssigned);
  if (!on && watching_) StopWatching(); // also while the port is closing, so nothing of
                                        // the controller is carried into the next open
  else if (port_->PortState() != TSclCustomComPort::psOpen) wanted_ = on;
  else StartWatching();
  ShowLights();
}

void TSclSLController::StartWatching() {
  TSclCustomComPort& p = *port_;
  savedAvail_ = p.OnTriggerAvail();
  savedStatus_ = p.OnTriggerStatus();
  savedTimer_ = p.OnTriggerTimer();
  p.SetOnTriggerAvail([this](TSclCustomComPort& cp, int count) { OnAvail(cp, count); });
  p.SetOnTriggerStatus([this](TSclCustomComPort& cp, int handle) { OnStatus(cp, handle); });
  p.SetOnTriggerTimer([this](TSclCustomComPort& cp, int handle) { OnTimer(cp, handle); });
  {
    const auto undo = OnScopeFailure([&] {
      modemMask_ = 0;
      DropTriggers();
      p.SetOnTriggerAvail(savedAvail_);
      p.SetOnTriggerStatus(savedStatus_);
      p.SetOnTriggerTimer(savedTimer_);
    });
    modemMask_ = (Has(S::SlotCts) ? msCts : 0) | (Has(S::SlotDsr) ? msDsr : 0) | (Has(S::SlotDcd) ? msDcd : 0) |
                 (Has(S::SlotRing) ? msRingSeen : 0);
    if (modemMask_) h_.modem = p.NewStatusTrigger(skModemStatus);
    if (Has(S::SlotRing)) h_.ringOff = p.NewTimerTrigger();
    if (Has(S::SlotError)) {
      h_.error = p.NewStatusTrigger(skLineStatus);
      h_.errorOff = p.NewTimerTrigger();
    }
    if (Has(S::SlotBreak)) {
      h_.brk = p.NewStatusTrigger(skLineStatus);
      h_.breakOff = p.NewTimerTrigger();
    }
    if (Has(S::SlotRxd)) h_.rxdOff = p.NewTimerTrigger();
    if (Has(S::SlotTxd)) {
      h_.txd = p.NewStatusTrigger(skOutputSent);
      h_.txdOff = p.NewTimerTrigger();
    }
    if (h_.modem) p.ArmStatusTrigger(h_.modem, modemMask_, true);
    if (h_.error) p.ArmStatusTrigger(h_.error, kErrorLines, true);
    if (h_.brk) p.ArmStatusTrigger(h_.brk, lnBreak, true);
    if (h_.txd) p.ArmStatusTrigger(h_.txd, 0, true);
  }
  watching_ = true;
  wanted_ = false;
}

void TSclSLController::StopWatching() {
  TSclCustomComPort& p = *port_;
  p.SetOnTriggerAvail(savedAvail_);
  p.SetOnTriggerStatus(savedStatus_);
  p.SetOnTriggerTimer(savedTimer_);
  DropTriggers();
  watching_ = false;
}

void TSclSLController::DropTriggers() {
  for (int handle : {h_.modem, h_.error, h_.brk, h_.errorOff, h_.breakOff, h_.rxdOff, h_.txd, h_.txdOff, h_.ringOff})
    if (handle) port_->DropTrigger(handle);
  h_ = {};
}

// All lamps off, except that while watching CTS, DSR and DCD show their lines.
void TSclSLController::ShowLights() {
  for (int s = 0; s < S::SlotCount; ++s) {
    bool lit = false;
    if (watching_ && s == S::SlotCts) lit = port_->CtsState();
    if (watching_ && s == S::SlotDsr) lit = port_->DsrState();
    if (watching_ && s == S::SlotDcd) lit = port_->DcdState();
    lights_.Show(static_cast<S::Slot>(s), lit);
  }
}

void TSclSLController::OnAvail(TSclCustomComPort& cp, int count) {
  if (Has(S::SlotRxd) && !lights_.IsLit(S::SlotRxd)) {
    lights_.Show(S::SlotRxd, true);
    cp.ArmTimerTrigger(h_.rxdOff, RXDOffTimeout, true);
  }
  if (savedAvail_) savedAvail_(cp, count);
}

void TSclSLController::OnStatus(TSclCustomComPort& cp, int handle) {
  if (handle == h_.modem) {
    lights_.Show(S::SlotDcd, cp.DcdState());
    lights_.Show(S::SlotCts, cp.CtsState());
    lights_.Show(S::SlotDsr, cp.DsrState());
    if (Has(S::SlotRing) && cp.RingSeen() && !lights_.IsLit(S::SlotRing)) {
      lights_.Show(S::SlotRing, true);
      cp.ArmTimerTrigger(h_.ringOff, RingOffTimeout, true);
    }
    cp.ArmStatusTrigger(h_.modem, modemMask_, true);
  } else if (handle == h_.error) {
    lights_.Show(S::SlotError, true);
    cp.ArmTimerTrigger(h_.errorOff, ErrorOffTimeout, true);
  } else if (handle == h_.brk) {
    lights_.Show(S::SlotBreak, true);
    cp.ArmTimerTrigger(h_.breakOff, BreakOffTimeout, true);
    cp.TakeBreak();
  } else if (handle == h_.txd) {
    lights_.Show(S::SlotTxd, true);
    cp.ArmTimerTrigger(h_.txdOff, TXDOffTimeout, true);
  }
  if (savedStatus_) savedStatus_(cp, handle);
}

void TSclSLController::OnTimer(TSclCustomComPort& cp, int handle) {
  if (handle == h_.errorOff) {
    lights_.Show(S::SlotError, false);
    cp.ArmStatusTrigger(h_.error, kErrorLines, true);
  } else if (handle == h_.breakOff) {
    lights_.Show(S::SlotBreak, false);
    cp.ArmStatusTrigger(h_.brk, lnBreak, true);
  } else if (handle == h_.rxdOff) {
    if (cp.InputCount() > 0) cp.ArmTimerTrigger(h_.rxdOff, RXDOffTimeout, true);
    else lights_.Show(S::SlotRxd, false);
  } else if (handle == h_.txdOff) {
    if (cp.OutputUsed() > 0) {
      cp.ArmTimerTrigger(h_.txdOff, TXDOffTimeout, true);
    } else {
      lights_.Show(S::SlotTxd, false);
      cp.ArmStatusTrigger(h_.txd, 0, true);
    }
  } else if (handle == h_.ringOff) {
    lights_.Show(S::SlotRing, false);
  }
  if (savedTimer_) savedTimer_(cp, handle);
}
