#include "PollDevice.h"

#include "platform/serialdev/SerialDevice.h"

namespace {
// The device at the path, opened as the serial library opens any device (exclusive, raw).
class PathDevice final : public SerialDevice {
public:
  PathDevice(int fd, const QString& path) : SerialDevice(fd, path) { StartWatching(); }

  static std::unique_ptr<SerialDevice> Open(const QString& path, int& error) {
    const int fd = OpenExclusive(path, error);
    return fd < 0 ? nullptr : std::make_unique<PathDevice>(fd, path);
  }
};
} // namespace

PollDevice::PollDevice(const QString& path) {
  SerialDevice::SetOpener([path](const QString&, int& error) { return PathDevice::Open(path, error); });
}

PollDevice::~PollDevice() { SerialDevice::SetOpener({}); }
