#pragma once
// The lamp controller: watches a com port through triggers of its own and switches the
// lamps of its light set: TXD while output goes out, RXD while input waits, CTS, DSR and DCD
// as the lines stand, RING after a ring, ERROR for a while after a line error and BREAK
// after a break. Its error and break triggers are line-status triggers of the port, so the
// port raises its line-error event for each of them: the session's only report of errors
// on the line. Runs on the GUI thread.
#include "comm/link/TLightSet.h"
#include "comm/link/TSclBaseComponent.h"
#include "comm/link/TSclCustomComPort.h"

#include <QPointer>

class TSclSLController : public TSclBaseComponent {
  Q_OBJECT
public:
  // ComPort starts as the first com port among the owner's components.
  explicit TSclSLController(QObject* owner = nullptr);
  ~TSclSLController() override;

  TSclCustomComPort* ComPort() const { return port_; }
  void SetComPort(TSclCustomComPort* port);
  TLightSet& Lights() { return lights_; }
  bool Watching() const { return watching_; }
  void SetWatching(bool on);
  void Loaded() override;

  int ErrorOffTimeout = 36; // ticks
  int BreakOffTimeout = 36;
  int RXDOffTimeout = 1;
  int TXDOffTimeout = 1;
  int RingOffTimeout = 8;

private:
  struct Handles {
    int modem = 0, error = 0, brk = 0, errorOff = 0, breakOff = 0, rxdOff = 0, txd = 0, txdOff = 0, ringOff = 0;
  };

  void StartWatching();
  void StopWatching();
  void DropTriggers();
  void ShowLights();
  void JoinPort();
  void LeavePort();
  void PortOpening(bool opening);
  void OnAvail(TSclCustomComPort& cp, int count);
  void OnStatus(TSclCustomComPort& cp, int handle);
  void OnTimer(TSclCustomComPort& cp, int handle);
  bool Has(TLightSet::Slot slot) const { return lights_.Light(slot) != nullptr; }

  QPointer<TSclCustomComPort> port_;
  QMetaObject::Connection portGone_;
  TLightSet lights_;
  bool watching_ = false;
  bool wanted_ = false; // watching asked for while the port is closed
  int modemMask_ = 0;
  Handles h_;
  TTriggerAvailEvent savedAvail_;
  TTriggerHandleEvent savedStatus_;
  TTriggerHandleEvent savedTimer_;
};
