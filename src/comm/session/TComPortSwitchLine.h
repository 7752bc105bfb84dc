#pragma once
// The switch commands on a com port: framing through its properties, bytes through its
// output, and pauses that keep the program's events flowing (other sessions go on).
#include "comm/session/LineSwitch.h"

class TSclCustomComPort;

class TComPortSwitchLine final : public ISwitchLine {
public:
  explicit TComPortSwitchLine(TSclCustomComPort& port) : port_(port) {}
  int DataBits() const override;
  TParity Parity() const override;
  void SetFraming(int dataBits, TParity parity) override;
  void Send(const QByteArray& bytes) override;
  void Pause(int ms) override;

private:
  TSclCustomComPort& port_;
};
