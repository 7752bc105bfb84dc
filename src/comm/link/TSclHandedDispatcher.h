#pragma once
// The dispatcher of a device that was opened elsewhere and handed to the com port (a modem
// layer's connected call). It opens nothing itself; the handed descriptor is closed with
// the dispatcher like one it had opened.
#include "comm/link/TSclBaseDispatcher.h"

class TSclHandedDispatcher : public TSclBaseDispatcher {
public:
  TSclHandedDispatcher(TSclCustomComPort* owner, int deviceFd);
  ~TSclHandedDispatcher() override;

protected:
  int OpenDevice(const QString& name, int inSize, int outSize) override;

private:
  int deviceFd_;
};
