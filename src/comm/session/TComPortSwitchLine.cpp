#include "comm/session/TComPortSwitchLine.h"

#include "comm/link/TSclCustomComPort.h"
#include "platform/sys/PumpDelay.h"

int TComPortSwitchLine::DataBits() const { return port_.DataBits(); }
TParity TComPortSwitchLine::Parity() const { return port_.Parity(); }

void TComPortSwitchLine::SetFraming(int dataBits, TParity parity) {
  port_.SetDataBits(dataBits);
  port_.SetParity(parity);
}

void TComPortSwitchLine::Send(const QByteArray& bytes) { port_.SendString(bytes); }
void TComPortSwitchLine::Pause(int ms) { PumpDelay(ms); }
