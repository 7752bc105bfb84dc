#pragma once
// A job: one action for one machine, queued in "Pending" by its communication port, run by
// a polling session, and kept in "History" once it has ended. Stored in the object files
// "Pending" and "History" in the stream form of ReadEvent and WriteEvent; LastTry, the
// callback and the pending id are kept in memory only (beside the pending id, see
// tEventOptions).
#include "platform/sys/TDateTime.h"
#include "platform/sys/TObject.h"

#include <QString>
#include <functional>
#include <memory>

class TArray;
class TObjectReader;
class TObjectWriter;
class tActn;

// The completion callback of a job: 2 for success, 4 for failure or cancel.
using TEventCallBack = std::function<void(int code)>;

class tHistoryEvent : public TObject {
  TB_OBJECT(tHistoryEvent)
public:
  // A new pending job (Status and State Pending, no retries used, Created now, Mode and
  // ComPort the port) holding a copy of the action, with the next free pending id.
  tHistoryEvent(TEventCallBack callBack, const tActn* action, const QString& comPort, const QString& machineId,
                const QString& scriptId, const QString& scheduleId, bool startedByCalendar);
  explicit tHistoryEvent(TBlank blank);
  ~tHistoryEvent() override;
  tHistoryEvent(const tHistoryEvent&) = delete;
  tHistoryEvent& operator=(const tHistoryEvent&) = delete;

  // In stream order (Actions last).
  QString EventId;
  QString MachineId;
  QString Mode;                 // the port name while pending, "History" when finished
  bool StartedByCalendar = false;
  QString ScheduleId;           // "User" or a schedule id
  QString ScriptId;             // the job's name ("Prompted", "Send All", ... or a script id)
  qint32 State = 0;             // phase (HisStatus)
  qint32 Status = 0;            // outcome (HisStatus)
  qint32 DefRetryCount = -1;    // deferred retries used, -1 none yet
  qint32 InitRetryCount = -1;   // immediate retries used, -1 none yet
  TDateTime Created;
  QString ComPort;              // the machine's port when the job was made

  // Not stored.
  TDateTime LastTry;            // when the last deferred retry was scheduled; 0 none
  TEventCallBack EventCallBack;
  QString PendingId;            // the id the job had in "Pending" (stays after it moves)
  bool InHistory = false;       // stored in "History": EventId is a history id

  // The first action, or nullptr.
  tActn* GetActn() const;
  // Replaces the held actions by a copy of the action with its options (none for nullptr).
  void SetAction(const tActn* action);
  TArray* Actions() const { return actions_.get(); }
  // Calls the callback when there is one.
  void CallBack(int code) const;
  // Counts one deferred retry from now: a fresh cycle of immediate retries, waited for from
  // LastTry. The status is the caller's.
  void CountDeferredRetry();

  static void ReadEvent(TObject& obj, TObjectReader& reader);
  static void WriteEvent(const TObject& obj, TObjectWriter& writer);

private:
  std::unique_ptr<TArray> actions_;
};

// A copy of the job through its stream form, with its in-memory fields carried over.
std::unique_ptr<tHistoryEvent> CopyEvent(const tHistoryEvent& job);
