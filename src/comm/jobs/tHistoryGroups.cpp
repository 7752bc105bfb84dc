// The job queue: what happens to a machine's other jobs when one of its jobs fails or is
// cancelled, and to the jobs left running by an earlier run of the program.
#include "comm/jobs/tHistory.h"

#include "comm/jobs/HisStatus.h"
#include "comm/jobs/JobProgress.h"
#include "comm/jobs/JobRetry.h"
#include "platform/sys/PumpDelay.h"

void tHistory::WalkMachine(const QString& machineId, Walk walk) {
  const bool cancel = walk == Walk::Cancel;
  JobProgress progress(cancel ? QStringLiteral("Cancelling History List") : QStringLiteral("Failing History List"));
  const QStringList ids = GetPendingList();
  const int count = int(ids.size());
  for (int n = 0; n < count; ++n) {
    const int index = cancel ? count - 1 - n : n;
    const tEventOptions* options = pending_.Find(ids[index]);
    if (options && options->MachineId == machineId) {
      std::unique_ptr<tHistoryEvent> job = LoadPendingEvent(ids[index]);
      if (job && job->MachineId == machineId && job->Status != HisStatus::Active)
        EndJob(*job, cancel ? HisStatus::UserCancel : HisStatus::Failed);
    }
    progress.Step(cancel ? (count - index - 1) * 100 / count : index * 100 / count);
    PumpMessage();
  }
}

void tHistory::CancelMachine(const QString& machineId) { WalkMachine(machineId, Walk::Cancel); }

void tHistory::FailList(const QString& machineId) { WalkMachine(machineId, Walk::Fail); }

void tHistory::DeferMachine(const QString& machineId) {
  if (pending_.Empty()) return;
  JobProgress progress(QStringLiteral("History List to Retry Later"));
  const QStringList ids = GetPendingList();
  const int count = int(ids.size());
  for (int index = count - 1; index >= 0; --index) {
    const tEventOptions* options = pending_.Find(ids[index]);
    if (options && options->MachineId == machineId) {
      std::unique_ptr<tHistoryEvent> job = LoadPendingEvent(ids[index]);
      if (job && job->MachineId == machineId && job->Status != HisStatus::Active) {
        if (RetryLeft(job->InitRetryCount, initRetry_)) {
          ++job->InitRetryCount;
          job->Status = HisStatus::Retry;
          StoreEvent(*job);
        } else if (RetryLeft(job->DefRetryCount, defRetry_)) {
          job->CountDeferredRetry();
          job->Status = HisStatus::Retry;
          StoreEvent(*job);
        } else {
          EndJob(*job, HisStatus::Failed);
        }
      }
    }
    progress.Step((count - index) * 100 / count);
    PumpMessage();
  }
}

void tHistory::FailPending() {
  const QStringList ids = GetPendingList();
  for (qsizetype i = ids.size() - 1; i >= 0; --i) {
    std::unique_ptr<tHistoryEvent> job = LoadPendingEvent(ids[i]);
    if (!job || job->Status != HisStatus::Active) continue;
    job->Status = HisStatus::Failed;
    job->Mode = QStringLiteral("History");
    StoreEvent(*job);
  }
}
