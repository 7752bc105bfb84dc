// The job queue: which job runs next on a port, and next for a session's machine.
#include "comm/jobs/tHistory.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobIds.h"
#include "comm/jobs/tSessionStarter.h"
#include "model/MachineList.h"
#include "model/tMachine.h"


// The scan by deferral level (-1, 0, 1, ... up to DefRetry; DefRetry below 0 still scans
// -1 and 0) takes the first of the port's jobs at the lowest level: the port's queue in
// the pending list is ordered that way.
std::unique_ptr<tHistoryEvent> tHistory::PickNext(const QString& port) {
  const qint32 highest = qMax(defRetry_, 0);
  for (;;) {
    const QString id = pending_.NextOfPort(port, highest);
    if (id.isEmpty()) return nullptr;
    if (std::unique_ptr<tHistoryEvent> job = LoadPendingEvent(id)) return job;
    // An unreadable record has gone from the list; look again.
  }
}

void tHistory::StartNext(const QString& port) {
  if (IsPortBusy(port) || pending_.Empty()) return;
  SetPortBusy(port, true);
  for (;;) {
    std::unique_ptr<tHistoryEvent> job = PickNext(port);
    if (!job) break;
    const std::shared_ptr<const tMachine> machine = ReadMachine(job->MachineId);
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
  if (pending_.Empty() || !job) return false;
  // The job's place in the queue is found by its pending id: once it has moved to
  // "History" its EventId is of the other sequence.
  const QString ownId = job->PendingId.isEmpty() ? job->EventId : job->PendingId;
  const int own = pending_.IndexOf(ownId);
  const int start = (own < 0 || own == pending_.Count() - 1) ? 0 : own + 1;
  for (int i = start; i < pending_.Count(); ++i) {
    const tEventOptions& o = pending_.OptionsAt(i);
    // A deferred job is not run again at once by its own session: it waits its turn.
    if (pending_.IdAt(i) == ownId) continue;
    if (o.MachineId != job->MachineId || o.DefRetryCount > job->DefRetryCount) continue;
    if (o.Mode != job->ComPort) return false;
    const QString id = pending_.IdAt(i);
    std::unique_ptr<tHistoryEvent> next = LoadPendingEvent(id);
    if (!next) return false;
    SetPortEvent(job->ComPort, id);
    job = std::move(next);
    return true;
  }
  return false;
}
