#include "PollDevice.h"

#include "platform/serialdev/SerialDevice.h"

namespace {
// The device at the path, opened as the serial library opens any device (exclusive, raw).
class PathDevice final : public SerialDevice {
public:
  PathDevice(int fd, const QString& path, SerialLockFile lock) : SerialDevice(fd, path, std::move(lock)) {
    StartWatching();
  }

  static std::unique_ptr<SerialDevice> Open(const QString& path, int& error) {
    SerialLockFile lock(path);
    const int fd = OpenExclusive(path, error, lock);
    return fd < 0 ? nullptr : std::make_unique<PathDevice>(fd, path, std::move(lock));
  }
};
} // namespace

PollDevice::PollDevice(const QString& path) {
  SerialDevice::SetOpener([path](const QString&, int& error) { return PathDevice::Open(path, error); });
}

PollDevice::~PollDevice() { SerialDevice::SetOpener({}); }
