#include "comm/actions/ActnMachineId.h"

#include <mutex>

namespace {
struct PublishedId {
  std::mutex lock;
  QString id;
};

PublishedId& Published() {
  static PublishedId published;
  return published;
}
} // namespace

QString LastActnMachineId() {
  PublishedId& p = Published();
  const std::lock_guard<std::mutex> guard(p.lock);
  return p.id;
}

void SetLastActnMachineId(const QString& machineId) {
  PublishedId& p = Published();
  const std::lock_guard<std::mutex> guard(p.lock);
  p.id = machineId;
}

TActnMachineScope::TActnMachineScope(const QString& machineId) {
  PublishedId& p = Published();
  const std::lock_guard<std::mutex> guard(p.lock);
  previous_ = p.id;
  p.id = machineId;
}

TActnMachineScope::~TActnMachineScope() { SetLastActnMachineId(previous_); }
