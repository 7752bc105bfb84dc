#pragma once
// The job queue: the queued jobs in the object file "Pending" (with, in memory, their ids
// in queue order, each with its tEventOptions), the ended ones in "History", the retry
// settings, and the port list with one busy flag per port, so that one session at a time
// runs on a port. It picks a port's next job and hands it to the installed session
// starter, moves jobs between the files, applies the group operations a session needs
// when a machine fails or is cancelled, and offers the menu operations that make jobs.
//
// One instance (TheHistory), on the GUI thread. Access to "Pending" and the id list is
// serialised by a busy flag; the walks of many jobs let events run between jobs only,
// never while they hold the flag.
#include "comm/jobs/tEventOptions.h"
#include "comm/jobs/tHisMaint.h"
#include "comm/jobs/tPendingList.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class tHistoryEvent;
class tHistoryFile;
class tMachine;
class tActn;
class tPendingFile;
class tSessionStarter;

class tHistory {
public:
  // Loads the pending ids (in key order, with empty options) and reads the settings.
  tHistory();
  ~tHistory();
  tHistory(const tHistory&) = delete;
  tHistory& operator=(const tHistory&) = delete;

  qint32 GetInitRetry() const { return initRetry_; }
  qint32 GetDefRetry() const { return defRetry_; }
  qint32 GetWaitTime() const { return waitTime_; }
  void SetInitRetry(qint32 value) { initRetry_ = value; }
  void SetDefRetry(qint32 value) { defRetry_ = value; }
  void SetWaitTime(qint32 value) { waitTime_ = value; }
  // How many seconds a deferred job must still wait before its line is opened: WaitTime
  // less the whole seconds since its LastTry, 0 when that has passed (or it never tried).
  qint32 SecondsToDeferredRetry(const tHistoryEvent& job) const;
  // The pending ids in queue order.
  QStringList GetPendingList() const;
  static QString StatusText(qint32 code);

  // Who runs the jobs (not owned; nullptr: nobody, a port's next job then stays queued).
  void SetSessionStarter(tSessionStarter* starter) { starter_ = starter; }
  // Where the queue's messages go (a machine that no longer exists); the log by default.
  void SetNoticeSink(std::function<void(const QString&)> sink) { notice_ = std::move(sink); }

  // The id of a new job: the last pending id + 1, "000001" when none.
  QString NewPendingId() const;

  // Appends the job to the queue and stores it in "Pending".
  void QueueEvent(tHistoryEvent& job);
  // Rewrites a pending job (Pending, Active or Retry) in "Pending" (a job no longer there
  // is not written) or moves any other to "History".
  void StoreEvent(tHistoryEvent& job);
  void RemovePending(const tHistoryEvent& job);
  // Leaves "Pending" and enters "History" under the next history id ("000000" first),
  // which the job carries afterwards; its PendingId keeps the id it had.
  void MoveToHistory(tHistoryEvent& job);
  // A finished job stored in "History" back into the queue under a new pending id.
  void Requeue(tHistoryEvent& job);
  void DeleteHistoryEvent(const QString& id);
  // A copy of a pending job with its in-memory options, or nullptr. A record that cannot be
  // read is deleted.
  std::unique_ptr<tHistoryEvent> LoadPendingEvent(const QString& id);
  // A copy of an ended job, or nullptr (also for a record that cannot be read).
  std::unique_ptr<tHistoryEvent> LoadHistoryEvent(const QString& id);
  // The ids in "History", in the order they were given.
  QStringList HistoryIds();

  // Starts the port's next job unless the port is busy: fresh jobs first, then by deferral
  // level up to DefRetry, in queue order within a level. A job whose machine no longer
  // exists is failed into "History" and the scan goes on.
  void StartNext(const QString& port);
  // Replaces the session's job by the next pending job of its machine on its port.
  bool NextForMachine(std::unique_ptr<tHistoryEvent>& job);
  // The machine's other pending jobs (not the Active one): cancelled, failed, or counted
  // one retry (deferred or failed when none is left). Each ended job gets callback 4.
  void CancelMachine(const QString& machineId);
  void FailList(const QString& machineId);
  void DeferMachine(const QString& machineId);
  // At start: a job left Active (its program ended while it ran) fails into "History";
  // every other pending job stays queued.
  void FailPending();
  // After a successful single job: offers the next target of the same kind and makes it
  // the session's job. False when the user declines or the action has no follow-up.
  bool FollowUp(std::unique_ptr<tHistoryEvent>& job, const tMachine& machine);

  // The menu operations: each asks for a machine and its work, queues the jobs and starts
  // the machine's port.
  void QueuePrompted();
  void QueueSendAPrg();
  void QueueSaveAPrg();
  void QueueSendPrgs();
  void QueueSavePrgs();
  void QueueSendAll();
  void QueueSaveAll();

  // The port list.
  bool IsPortBusy(const QString& name) const;
  void SetPortBusy(const QString& name, bool busy);
  void SetPortEvent(const QString& name, const QString& id);
  QString PortEvent(const QString& name) const;
  int PortIndex(const QString& name) const;
  void ShowQueue(const QString& name);
  void QueueWindowClosed(const QString& name);

  tPendingFile& PendingFile();
  tHistoryFile& HistoryFile();

private:
  class PendingLock;
  enum class Walk { Cancel, Fail };

  void LoadPendingIds();
  void ApplyOptions(tHistoryEvent& job, const QString& id) const;
  // The port's next job by the level scan, loaded; nullptr when none.
  std::unique_ptr<tHistoryEvent> PickNext(const QString& port);
  void Notice(const QString& text) const;
  void EndJob(tHistoryEvent& job, qint32 status);
  void DeleteUnreadable(const QString& id);
  void WalkMachine(const QString& machineId, Walk walk);
  void QueueMenuJob(const tMachine& machine, const tActn& actn, const QString& name);
  // mode: a tEcr::PrgMode.
  void QueueAPrg(int mode, const QString& name);
  void QueuePrgs(int mode, const QString& name);
  void QueueAll(int mode, const QString& name);
  tHisMaint* Port(const QString& name) const;
  tHisMaint& EnsurePort(const QString& name);
  void DropPortIfIdle(const QString& name);

  tPendingList pending_;
  std::vector<std::unique_ptr<tHisMaint>> ports_;
  qint32 initRetry_ = 1;
  qint32 defRetry_ = 1;
  qint32 waitTime_ = 30;
  tSessionStarter* starter_ = nullptr;
  std::function<void(const QString&)> notice_;
  bool pendingBusy_ = false;
  std::unique_ptr<tPendingFile> pendingFile_;
  std::unique_ptr<tHistoryFile> historyFile_;
};

// The job queue, made on first use.
tHistory& TheHistory();
bool HistoryExists();
// Frees the job queue and closes its files (at program end, and between tests).
void FreeTheHistory();
