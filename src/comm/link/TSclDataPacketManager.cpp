#include "comm/link/TSclDataPacketManager.h"

#include "comm/link/ESclException.h"
#include "comm/link/SclErrorCodes.h"
#include "comm/link/SclExceptionDisplay.h"
#include "comm/link/SclHandOff.h"
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclCustomComPort.h"

#include <algorithm>
#include <climits>

using L = TSclDispatchLog;

namespace {
bool DleRuleForStart(const TSclDataPacket& p) { return p.Tag & TSclDataPacket::kDleRuleTag; }

int StartLength(const TSclDataPacket& p, const TPacketPattern& start) {
  return p.StartCond == scString ? start.Length() : 0;
}

// The checks that make a packet able to work at all.
void CheckSetUp(const TSclDataPacket& p) {
  auto fail = [](int code) { throw EInvalidProperty(code); };
  if (p.StartCond == scString && p.StartString.isEmpty()) fail(SclErr::StartStringEmpty);
  if ((p.EndCond & ecPacketSize) && p.PacketSize < TPacketPattern(p.StartString, false).Length()) fail(SclErr::PacketShorterThanStart);
  if (p.StartCond == scAnyData && p.EndCond == 0) fail(SclErr::CharCountWithoutEnd);
  if ((p.EndCond & ecString) && p.EndString.isEmpty()) fail(SclErr::EndStringEmpty);
  if ((p.EndCond & ecPacketSize) && p.PacketSize == 0) fail(SclErr::PacketSizeZero);
}
} // namespace

TSclDataPacketManager::TSclDataPacketManager(TSclCustomComPort* port) : port_(port), portObject_(port) {
  port->AddPortUser(this, [this](TSclCustomComPort&, bool opening) { PortOpening(opening); });
}

TSclDataPacketManager::~TSclDataPacketManager() {
  if (port_) port_->RemovePortUser(this);
}

TSclDataPacketManager::Entry* TSclDataPacketManager::Find(const TSclDataPacket* packet) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.packet == packet; });
  return it == entries_.end() ? nullptr : &*it;
}

TPacketMode TSclDataPacketManager::ModeOf(const TSclDataPacket* packet) const {
  std::lock_guard lock(mutex_);
  for (const Entry& e : entries_)
    if (e.packet == packet) return e.mode;
  return pmIdle;
}

int TSclDataPacketManager::HeldCount() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(buffer_.size());
}

void TSclDataPacketManager::DropHeld() {
  std::lock_guard lock(mutex_);
  Shift(static_cast<int>(buffer_.size()));
  if (Entry* e = capture_ ? Find(capture_) : nullptr) SetMode(*e, pmWaiting);
}

void TSclDataPacketManager::Join(TSclDataPacket* packet) {
  std::lock_guard lock(mutex_);
  entries_.push_back({packet});
  if (!dispatcher_ && port_ && port_->PortState() == TSclCustomComPort::psOpen) Attach();
  PublishEventsTarget();
}

void TSclDataPacketManager::Leave(TSclDataPacket* packet) {
  std::lock_guard lock(mutex_);
  if (Entry* e = Find(packet)) DisarmEntry(*e);
  std::erase_if(entries_, [&](const Entry& e) { return e.packet == packet; });
  if (entries_.empty()) Detach();
  PublishEventsTarget();
}

void TSclDataPacketManager::PortOpening(bool opening) {
  std::lock_guard lock(mutex_);
  if (!opening) Detach();
  else if (!entries_.empty()) Attach();
}

// Arms every enabled packet; one that cannot be armed is disabled and its error shown.
void TSclDataPacketManager::ArmEnabled() {
  for (Entry& e : entries_) {
    if (!e.packet->enabled_) continue;
    try {
      ArmEntry(e);
    } catch (const std::exception& ex) {
      e.packet->enabled_ = false;
      SclShowException(ex);
    }
  }
}

