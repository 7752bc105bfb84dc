// The dispatcher's handlers and the delivery of a notification to them.
#include "comm/link/TSclBaseDispatcher.h"

#include "comm/link/SclHandOff.h"
#include "platform/sys/TimingProfile.h"

using L = TSclDispatchLog;

void TSclBaseDispatcher::AddWindowHandler(TSclWindowHandler* window) {
  std::lock_guard lock(portLock_);
  windows_.push_back({window, false});
  handlersNeeded_ = true;
  if (log_.Logging()) log_.AddEntry(L::lkTrgHdAlc, L::lsWindow, window->WindowHandle());
}

void TSclBaseDispatcher::AddMethodHandler(TSclMethodHandler* method) {
  std::lock_guard lock(portLock_);
  methods_.push_back({method, false});
  handlersNeeded_ = true;
  if (log_.Logging()) log_.AddEntry(L::lkTrgHdAlc, L::lsMethod, 0);
}

void TSclBaseDispatcher::SetMethodEventsTarget(TSclMethodHandler* method, QObject* target) {
  std::lock_guard lock(portLock_);
  for (MethodRecord& r : methods_)
    if (r.method == method && !r.removed) r.eventsTarget = target;
}

// During a notification a handler is only marked: the walk over the lists goes on, and the
// record goes when the notification ends.
void TSclBaseDispatcher::RemoveWindowHandler(TSclWindowHandler* window) {
  std::lock_guard lock(portLock_);
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](auto& r) { return r.window == window && !r.removed; });
  if (it == windows_.end()) return;
  if (log_.Logging()) log_.AddEntry(L::lkTrgHdDsp, L::lsWindow, window->WindowHandle());
  if (inNotification_) {
    it->removed = true;
    removalsDeferred_ = true;
  } else {
    windows_.erase(it);
  }
}

void TSclBaseDispatcher::RemoveMethodHandler(TSclMethodHandler* method) {
  std::lock_guard lock(portLock_);
  auto it = std::find_if(methods_.begin(), methods_.end(), [&](auto& r) { return r.method == method && !r.removed; });
  if (it == methods_.end()) return;
  if (log_.Logging()) log_.AddEntry(L::lkTrgHdDsp, L::lsMethod, 0);
  if (inNotification_) {
    it->removed = true;
    removalsDeferred_ = true;
  } else {
    methods_.erase(it);
  }
}

bool TSclBaseDispatcher::DeliverToMethods(uint32_t message, uint32_t shortParam, uint32_t longParam) {
  for (size_t i = 0;; ++i) {
    TSclMethodHandler* method;
    {
      std::lock_guard lock(portLock_);
      if (i >= methods_.size()) return true;
      if (methods_[i].removed) continue;
      method = methods_[i].method;
    }
    {
      std::lock_guard lock(inputLock_);
      takenCount_ = 0;
    }
    method->TriggerMessage(message, shortParam, longParam);
    {
      std::lock_guard lock(inputLock_);
      mostTaken_ = std::max(mostTaken_, takenCount_);
    }
    if (closePending_) return false;
  }
}

bool TSclBaseDispatcher::DeliverToWindows(uint32_t message, uint32_t shortParam, uint32_t longParam) {
  {
    std::lock_guard lock(portLock_);
    if (windows_.size() <= 1 && !portHandlerInstalled_) return true;
  }
  const int boundMs = TimingMs("link.windowSendMs", 3000);
  for (size_t i = 0;; ++i) {
    TSclWindowHandler* window;
    {
      std::lock_guard lock(portLock_);
      if (i >= windows_.size()) return true;
      if (windows_[i].removed) continue;
      window = windows_[i].window;
    }
    {
      std::lock_guard lock(inputLock_);
      takenCount_ = 0;
    }
    // A window that does not take the message within the bound is passed over.
    SclHandOff(window->WindowObject(), [&] { window->WindowMessage(message, shortParam, longParam); }, boundMs);
    {
      std::lock_guard lock(inputLock_);
      mostTaken_ = std::max(mostTaken_, takenCount_);
    }
    if (closePending_) return false;
  }
}

void TSclBaseDispatcher::EndNotification(uint32_t message, uint32_t shortParam, bool stopped, bool& result) {
  if (message == kSclTriggerAvail || message == kSclTriggerData) {
    bool wake;
    {
      std::lock_guard lock(inputLock_);
      inAvailNotification_ = false;
      wake = input_.Full() && mostTaken_ > 0;
      if (!stopped) {
        input_.Consume(mostTaken_);
        if (message == kSclTriggerAvail && mostTaken_ != static_cast<int>(shortParam)) result = false;
      }
    }
    if (wake) WakeEventWaiter();
  }
  {
    std::lock_guard lock(portLock_);
    inNotification_ = false;
    if (removalsDeferred_.exchange(false)) {
      std::erase_if(windows_, [](const auto& r) { return r.removed; });
      std::erase_if(methods_, [](const auto& r) { return r.removed; });
      RefreshHandlerNeed(0);
    }
  }
  // Never under portLock_: the order is input, output, port.
  std::lock_guard lock(inputLock_);
  takenCount_ = 0;
}

// Delivers one notification to every handler: methods on this thread, windows handed to
// their own thread. A close asked meanwhile stops the walk after the handler that asked.
bool TSclBaseDispatcher::NotifyHandlers(uint32_t message, uint32_t shortParam, uint32_t lowWord) {
  if (!handlersNeeded_) return true;
  inNotification_ = true;
  {
    std::lock_guard lock(inputLock_);
    mostTaken_ = 0;
    inAvailNotification_ = message == kSclTriggerAvail || message == kSclTriggerData;
  }
  const uint32_t longParam = (lowWord & 0xFFFF) + static_cast<uint32_t>(handle_) * 65536u;
  bool walked = DeliverToMethods(message, shortParam, longParam);
  if (walked) walked = DeliverToWindows(message, shortParam, longParam);
  bool result = walked;
  EndNotification(message, shortParam, !walked, result);
  return result;
}

