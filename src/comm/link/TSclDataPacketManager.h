#pragma once
// The packets of one com port: it collects the port's received bytes (as a handler of the
// port's dispatcher: on the port's own thread while every packet's events run there, else
// on the dispatch thread) and lets the packets scan them. Every complete packet in the input
// is delivered once and in order: the packet whose match begins first wins (on a tie, the
// one that joined first), and a packet never overtakes another's unfinished match that began
// before it. Only one packet collects at a time; while it does, only it sees the input.
//
// The manager lives as long as its port; it is attached (its handler registered) while the
// port is open and at least one packet uses it.
#include "comm/link/SclTriggerMessages.h"
#include "comm/link/TPacketPattern.h"
#include "comm/link/TSclDataPacket.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class TSclBaseDispatcher;
class TSclCustomComPort;

class TSclDataPacketManager : public TSclMethodHandler, public std::enable_shared_from_this<TSclDataPacketManager> {
public:
  explicit TSclDataPacketManager(TSclCustomComPort* port);
  ~TSclDataPacketManager() override;

  void Join(TSclDataPacket* packet);
  void Leave(TSclDataPacket* packet);
  // Stores the packet's Enabled and arms or disarms it (raises for a packet set up wrong).
  void SetEnabled(TSclDataPacket* packet, bool enabled);
  void ArmLoaded(TSclDataPacket* packet);
  TPacketMode ModeOf(const TSclDataPacket* packet) const;
  // Bytes taken from the port that no packet has delivered yet: an unfinished packet, or
  // the start of one.
  int HeldCount() const;
  // Drops those bytes; a packet collecting them waits for its start again.
  void DropHeld();
  bool Attached() const { return dispatcher_ != nullptr; }

  // Received bytes, as the port's handler takes them; tests feed bytes in here directly.
  void Receive(const QByteArray& bytes);
  void TriggerMessage(uint32_t message, uint32_t shortParam, uint32_t longParam) override;

private:
  struct Entry {
    TSclDataPacket* packet;
    TPacketMode mode = pmIdle;
    bool pendingCollect = false; // scAnyData waiting for another packet's collect to end
    TPacketPattern start;
    TPacketPattern end;
    int scanFrom = 0; // no start can begin before here
    int endFrom = 0;  // no end can begin before here
  };
  enum class Found { Nothing, Waiting, Packet };

  void PortOpening(bool opening);
  void Attach();
  void Detach();
  Entry* Find(const TSclDataPacket* packet);
  void ArmEntry(Entry& e);
  void ArmEnabled();
  void DisarmEntry(Entry& e);
  void SetMode(Entry& e, TPacketMode mode);
  void Dispatch();
  Found ScanCollect(Entry& e);
  Found ScanStarts();
  void Deliver(Entry& e, int begin, int length, bool byEndString);
  void Timeout(Entry& e);
  void EndEvent();
  void Shift(int removed);
  void Log(int subKind, const QByteArray& bytes);
  void RunOnGui(TSclDataPacket* packet, const std::function<void()>& call);
  QObject* EventsTarget() const;
  void PublishEventsTarget();

  // Held while scanning; never while a packet's event runs, so the event may enable packets.
  mutable std::mutex mutex_;
  QPointer<TSclCustomComPort> port_;
  QObject* const portObject_; // the port: it outlives this manager's registration
  std::optional<QObject*> published_; // the events target the dispatcher holds, once told
  TSclBaseDispatcher* dispatcher_ = nullptr;
  int timerHandle_ = 0;
  std::vector<Entry> entries_;
  QByteArray buffer_;
  TSclDataPacket* capture_ = nullptr;
  bool inEvent_ = false;
};

