#pragma once
// The switch commands on a com port: framing through its properties, bytes through its
// output, and pauses on a timer of the context object (a continuation that goes with it).
#include "comm/session/LineSwitch.h"

class QObject;

class TSclCustomComPort;

class TComPortSwitchLine final : public ISwitchLine {
public:
  TComPortSwitchLine(TSclCustomComPort& port, QObject* context) : port_(port), context_(context) {}
  int DataBits() const override;
  TParity Parity() const override;
  void SetFraming(int dataBits, TParity parity) override;
  void Send(const QByteArray& bytes) override;
  void After(int ms, std::function<void()> then) override;

private:
  TSclCustomComPort& port_;
  QObject* context_;
};
