#pragma once
// A data packet watches the input of a com port for a pattern and hands each match to its
// owner as one event, on the GUI thread, while the port's dispatch thread waits: nothing
// further is read until the handler has returned, so bytes that follow a packet are still
// there for the packets the handler enables. All packets of one port share a manager.
//
// A packet starts at its start string (scString) or at any byte (scAnyData) and ends at its
// end string, at its size, or - with no end condition - with the start string itself. The
// end string always keeps to the doubled-DLE rule; the start string does when bit 128 of Tag
// is set.
#include "comm/link/TSclBaseComponent.h"

#include <QByteArray>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

class TSclCustomComPort;
class TSclDataPacketManager;

enum TPacketStartCond { scString, scAnyData };
enum TPacketEndCondition { ecString = 1, ecPacketSize = 2 };
using TPacketEndSet = int; // a set of TPacketEndCondition bits; 0 = the start string alone
enum TPacketMode { pmIdle, pmWaiting, pmCollecting };

class TSclDataPacket : public TSclBaseComponent {
  Q_OBJECT
public:
  using TPacketEvent = std::function<void(TSclDataPacket& sender, const char* data, int size)>;
  using TStringPacketEvent = std::function<void(TSclDataPacket& sender, const QByteArray& data)>;
  using TTimeoutEvent = std::function<void(TSclDataPacket& sender)>;
  static constexpr int kDleRuleTag = 128;

  explicit TSclDataPacket(QObject* owner = nullptr);
  ~TSclDataPacket() override;

  bool Enabled() const { return enabled_; }
  // Arms or disarms on a change. Inside one of the port's packet events, the arming waits
  // until the event is over. Raises EInvalidProperty (5501-5505) for a packet that cannot
  // work as set up.
  void SetEnabled(bool enabled);
  TSclCustomComPort* ComPort() const { return port_; }
  void SetComPort(TSclCustomComPort* port);
  TPacketMode Mode() const;
  // Bytes the packets of the port have taken in and not delivered (a frame still arriving),
  // and dropping them, for a sender that asks for the whole frame again.
  int HeldCount() const;
  void DropHeld();
  void Loaded() override;

  bool AutoEnable = true;
  TPacketStartCond StartCond = scString;
  TPacketEndSet EndCond = 0;
  QByteArray StartString;
  QByteArray EndString;
  bool IgnoreCase = true;
  int PacketSize = 0;
  bool IncludeStrings = true;
  int TimeOut = 2184; // ticks from the start of collecting to the end; 0 = none
  int Tag = 0;
  bool SyncEvents = true; // events on the GUI thread
  TPacketEvent OnPacket;
  TStringPacketEvent OnStringPacket;
  TTimeoutEvent OnTimeout;

  // "Packet:" and the component's name, as the dispatch log shows the packet.
  QByteArray Label() const;

private:
  friend class TSclDataPacketManager;
  void Leave();

  std::atomic<bool> enabled_{false};
  QPointer<TSclCustomComPort> port_;
  std::shared_ptr<TSclDataPacketManager> manager_;
};