void TSclDataPacketManager::Attach() {
  if (dispatcher_ || !port_) return;
  dispatcher_ = port_->ActiveDispatcher();
  if (!dispatcher_) return;
  timerHandle_ = dispatcher_->NewTimerTrigger();
  dispatcher_->AddMethodHandler(this);
  PublishEventsTarget();
  ArmEnabled();
}

void TSclDataPacketManager::Detach() {
  for (Entry& e : entries_) DisarmEntry(e);
  capture_ = nullptr;
  buffer_.clear();
  if (!dispatcher_) return;
  dispatcher_->DropTrigger(timerHandle_);
  dispatcher_->RemoveMethodHandler(this);
  dispatcher_ = nullptr;
  published_.reset();
  timerHandle_ = 0;
}

void TSclDataPacketManager::SetEnabled(TSclDataPacket* packet, bool enabled) {
  std::lock_guard lock(mutex_);
  Entry* e = Find(packet);
  // Inside an event every packet is disarmed until it ends; the enabled ones are armed then.
  if (e && dispatcher_ && !inEvent_) {
    if (enabled) ArmEntry(*e); // raises before the value is stored
    else DisarmEntry(*e);
  }
  packet->enabled_ = enabled;
  if (enabled) PublishEventsTarget(); // a packet's event thread is settled by the time it is enabled
}

void TSclDataPacketManager::ArmLoaded(TSclDataPacket* packet) {
  std::lock_guard lock(mutex_);
  if (Entry* e = Find(packet); e && dispatcher_ && !inEvent_) ArmEntry(*e);
}

void TSclDataPacketManager::Log(int subKind, const QByteArray& bytes) {
  if (dispatcher_) dispatcher_->AddLogEntry(L::lkPacket, subKind, 0, bytes);
}

void TSclDataPacketManager::ArmEntry(Entry& e) {
  const TSclDataPacket& p = *e.packet;
  CheckSetUp(p);
  Log(L::lsPacketEnable, p.Label());
  e.start = TPacketPattern(p.StartString, p.IgnoreCase);
  e.end = TPacketPattern(p.EndString, p.IgnoreCase);
  if (p.StartCond == scString) Log(L::lsStartStr, p.StartString);
  if (p.EndCond & ecString) Log(L::lsEndStr, p.EndString);
  e.scanFrom = 0;
  e.endFrom = 0;
  e.pendingCollect = false;
  if (p.StartCond == scAnyData) {
    if (capture_ && capture_ != e.packet) e.pendingCollect = true;
    else SetMode(e, pmCollecting);
  } else {
    SetMode(e, pmWaiting);
  }
}

void TSclDataPacketManager::DisarmEntry(Entry& e) {
  const bool armed = e.mode != pmIdle || e.pendingCollect;
  e.pendingCollect = false;
  if (!armed) return;
  SetMode(e, pmIdle);
  Log(L::lsPacketDisable, e.packet->Label());
}

// Entering Collecting starts the packet's time limit and makes every other packet's
// partial match start over; leaving it stops the limit and lets all packets look at the
// collected input again from its start.
void TSclDataPacketManager::SetMode(Entry& e, TPacketMode mode) {
  if (e.mode == mode) return;
  const TPacketMode old = e.mode;
  e.mode = mode;
  static const int kModeLog[] = {L::lsIdle, L::lsWaiting, L::lsCollecting};
  Log(kModeLog[mode], e.packet->Label());
  if (mode == pmCollecting) {
    capture_ = e.packet;
    e.endFrom = 0;
    if (dispatcher_ && e.packet->TimeOut > 0) dispatcher_->ArmTimerTrigger(timerHandle_, e.packet->TimeOut, true);
    for (Entry& other : entries_) other.scanFrom = 0;
  } else if (old == pmCollecting && capture_ == e.packet) {
    capture_ = nullptr;
    if (dispatcher_) dispatcher_->ArmTimerTrigger(timerHandle_, 0, false);
    for (Entry& other : entries_) other.scanFrom = 0;
  }
}

