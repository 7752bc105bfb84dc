#pragma once
// The com port as forms and modules place it: all of its behaviour is TSclCustomComPort's.
#include "comm/link/TSclCustomComPort.h"

class TSclComPort : public TSclCustomComPort {
  Q_OBJECT
public:
  using TSclCustomComPort::TSclCustomComPort;
};
