// The dispatch cycle: reading the device, scanning the triggers and the avail rule.
#include "comm/link/TSclBaseDispatcher.h"

#include "comm/link/SclHandOff.h"
#include "platform/sys/TimingProfile.h"

#include <QThread>
#include <algorithm>
#include <chrono>

using L = TSclDispatchLog;

namespace {
// A burst of rounds ends after this many, or after link.burstMs, so that the dispatch
// thread's own cycle (status and timer triggers) and, on the listeners' thread, its other
// events get their turn.
constexpr int kFillRounds = 64;
// A read this large means a stream is coming in.
constexpr int kStreamRead = 2048;
} // namespace

// Reports every waiting byte at once when new bytes have come since the last report and at
// least the avail length wait. Bytes left untaken are reported again, with new ones, only
// after further bytes have arrived.
bool TSclBaseDispatcher::ScanInput() {
  int count;
  {
    std::lock_guard lock(inputLock_);
    if (newBytes_ == 0) return false;
    count = input_.Used();
  }
  {
    std::lock_guard lock(portLock_);
    const uint32_t avail = triggers_.AvailLength;
    if (avail == 0 || static_cast<uint32_t>(count) < avail) return false;
    if (log_.Logging()) log_.AddEntry(L::lkTrigger, L::lsAvail, static_cast<uint32_t>(count));
  }
  {
    std::lock_guard lock(inputLock_);
    newBytes_ = 0;
  }
  return NotifyHandlers(kSclTriggerAvail, static_cast<uint32_t>(count), 0);
}

bool TSclBaseDispatcher::ScanStatusTriggers() {
  bool measure = false;
  {
    std::lock_guard lock(portLock_);
    for (const TSclStatusTrigger& s : triggers_.Statuses) measure = measure || (s.Active && (s.Kind == skOutputFree || s.Kind == skOutputUsed));
  }
  // The output counts are taken outside the port lock, and only when a trigger needs them.
  const int outFree = measure ? OutputFree() : 0;
  const int outUsed = measure ? OutputUsed() : 0;
  int handle = 0;
  uint32_t value = 0;
  {
    std::lock_guard lock(portLock_);
    for (TSclStatusTrigger& s : triggers_.Statuses) {
      if (!s.Active || s.Hit) continue;
      bool fires = false;
      switch (s.Kind) {
      case skModemStatus: fires = (modemStatus_ & (s.Condition >> 8)) != (s.Condition & 0xFF); break;
      case skLineStatus:
        fires = pendingErrors_ & s.Condition;
        if (fires) s.Condition = static_cast<uint16_t>(pendingErrors_);
        break;
      case skOutputFree:
        fires = outFree >= s.Condition;
        value = static_cast<uint32_t>(outFree);
        break;
      case skOutputUsed:
        fires = outUsed <= s.Condition;
        value = static_cast<uint32_t>(outUsed);
        break;
      case skOutputSent: fires = outputQueued_.exchange(false); break;
      default: break;
      }
      if (!fires) continue;
      s.Active = false;
      s.Hit = true;
      statusHit_ = true;
      handle = s.Handle;
      if (s.Kind != skOutputFree && s.Kind != skOutputUsed) value = 0;
      if (log_.Logging()) log_.AddEntry(L::lkTrigger, L::lsStatus, static_cast<uint32_t>(handle));
      break;
    }
  }
  if (!handle) return false;
  return NotifyHandlers(kSclTriggerStatus, static_cast<uint32_t>(handle), value);
}

bool TSclBaseDispatcher::ScanTimerTriggers() {
  int handle = 0;
  {
    std::lock_guard lock(portLock_);
    for (TSclTimerTrigger& t : triggers_.Timers) {
      if (!t.Active || !TickTimerDue(t.Timer)) continue;
      t.Active = false;
      handle = t.Handle;
      if (log_.Logging()) log_.AddEntry(L::lkTrigger, L::lsTimer, static_cast<uint32_t>(handle));
      break;
    }
  }
  return handle && NotifyHandlers(kSclTriggerTimer, static_cast<uint32_t>(handle), 0);
}

void TSclBaseDispatcher::ScanStatusUntilQuiet(bool onListenersThread) {
  while (MayNotify(onListenersThread) && ScanStatusTriggers()) {
  }
}

// On the listeners' thread a notification may go only to handlers that run there: once
// one that does not has come, the rest is left to the dispatch thread.
bool TSclBaseDispatcher::MayNotify(bool onListenersThread) {
  if (closePending_) return false;
  if (!onListenersThread) return true;
  QObject* target = ListenersTarget();
  return target && target->thread() == QThread::currentThread();
}

