#include "comm/link/TSclDispatcherThread.h"

#include "comm/link/SclExceptionDisplay.h"
#include "comm/link/TSclBaseDispatcher.h"

#include <sys/resource.h>
#include <unistd.h>

TSclDispatcherThread::TSclDispatcherThread(TSclBaseDispatcher& dispatcher) : d_(dispatcher) {}

TSclDispatcherThread::~TSclDispatcherThread() { Join(); }

void TSclDispatcherThread::Start() {
  running_ = true;
  ++d_.runningThreads_;
  thread_ = std::thread([this] { Run(); });
}

void TSclDispatcherThread::Join() {
  if (thread_.joinable() && !IsCurrent()) thread_.join();
}

void TSclDispatcherThread::ApplyPriority(int boost) {
  // Raising a thread above normal needs a privilege the program may not have; then the
  // thread keeps its normal priority.
  if (tid_ && running_) setpriority(PRIO_PROCESS, static_cast<id_t>(tid_.load()), -boost);
}

void TSclDispatcherThread::Run() {
  tid_ = static_cast<int>(gettid());
  try {
    Body();
  } catch (const std::exception& e) {
    SclShowException(e);
  }
  AfterBody();
  running_ = false;
  d_.ThreadEnded();
}
