#pragma once
// The triggers of a dispatcher: timer triggers, status triggers and the avail length, with
// the handles that name them. A status trigger's handle carries its kind in the low 3 bits;
// handle 1 stands for the avail length.
#include "comm/link/SclTicks.h"

#include <cstdint>
#include <vector>

struct TSclTimerTrigger {
  int32_t Handle = 0;
  TTickTimer Timer;
  int32_t Interval = 0; // ticks, the last ones given
  bool Active = false;
};

// The kinds of status trigger. A status trigger's handle carries its kind in its low 3 bits.
enum TSclStatusKind : int32_t {
  skModemStatus = 1, // a bit of the modem status in its mask differs from its arming
  skLineStatus = 2,  // a line error in its mask is pending
  skOutputFree = 3,  // the output ring has at least its count free
  skOutputUsed = 4,  // the output ring holds at most its count
  skOutputSent = 5,  // bytes were queued for output
};
inline constexpr int32_t kStatusKindBits = 0x07;
inline constexpr int32_t StatusKindOf(int32_t handle) { return handle & kStatusKindBits; }

// The modem status byte: the lines' states in the high nibble, their changes in the low one.
enum TSclModemStatus : int {
  msCtsChanged = 0x01,
  msDsrChanged = 0x02,
  msRingSeen = 0x04,
  msDcdChanged = 0x08,
  msCts = 0x10,
  msDsr = 0x20,
  msRing = 0x40,
  msDcd = 0x80,
  msChanges = 0x0F,
  msLines = 0xF0,
};

// The line-status values a line-status trigger is armed with.
enum TSclLineStatus : int { lnOverrun = 1, lnParity = 2, lnFraming = 4, lnBreak = 8 };

// The codes a line-error event carries (TakeLineError), most important first.
enum TSclLineErrorCode : int {
  leNone = 0,
  leRxOverflow = 1,
  leOverrun = 2,
  leParity = 3,
  leFraming = 4,
  leBreak = 9,
};

struct TSclStatusTrigger {
  int32_t Handle = 0;
  int32_t Kind = 0; // a TSclStatusKind, or 0
  // Modem status: low byte the masked modem status at arming, high byte the mask; line
  // status: the line-error mask; output free and used: a byte count.
  uint16_t Condition = 0;
  bool Active = false;
  bool Hit = false; // fired in this dispatch cycle
};

// Triggers carried by the com port over a close and the next open.
struct TSclSavedTriggers {
  uint32_t AvailLength = 0;
  std::vector<TSclTimerTrigger> Timers;
  std::vector<TSclStatusTrigger> Statuses;
  void Discard() {
    AvailLength = 0;
    Timers.clear();
    Statuses.clear();
  }
};

class TSclTriggerSet {
public:
  static constexpr int kAvailHandle = 1;

  void Clear();
  int32_t NewTimer();
  int32_t NewStatus(int kind);
  TSclTimerTrigger* FindTimer(int32_t handle);
  TSclStatusTrigger* FindStatus(int32_t handle);
  // Removes the timer or status trigger with that handle; false when there is none.
  bool Drop(int32_t handle);
  void ResetHits();
  void Save(TSclSavedTriggers& saved) const;
  // Takes the saved triggers; new handles are then made beyond every restored one.
  void Restore(const TSclSavedTriggers& saved);

  uint32_t AvailLength = 0;
  std::vector<TSclTimerTrigger> Timers;
  std::vector<TSclStatusTrigger> Statuses;

private:
  int32_t NewHandle();
  bool HandleInUse(int32_t base) const;

  int32_t nextCounter_ = 1;
};
