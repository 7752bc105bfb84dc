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

// Status kinds: 1 modem status, 2 line status, 3 output free, 4 output used, 5 output sent.
struct TSclStatusTrigger {
  int32_t Handle = 0;
  int32_t Kind = 0;
  // Kind 1: low byte the masked modem status at arming, high byte the mask; kind 2: the
  // line-error mask; kinds 3 and 4: a byte count.
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
