#include "comm/session/TComPortSwitchLine.h"

#include "comm/link/TSclCustomComPort.h"

#include <QTimer>

int TComPortSwitchLine::DataBits() const { return port_.DataBits(); }
TParity TComPortSwitchLine::Parity() const { return port_.Parity(); }

void TComPortSwitchLine::SetFraming(int dataBits, TParity parity) {
  port_.SetDataBits(dataBits);
  port_.SetParity(parity);
}

void TComPortSwitchLine::Send(const QByteArray& bytes) { port_.SendString(bytes); }
void TComPortSwitchLine::After(int ms, std::function<void()> then) {
  QTimer::singleShot(ms, Qt::PreciseTimer, context_, std::move(then));
}
