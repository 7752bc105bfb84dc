#include "comm/link/TSclDataPacketManagerList.h"

#include "comm/link/TSclCustomComPort.h"
#include "comm/link/TSclDataPacketManager.h"

#include <map>

namespace {
std::map<TSclCustomComPort*, std::shared_ptr<TSclDataPacketManager>>& Managers() {
  static std::map<TSclCustomComPort*, std::shared_ptr<TSclDataPacketManager>> managers;
  return managers;
}
} // namespace

std::shared_ptr<TSclDataPacketManager> TSclDataPacketManagerList::Find(TSclCustomComPort* port) {
  auto it = Managers().find(port);
  return it == Managers().end() ? nullptr : it->second;
}

std::shared_ptr<TSclDataPacketManager> TSclDataPacketManagerList::Obtain(TSclCustomComPort* port) {
  if (auto found = Find(port)) return found;
  auto manager = std::make_shared<TSclDataPacketManager>(port);
  Managers()[port] = manager;
  QObject::connect(port, &QObject::destroyed, [port] { Managers().erase(port); });
  return manager;
}
