#pragma once
// A serial device for tests: a real terminal (normally one side of a pseudo-terminal pair),
// so bytes really flow, whose line errors and modem lines are the test's to set. Injected
// changes wake the event waiter exactly as a real line change would.
#include "platform/serialdev/SerialDevice.h"

#include <atomic>

class FakeSerialDevice : public SerialDevice {
public:
  // Opens path exclusively, as SerialDevice::Open does.
  static std::unique_ptr<FakeSerialDevice> Open(const QString& path, int& error);
  ~FakeSerialDevice() override;

  // Counts one line error of each kind in errorBits (SerialDevice::Err...).
  void InjectErrors(uint32_t errorBits);
  // Sets the CTS, DSR, ring and DCD lines (SerialDevice::Line...).
  void SetModemLines(int bits);
  // The levels last asked for: 1 raised, 0 lowered, -1 never set.
  int RtsLevel() const { return rts_; }
  int DtrLevel() const { return dtr_; }

protected:
  FakeSerialDevice(int fd, QString path, SerialLockFile lock);
  bool ReadCounters(Counters& counters) override;
  bool ReadModemBits(int& bits) override;
  int NotifyFd() const override { return notifyFd_; }
  void DrainNotify() override;
  int SetLineBit(int bit, bool on) override;

private:
  void Notify();

  int notifyFd_;
  std::mutex mutex_;
  Counters counters_;
  std::atomic<int> lines_{0};
  std::atomic<int> rts_{-1};
  std::atomic<int> dtr_{-1};
};
