#include "platform/serialdev/FakeSerialDevice.h"

#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

std::unique_ptr<FakeSerialDevice> FakeSerialDevice::Open(const QString& path, int& error) {
  SerialLockFile lock(path);
  const int fd = OpenExclusive(path, error, lock);
  if (fd < 0) return nullptr;
  std::unique_ptr<FakeSerialDevice> device(new FakeSerialDevice(fd, path, std::move(lock)));
  device->Sample();
  return device;
}

FakeSerialDevice::FakeSerialDevice(int fd, QString path, SerialLockFile lock)
    : SerialDevice(fd, std::move(path), std::move(lock)), notifyFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

FakeSerialDevice::~FakeSerialDevice() {
  if (notifyFd_ >= 0) close(notifyFd_);
}

void FakeSerialDevice::InjectErrors(uint32_t errorBits) {
  {
    std::lock_guard lock(mutex_);
    if (errorBits & ErrRxOver) ++counters_.bufOverrun;
    if (errorBits & ErrOverrun) ++counters_.overrun;
    if (errorBits & ErrParity) ++counters_.parity;
    if (errorBits & ErrFrame) ++counters_.frame;
    if (errorBits & ErrBreak) ++counters_.brk;
  }
  Notify();
}

void FakeSerialDevice::SetModemLines(int bits) {
  {
    std::lock_guard lock(mutex_);
    if ((lines_ & LineRing) && !(bits & LineRing)) ++counters_.rng;
  }
  lines_ = bits;
  Notify();
}

void FakeSerialDevice::Notify() {
  const uint64_t one = 1;
  [[maybe_unused]] ssize_t written = write(notifyFd_, &one, sizeof one);
}

void FakeSerialDevice::DrainNotify() {
  uint64_t value;
  while (read(notifyFd_, &value, sizeof value) > 0) {
  }
}

bool FakeSerialDevice::ReadCounters(Counters& counters) {
  std::lock_guard lock(mutex_);
  counters = counters_;
  return true;
}

bool FakeSerialDevice::ReadModemBits(int& bits) {
  bits = lines_;
  return true;
}

int FakeSerialDevice::SetLineBit(int bit, bool on) {
  if (bit == TIOCM_RTS) rts_ = on ? 1 : 0;
  if (bit == TIOCM_DTR) dtr_ = on ? 1 : 0;
  return 0;
}
