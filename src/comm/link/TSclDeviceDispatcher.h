#pragma once
// The dispatcher of a serial device opened by its path.
#include "comm/link/TSclBaseDispatcher.h"

class TSclDeviceDispatcher : public TSclBaseDispatcher {
public:
  using TSclBaseDispatcher::TSclBaseDispatcher;

protected:
  int OpenDevice(const QString& name, int inSize, int outSize) override;
};
