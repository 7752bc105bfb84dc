#pragma once
// What the job queue keeps in memory beside one pending id: what the stored job does not
// hold (its callback, its action's options, the time of its last deferred try) and the
// fields the queue scans by, so that picking a port's next job reads no records.
#include "comm/jobs/JobActions.h"
#include "comm/jobs/tHistoryEvent.h"

class tEventOptions {
public:
  TEventCallBack EventCallBack;
  TActnOptions Options;
  TDateTime LastTry;

  // As stored with the job.
  QString MachineId;
  QString Mode;
  qint32 DefRetryCount = -1;
  qint32 Status = 0;

  // The scanned fields of the job.
  void Summarise(const tHistoryEvent& job) {
    MachineId = job.MachineId;
    Mode = job.Mode;
    DefRetryCount = job.DefRetryCount;
    Status = job.Status;
  }
};