void TSclDataPacketManager::TriggerMessage(uint32_t message, uint32_t shortParam, uint32_t) {
  const auto keepAlive = shared_from_this(); // an event may free the port, and with it us
  std::lock_guard lock(mutex_);
  if (!dispatcher_) return;
  if (message == kSclTriggerAvail) {
    const int n = static_cast<int>(shortParam);
    QByteArray bytes(n, Qt::Uninitialized);
    if (dispatcher_->TakeBlock(bytes.data(), n) != n) return;
    buffer_ += bytes;
    Dispatch();
  } else if (message == kSclTriggerTimer && static_cast<int>(shortParam) == timerHandle_ && capture_) {
    if (Entry* e = Find(capture_)) Timeout(*e);
  }
}

void TSclDataPacketManager::Receive(const QByteArray& bytes) {
  std::lock_guard lock(mutex_);
  buffer_ += bytes;
  Dispatch();
}

void TSclDataPacketManager::Dispatch() {
  if (inEvent_) return; // the delivery under way scans again when its event is over
  for (;;) {
    Entry* collecting = capture_ ? Find(capture_) : nullptr;
    const Found found = collecting ? ScanCollect(*collecting) : ScanStarts();
    if (found != Found::Packet || !dispatcher_) return;
  }
}

// Looks for the first start of any waiting packet. A complete start is taken unless some
// packet's unfinished start began before it.
TSclDataPacketManager::Found TSclDataPacketManager::ScanStarts() {
  for (Entry& e : entries_) {
    if (e.pendingCollect) {
      e.pendingCollect = false;
      SetMode(e, pmCollecting);
      return Found::Packet;
    }
  }
  Entry* best = nullptr;
  int bestAt = INT_MAX, partialAt = INT_MAX;
  const int size = static_cast<int>(buffer_.size());
  for (Entry& e : entries_) {
    if (e.mode != pmWaiting) continue;
    const bool dle = DleRuleForStart(*e.packet);
    for (; (e.scanFrom = e.start.NextCandidate(buffer_, e.scanFrom)) < size; ++e.scanFrom) {
      const auto r = e.start.MatchAt(buffer_, e.scanFrom, dle, 0);
      if (r == TPacketPattern::Mismatch) continue;
      if (r == TPacketPattern::Partial) partialAt = std::min(partialAt, e.scanFrom);
      else if (e.scanFrom < bestAt) best = &e, bestAt = e.scanFrom;
      break;
    }
  }
  if (best && bestAt <= partialAt) {
    if (best->packet->EndCond == 0) {
      Deliver(*best, bestAt, best->start.Length(), false);
    } else {
      Shift(bestAt);
      SetMode(*best, pmCollecting);
    }
    return Found::Packet;
  }
  // Bytes before the first unfinished start can never be part of a packet.
  Shift(partialAt == INT_MAX ? size : partialAt);
  return partialAt == INT_MAX ? Found::Nothing : Found::Waiting;
}

// The collecting packet starts at index 0. It ends at the first end string (never one made
// of a doubled DLE) or at its size, whichever comes first.
TSclDataPacketManager::Found TSclDataPacketManager::ScanCollect(Entry& e) {
  const TSclDataPacket& p = *e.packet;
  const int size = static_cast<int>(buffer_.size());
  const int bodyStart = StartLength(p, e.start);
  const int limit = (p.EndCond & ecPacketSize) ? p.PacketSize : INT_MAX;
  if (p.EndCond & ecString) {
    for (e.endFrom = std::max(e.endFrom, bodyStart); (e.endFrom = e.end.NextCandidate(buffer_, e.endFrom)) < size;
         ++e.endFrom) {
      if (e.endFrom + e.end.Length() > limit) break;
      const auto r = e.end.MatchAt(buffer_, e.endFrom, true, bodyStart);
      if (r == TPacketPattern::Partial) break;
      if (r == TPacketPattern::Full) {
        Deliver(e, 0, e.endFrom + e.end.Length(), true);
        return Found::Packet;
      }
    }
  }
  if ((p.EndCond & ecPacketSize) && size >= limit) {
    Deliver(e, 0, limit, false);
    return Found::Packet;
  }
  return Found::Waiting;
}

