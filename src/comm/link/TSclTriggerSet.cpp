#include "comm/link/TSclTriggerSet.h"

#include <algorithm>

namespace {
constexpr int32_t kCounterLimit = 4096;
}

void TSclTriggerSet::Clear() {
  AvailLength = 0;
  Timers.clear();
  Statuses.clear();
  nextCounter_ = 1;
}

bool TSclTriggerSet::HandleInUse(int32_t base) const {
  return std::any_of(Timers.begin(), Timers.end(), [&](const auto& t) { return (t.Handle & ~7) == base; }) ||
         std::any_of(Statuses.begin(), Statuses.end(), [&](const auto& s) { return (s.Handle & ~7) == base; });
}

// 8, 16, 24, ... while the counter is below 4096; after that the smallest free multiple of 8.
int32_t TSclTriggerSet::NewHandle() {
  if (nextCounter_ < kCounterLimit) return 8 * nextCounter_++;
  int32_t base = 8;
  while (HandleInUse(base)) base += 8;
  return base;
}

int32_t TSclTriggerSet::NewTimer() {
  TSclTimerTrigger t;
  t.Handle = NewHandle();
  Timers.push_back(t);
  return t.Handle;
}

int32_t TSclTriggerSet::NewStatus(int kind) {
  TSclStatusTrigger s;
  s.Handle = NewHandle() | kind;
  s.Kind = kind;
  Statuses.push_back(s);
  return s.Handle;
}

TSclTimerTrigger* TSclTriggerSet::FindTimer(int32_t handle) {
  auto it = std::find_if(Timers.begin(), Timers.end(), [&](const auto& t) { return t.Handle == handle; });
  return it == Timers.end() ? nullptr : &*it;
}

TSclStatusTrigger* TSclTriggerSet::FindStatus(int32_t handle) {
  auto it = std::find_if(Statuses.begin(), Statuses.end(), [&](const auto& s) { return s.Handle == handle; });
  return it == Statuses.end() ? nullptr : &*it;
}

bool TSclTriggerSet::Drop(int32_t handle) {
  if (auto* t = FindTimer(handle)) {
    Timers.erase(Timers.begin() + (t - Timers.data()));
    return true;
  }
  if (auto* s = FindStatus(handle)) {
    Statuses.erase(Statuses.begin() + (s - Statuses.data()));
    return true;
  }
  return false;
}

void TSclTriggerSet::ResetHits() {
  for (auto& s : Statuses) s.Hit = false;
}

void TSclTriggerSet::Save(TSclSavedTriggers& saved) const {
  saved.AvailLength = AvailLength;
  saved.Timers = Timers;
  saved.Statuses = Statuses;
}

void TSclTriggerSet::Restore(const TSclSavedTriggers& saved) {
  AvailLength = saved.AvailLength;
  Timers = saved.Timers;
  Statuses = saved.Statuses;
  // A reopened dispatcher counts handles from 1 again; without this its next trigger would
  // be given a handle that a restored trigger still holds.
  int32_t highest = 0;
  for (const auto& t : Timers) highest = std::max(highest, t.Handle & ~7);
  for (const auto& s : Statuses) highest = std::max(highest, s.Handle & ~7);
  nextCounter_ = std::max(nextCounter_, highest / 8 + 1);
}