// After a large read the next piece of a stream is usually a moment away: waiting for it
// here, briefly, saves handing every piece through the event thread.
bool TSclBaseDispatcher::MoreInputComing(int justRead) {
  {
    std::lock_guard lock(inputLock_);
    if (!device_ || input_.Full()) return false;
  }
  return device_->WaitInput(justRead >= kStreamRead ? TimingMs("link.streamWaitMs", 1) * 1000 : 0);
}

bool TSclBaseDispatcher::RoomForMore() {
  std::lock_guard lock(inputLock_);
  return device_ && input_.Room() >= kStreamRead;
}

// While bytes keep coming, they are read here again as soon as the handlers have taken what
// was reported, without a round through the event thread for each piece. False when the
// rounds stopped because a handler of another thread came while they ran on the listeners'
// thread.
bool TSclBaseDispatcher::ReadRounds(bool onListenersThread) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimingMs("link.burstMs", 20));
  for (int round = 0; round < kFillRounds && !closePending_ && std::chrono::steady_clock::now() < until; ++round) {
    if (!MayNotify(onListenersThread)) return closePending_;
    int read = FillInput();
    // A stream's next piece is usually a moment away: taking it too before reporting
    // halves the deliveries.
    if (read >= kStreamRead && RoomForMore() && device_->WaitInput(TimingMs("link.streamGatherUs", 200)))
      read += FillInput();
    if (inNotification_) return true;
    ScanStatusUntilQuiet(onListenersThread);
    while (MayNotify(onListenersThread) && ScanInput()) {
    }
    if (!MayNotify(onListenersThread)) return closePending_;
    if (!MoreInputComing(read)) return true;
  }
  return true;
}

// Every notification to a window, and every packet event, waits for the thread it runs on.
// When all listeners run on one such thread, the rounds of a burst run there in one
// hand-off: a stream then costs one wait per burst instead of one per notification, and a
// packet reaches its event without a hop between threads. The dispatch thread waits
// meanwhile, as it would for each notification.
void TSclBaseDispatcher::HandleInput() {
  bool finished = false;
  if (QObject* listeners = ListenersThreadTarget())
    SclHandOff(listeners, [&] { finished = ReadRounds(true); }, TimingMs("link.windowSendMs", 3000));
  if (!finished) ReadRounds(false);
}

QObject* TSclBaseDispatcher::ListenersTarget() {
  std::lock_guard lock(portLock_);
  QObject* target = nullptr;
  auto joins = [&target](QObject* object) {
    if (!object) return false;
    if (!target) target = object;
    return object->thread() == target->thread();
  };
  for (const MethodRecord& r : methods_)
    if (!r.removed && !joins(r.eventsTarget)) return nullptr;
  if (windows_.size() > 1 || portHandlerInstalled_) // otherwise windows get nothing
    for (const WindowRecord& r : windows_)
      if (!r.removed && !joins(r.window->WindowObject())) return nullptr;
  return target;
}

QObject* TSclBaseDispatcher::ListenersThreadTarget() {
  QObject* target = ListenersTarget();
  return target && target->thread() != QThread::currentThread() ? target : nullptr;
}

void TSclBaseDispatcher::HandleDeviceEvent(uint32_t mask) {
  if (mask & SerialDevice::EvModemLines) {
    UpdateModemStatus();
    if (!inNotification_) ScanStatusUntilQuiet();
  }
  if (mask & (SerialDevice::EvBreak | SerialDevice::EvErr)) {
    NoteErrors(ReadErrors());
    if (!inNotification_) ScanStatusUntilQuiet();
  }
  if (mask & SerialDevice::EvRxChar) HandleInput();
  std::lock_guard lock(portLock_);
  if (statusHit_) triggers_.ResetHits();
}

// Every cycle: status triggers first, timers when no status trigger fired, until neither
// fires. Bytes the device kept while the input ring was full are read once there is room.
void TSclBaseDispatcher::ScanCycle() {
  if (closePending_ || inNotification_) return;
  bool kept;
  {
    std::lock_guard lock(inputLock_);
    kept = device_ && !input_.Full() && device_->InputCount() > 0;
  }
  if (kept) HandleDeviceEvent(SerialDevice::EvRxChar);
  if (device_) device_->CheckInputFlow();
  {
    std::lock_guard lock(portLock_);
    statusHit_ = false;
  }
  while (!closePending_ && (ScanStatusTriggers() || ScanTimerTriggers())) {
  }
  std::lock_guard lock(portLock_);
  if (statusHit_) triggers_.ResetHits();
}
