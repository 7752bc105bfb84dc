#include "platform/serialdev/ModemLineWatcher.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <mutex>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
int WakeSignal() { return SIGRTMIN + 6; }

void NoAction(int) {}

// The handler exists only so the signal interrupts the wait; no SA_RESTART, so the ioctl
// returns EINTR instead of being restarted.
void InstallWakeHandler() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct sigaction action {};
    action.sa_handler = NoAction;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(WakeSignal(), &action, nullptr);
  });
}
} // namespace

ModemLineWatcher::ModemLineWatcher(int deviceFd)
    : deviceFd_(deviceFd), eventFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
  InstallWakeHandler();
  thread_ = std::thread([this] { Run(); });
}

ModemLineWatcher::~ModemLineWatcher() {
  stop_ = true;
  // A signal sent just before the thread enters the wait is lost, so keep sending.
  while (!ended_) {
    pthread_kill(thread_.native_handle(), WakeSignal());
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  thread_.join();
  if (eventFd_ >= 0) close(eventFd_);
}

void ModemLineWatcher::Drain() {
  uint64_t value;
  while (read(eventFd_, &value, sizeof value) > 0) {
  }
}

void ModemLineWatcher::Run() {
  const int lines = TIOCM_CTS | TIOCM_DSR | TIOCM_CD | TIOCM_RNG;
  while (!stop_) {
    if (ioctl(deviceFd_, TIOCMIWAIT, lines) == 0) {
      const uint64_t one = 1;
      [[maybe_unused]] ssize_t written = write(eventFd_, &one, sizeof one);
    } else if (errno != EINTR) {
      break; // the device cannot wait for its lines (or has gone): nothing more to watch
    }
  }
  ended_ = true;
  // Wakes a waiter blocked on Fd() so that it turns to sampling the lines.
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t written = write(eventFd_, &one, sizeof one);
}
