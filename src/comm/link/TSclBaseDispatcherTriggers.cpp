// The dispatcher's trigger operations.
#include "comm/link/TSclBaseDispatcher.h"

#include "comm/link/SclErrorCodes.h"

#include <QtEndian>

using L = TSclDispatchLog;

namespace {
QByteArray Int32Bytes(int32_t value) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(value, bytes.data());
  return bytes;
}
} // namespace

int TSclBaseDispatcher::NewTimerTrigger() {
  std::lock_guard lock(portLock_);
  const int handle = triggers_.NewTimer();
  if (log_.Logging()) log_.AddEntry(L::lkTrigAllc, L::lsTimerTrigger, static_cast<uint32_t>(handle));
  return handle;
}

int TSclBaseDispatcher::NewStatusTrigger(int kind) {
  if (kind < 0 || kind > skOutputSent) return SclErr::BadArgument;
  std::lock_guard lock(portLock_);
  const int handle = triggers_.NewStatus(kind);
  if (log_.Logging())
    log_.AddEntry(L::lkTrigAllc, L::lsStatusTrigger, static_cast<uint32_t>(handle), QByteArray(1, static_cast<char>(kind)));
  return handle;
}

int TSclBaseDispatcher::ArmTimerTrigger(int handle, int ticks, bool activate) {
  std::lock_guard lock(portLock_);
  TSclTimerTrigger* t = handle >= 2 ? triggers_.FindTimer(handle) : nullptr;
  if (!t) return SclErr::BadTriggerHandle;
  if (activate) {
    if (ticks != 0) t->Interval = ticks;
    ArmTickTimer(t->Timer, t->Interval);
  }
  t->Active = activate;
  if (log_.Logging())
    log_.AddEntry(L::lkTrDatChg, L::lsTimerTrigger, static_cast<uint32_t>(handle),
                  activate ? Int32Bytes(ticks) : QByteArray("Deactivated"));
  return 0;
}

int TSclBaseDispatcher::ArmStatusTrigger(int handle, int value, bool activate) {
  std::lock_guard lock(portLock_);
  TSclStatusTrigger* s = handle >= 2 ? triggers_.FindStatus(handle) : nullptr;
  if (!s) return SclErr::BadTriggerHandle;
  if (activate) {
    switch (s->Kind) {
    case skModemStatus:
      s->Condition = static_cast<uint16_t>(((value & 0xFF) << 8) | (CurrentModemStatus() & value & 0xFF));
      break;
    case skLineStatus: // line-status values as the device's error bits, overrun to ErrOverrun
      s->Condition = static_cast<uint16_t>((value & 0x0F) << 1);
      break;
    case skOutputFree:
    case skOutputUsed:
      s->Condition = static_cast<uint16_t>(value);
      break;
    default:
      break;
    }
  }
  s->Active = activate;
  if (log_.Logging()) {
    QByteArray record(4, '\0');
    qToLittleEndian(s->Condition, record.data());
    record[2] = s->Active;
    record[3] = s->Hit;
    log_.AddEntry(L::lkTrDatChg, L::lsStatusTrigger, static_cast<uint32_t>(handle), record);
  }
  return 0;
}

int TSclBaseDispatcher::DropTrigger(int handle) {
  std::lock_guard lock(portLock_);
  if (handle == TSclTriggerSet::kAvailHandle) {
    triggers_.AvailLength = 0;
    return 0;
  }
  if (handle < 2) return SclErr::BadTriggerHandle;
  const bool timer = triggers_.FindTimer(handle) != nullptr;
  if (!triggers_.Drop(handle)) return SclErr::BadTriggerHandle;
  if (log_.Logging()) {
    if (timer) log_.AddEntry(L::lkTrigDisp, L::lsTimer, static_cast<uint32_t>(handle));
    else log_.AddEntry(L::lkTrigDisp, L::lsStatusTrigger, static_cast<uint32_t>(handle), QByteArray(1, static_cast<char>(StatusKindOf(handle))));
  }
  return 0;
}

int TSclBaseDispatcher::AvailLength(int n) {
  std::lock_guard lock(portLock_);
  triggers_.AvailLength = static_cast<uint32_t>(std::max(n, 0));
  if (log_.Logging()) log_.AddEntry(L::lkTrDatChg, L::lsAvailTrigger, static_cast<uint32_t>(n));
  return 0;
}

void TSclBaseDispatcher::SaveTriggers(TSclSavedTriggers& saved) {
  std::lock_guard lock(portLock_);
  triggers_.Save(saved);
}

void TSclBaseDispatcher::RestoreTriggers(const TSclSavedTriggers& saved) {
  std::lock_guard lock(portLock_);
  triggers_.Restore(saved);
}

