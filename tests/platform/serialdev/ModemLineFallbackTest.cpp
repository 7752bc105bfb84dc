#include "platform/serialdev/SerialDevice.h"

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {
// A terminal whose driver counts line changes but cannot wait for them: the counters and
// lines are the test's, while the kernel's wait is tried on a pseudo-terminal and refused.
class CountingOnlyDevice : public SerialDevice {
public:
  static std::unique_ptr<CountingOnlyDevice> Open(const QString& path) {
    int error = 0;
    SerialLockFile lock;
    const int fd = OpenExclusive(path, error, lock);
    if (fd < 0) return nullptr;
    std::unique_ptr<CountingOnlyDevice> device(new CountingOnlyDevice(fd, path, std::move(lock)));
    device->StartWatching();
    return device;
  }
  std::atomic<int> lines{0};

protected:
  CountingOnlyDevice(int fd, QString path, SerialLockFile lock)
      : SerialDevice(fd, std::move(path), std::move(lock)) {}
  bool ReadCounters(Counters& counters) override {
    counters = Counters{};
    return true;
  }
  bool ReadModemBits(int& bits) override {
    bits = lines;
    return true;
  }
};

class ModemLineFallback : public testing::Test {
protected:
  ModemLineFallback() {
    int slave = -1;
    char name[128];
    openpty(&master_, &slave, name, nullptr, nullptr);
    path_ = QString::fromLocal8Bit(name);
    close(slave);
  }
  ~ModemLineFallback() override {
    close(master_);
    close(cancel_);
  }
  // The events of one wait, or 0 when it was still blocked after a generous while.
  uint32_t WaitBounded(SerialDevice& device) {
    auto result = std::async(std::launch::async, [&] { return device.WaitEvent(cancel_, false); });
    if (result.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
      const uint64_t one = 1;
      [[maybe_unused]] ssize_t written = write(cancel_, &one, sizeof one);
    }
    return result.get();
  }
  int master_ = -1;
  int cancel_ = eventfd(0, EFD_NONBLOCK);
  QString path_;
};
} // namespace

TEST_F(ModemLineFallback, LineChangesAreSampledOnceTheDriverRefusesToWaitForThem) {
  auto device = CountingOnlyDevice::Open(path_);
  ASSERT_NE(device, nullptr);
  // Whether the change comes before or after the watcher gives up, the wait must see it.
  device->lines = SerialDevice::LineCts | SerialDevice::LineDcd;
  EXPECT_EQ(WaitBounded(*device), SerialDevice::EvCts | SerialDevice::EvRlsd);
  device->lines = SerialDevice::LineDcd;
  EXPECT_EQ(WaitBounded(*device), SerialDevice::EvCts);
  EXPECT_EQ(device->ModemStatus(), SerialDevice::LineDcd);
}
