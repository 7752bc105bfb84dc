#pragma once
// The packet managers of all com ports: one per port, made when a packet first joins the
// port and kept until the port itself goes.
#include <memory>

class TSclCustomComPort;
class TSclDataPacketManager;

class TSclDataPacketManagerList {
public:
  static std::shared_ptr<TSclDataPacketManager> Obtain(TSclCustomComPort* port);
  static std::shared_ptr<TSclDataPacketManager> Find(TSclCustomComPort* port);
};
