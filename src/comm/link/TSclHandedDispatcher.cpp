#include "comm/link/TSclHandedDispatcher.h"

#include "comm/link/SclErrorCodes.h"

#include <unistd.h>

TSclHandedDispatcher::TSclHandedDispatcher(TSclCustomComPort* owner, int deviceFd)
    : TSclBaseDispatcher(owner), deviceFd_(deviceFd) {}

int TSclHandedDispatcher::OpenDevice(const QString&, int, int) {
  if (deviceFd_ <= 0) return SclErr::CommNotOpen;
  int error = 0;
  device_ = SerialDevice::Adopt(deviceFd_, error);
  if (!device_) return -error;
  deviceFd_ = -1; // owned by the device now
  return 0;
}

TSclHandedDispatcher::~TSclHandedDispatcher() {
  if (deviceFd_ > 0) ::close(deviceFd_); // handed over but never taken by a device
}