void TSclDataPacketManager::Shift(int removed) {
  if (removed <= 0) return;
  buffer_.remove(0, removed);
  for (Entry& e : entries_) {
    e.scanFrom = std::max(0, e.scanFrom - removed);
    e.endFrom = std::max(0, e.endFrom - removed);
  }
}

// The port, when every packet's events run on the port's thread; nullptr otherwise.
QObject* TSclDataPacketManager::EventsTarget() const {
  for (const Entry& e : entries_)
    if (!e.packet->SyncEvents || e.packet->thread() != portObject_->thread()) return nullptr;
  return portObject_;
}

// The dispatcher hears of a change only: packets are enabled for every block.
void TSclDataPacketManager::PublishEventsTarget() {
  if (!dispatcher_) return;
  QObject* const target = EventsTarget();
  if (published_ && *published_ == target) return;
  dispatcher_->SetMethodEventsTarget(this, target);
  published_ = target;
}

void TSclDataPacketManager::RunOnGui(TSclDataPacket* packet, const std::function<void()>& call) {
  if (packet->SyncEvents) SclHandOff(packet, call, -1);
  else call();
}

void TSclDataPacketManager::Deliver(Entry& e, int begin, int length, bool byEndString) {
  QPointer<TSclDataPacket> packet = e.packet; // read on the events' thread only
  TSclDataPacket* const raw = e.packet;
  const TSclDataPacket& p = *e.packet;
  const int startLength = StartLength(p, e.start);
  const QByteArray data = (p.IncludeStrings || p.StartCond == scAnyData)
                              ? buffer_.mid(begin, length)
                              : buffer_.mid(begin + startLength, length - startLength - (byEndString ? e.end.Length() : 0));
  buffer_.remove(0, begin + length);
  for (Entry& other : entries_) other.scanFrom = other.endFrom = 0;
  inEvent_ = true;
  for (Entry& other : entries_) SetMode(other, pmIdle);
  packet->enabled_ = false;
  Log(byEndString ? L::lsStringPacket : L::lsSizePacket, p.Label());
  Log(byEndString ? L::lsStringPacket : L::lsSizePacket, data);
  mutex_.unlock(); // the event may enable, disable or send: all of them need this lock
  RunOnGui(packet, [packet, &data] {
    if (packet && packet->OnPacket) packet->OnPacket(*packet, data.constData(), static_cast<int>(data.size()));
    if (packet && packet->OnStringPacket) packet->OnStringPacket(*packet, data);
  });
  mutex_.lock();
  // The event may have destroyed the packet on its own thread; a guarded pointer cannot be
  // read safely from here while that happens, but a packet still joined is alive, since
  // its destructor leaves under this lock.
  if (Find(raw) && raw->AutoEnable) raw->enabled_ = true;
  EndEvent();
}

void TSclDataPacketManager::Timeout(Entry& e) {
  QPointer<TSclDataPacket> packet = e.packet;
  inEvent_ = true;
  Log(L::lsPacketTimeout, packet->Label());
  for (Entry& other : entries_) SetMode(other, pmIdle);
  packet->enabled_ = false;
  mutex_.unlock();
  RunOnGui(packet, [packet] {
    if (packet && packet->OnTimeout) packet->OnTimeout(*packet);
  });
  mutex_.lock();
  EndEvent();
  Dispatch(); // the collected bytes are looked at again by the packets now armed
}

void TSclDataPacketManager::EndEvent() {
  inEvent_ = false;
  if (!dispatcher_) return; // the port closed meanwhile
  ArmEnabled();
}
