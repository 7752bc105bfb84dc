#pragma once
// Waits in the kernel for modem-line changes (CTS, DSR, DCD, ring) of a serial device and
// makes its descriptor readable after each one, so an event waiter blocked in poll() learns
// of them at once. The kernel's wait can only be interrupted by a signal, so stopping sends
// the thread a private real-time signal until it has left the wait.
#include <atomic>
#include <thread>

class ModemLineWatcher {
public:
  explicit ModemLineWatcher(int deviceFd);
  ~ModemLineWatcher();
  ModemLineWatcher(const ModemLineWatcher&) = delete;
  ModemLineWatcher& operator=(const ModemLineWatcher&) = delete;

  // Readable after a change, and once more when watching ends; Drain() empties it.
  int Fd() const { return eventFd_; }
  void Drain();
  // True once the device has refused to wait for its lines (or has gone): from then on the
  // lines must be sampled.
  bool Ended() const { return ended_; }

private:
  void Run();

  int deviceFd_;
  int eventFd_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> ended_{false};
  std::thread thread_;
};
