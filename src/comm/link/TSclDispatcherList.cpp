#include "comm/link/TSclDispatcherList.h"

#include <vector>

namespace {
std::vector<TSclBaseDispatcher*>& Slots() {
  static std::vector<TSclBaseDispatcher*> slots;
  return slots;
}
} // namespace

std::recursive_mutex& TSclDispatcherList::Lock() {
  static std::recursive_mutex lock;
  return lock;
}

int TSclDispatcherList::Add(TSclBaseDispatcher* dispatcher) {
  std::lock_guard lock(Lock());
  auto& slots = Slots();
  for (size_t i = 0; i < slots.size(); ++i) {
    if (!slots[i]) {
      slots[i] = dispatcher;
      return static_cast<int>(i);
    }
  }
  slots.push_back(dispatcher);
  return static_cast<int>(slots.size() - 1);
}

void TSclDispatcherList::Remove(int handle) {
  std::lock_guard lock(Lock());
  auto& slots = Slots();
  if (handle < 0 || handle >= static_cast<int>(slots.size())) return;
  slots[static_cast<size_t>(handle)] = nullptr;
  while (!slots.empty() && !slots.back()) slots.pop_back();
}

TSclBaseDispatcher* TSclDispatcherList::Find(int handle) {
  std::lock_guard lock(Lock());
  const auto& slots = Slots();
  if (handle < 0 || handle >= static_cast<int>(slots.size())) return nullptr;
  return slots[static_cast<size_t>(handle)];
}
