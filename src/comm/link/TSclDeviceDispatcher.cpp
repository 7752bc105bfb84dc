#include "comm/link/TSclDeviceDispatcher.h"

int TSclDeviceDispatcher::OpenDevice(const QString& name, int, int) {
  int error = 0;
  device_ = SerialDevice::Open(name, error);
  return device_ ? 0 : -error;
}
