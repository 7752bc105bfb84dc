// The job queue: which job runs next on a port, and next for a session's machine.
#include "comm/jobs/tHistory.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobIds.h"
#include "comm/jobs/tSessionStarter.h"
#include "model/MachineList.h"
#include "model/tMachine.h"

#include <climits>

// One pass gives what the scan by deferral level gives (level -1, 0, 1, ... up to DefRetry,
// the first of the port's jobs at the lowest level): the lowest level wins, queue order
// breaks ties. DefRetry below 0 still scans the levels -1 and 0.
std::unique_ptr<tHistoryEvent> tHistory::PickNext(const QString& port) {
  const qint32 highest = qMax(defRetry_, 0);
  for (;;) {
    QString best;
    qint32 bestLevel = INT_MAX;
    for (const Entry& entry : pending_) {
      const tEventOptions& o = *entry.options;
      const qint32 level = qMax(o.DefRetryCount, -1);
      if (o.Mode != port || level > highest || level >= bestLevel) continue;
      best = entry.id;
      bestLevel = level;
      if (level == -1) break;
    }
    if (best.isEmpty()) return nullptr;
    if (std::unique_ptr<tHistoryEvent> job = LoadPendingEvent(best)) return job;
    // An unreadable record has gone from the list; look again.
  }
}

void tHistory::StartNext(const QString& port) {
  if (IsPortBusy(port) || pending_.empty()) return;
  SetPortBusy(port, true);
  for (;;) {
    std::unique_ptr<tHistoryEvent> job = PickNext(port);
    if (!job) break;
    std::unique_ptr<tMachine> machine = FindMachine(job->MachineId);
    if (!machine) {
      // Its machine was deleted: the job can never run, and must not hold up the port.
      Notice(QStringLiteral("Machine ") + job->MachineId + QStringLiteral(" does not exist"));
      EndJob(*job, HisStatus::Failed);
      continue;
    }
    SetPortEvent(port, job->PendingId);
    if (starter_ && starter_->StartSession(*machine, *job)) return;
    break;
  }
  SetPortBusy(port, false);
}

bool tHistory::NextForMachine(std::unique_ptr<tHistoryEvent>& job) {
  if (pending_.empty() || !job) return false;
  // The job's place in the queue is found by its pending id: once it has moved to
  // "History" its EventId is of the other sequence.
  const QString ownId = job->PendingId.isEmpty() ? job->EventId : job->PendingId;
  const int own = IndexOf(ownId);
  const size_t start = (own < 0 || own == int(pending_.size()) - 1) ? 0 : size_t(own + 1);
  for (size_t i = start; i < pending_.size(); ++i) {
    const tEventOptions& o = *pending_[i].options;
    // A deferred job is not run again at once by its own session: it waits its turn.
    if (pending_[i].id == ownId) continue;
    if (o.MachineId != job->MachineId || o.DefRetryCount > job->DefRetryCount) continue;
    if (o.Mode != job->ComPort) return false;
    const QString id = pending_[i].id;
    std::unique_ptr<tHistoryEvent> next = LoadPendingEvent(id);
    if (!next) return false;
    SetPortEvent(job->ComPort, id);
    job = std::move(next);
    return true;
  }
  return false;
}
