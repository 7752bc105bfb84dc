// The job queue's port list: busy flags, current jobs and queue windows.
#include "comm/jobs/tHistory.h"

#include "comm/jobs/JobForms.h"
#include "platform/sys/FormRegistry.h"

tHisMaint* tHistory::Port(const QString& name) const {
  for (const auto& port : ports_)
    if (port->QueueName == name) return port.get();
  return nullptr;
}

tHisMaint& tHistory::EnsurePort(const QString& name) {
  if (tHisMaint* port = Port(name)) return *port;
  ports_.push_back(std::make_unique<tHisMaint>(name));
  return *ports_.back();
}

void tHistory::DropPortIfIdle(const QString& name) {
  for (auto it = ports_.begin(); it != ports_.end(); ++it) {
    if ((*it)->QueueName != name) continue;
    if (!(*it)->Busy && !(*it)->Window) ports_.erase(it);
    return;
  }
}

bool tHistory::IsPortBusy(const QString& name) const {
  const tHisMaint* port = Port(name);
  return port && port->Busy;
}

void tHistory::SetPortBusy(const QString& name, bool busy) {
  EnsurePort(name).Busy = busy;
  DropPortIfIdle(name);
}

void tHistory::SetPortEvent(const QString& name, const QString& id) { EnsurePort(name).EventId = id; }

QString tHistory::PortEvent(const QString& name) const {
  const tHisMaint* port = Port(name);
  return port ? port->EventId : QString();
}

int tHistory::PortIndex(const QString& name) const {
  for (size_t i = 0; i < ports_.size(); ++i)
    if (ports_[i]->QueueName == name) return int(i);
  return -1;
}

void tHistory::ShowQueue(const QString& name) {
  tHisMaint& port = EnsurePort(name);
  if (port.Window) return;
  HistoryQueueRequest request{name, nullptr};
  try {
    FormRegistry::Show(request);
  } catch (...) {
    DropPortIfIdle(name);
    throw;
  }
  // The port list may have changed while the window opened.
  tHisMaint& shown = EnsurePort(name);
  shown.Window = request.window;
  DropPortIfIdle(name);
}

void tHistory::QueueWindowClosed(const QString& name) {
  if (tHisMaint* port = Port(name)) port->Window = nullptr;
  DropPortIfIdle(name);
}
