#pragma once
// A polling session runs the jobs of one machine on one line: its communication window
// opens the line and has the register's protocol module log on; the session then has the
// module perform the job's action, stores the job's progress and result in the job queue,
// retries as the queue's settings allow, goes on with the machine's further jobs on the
// same line, and at the end closes the line, frees the port, starts the port's next job
// and is released by its controller.
//
// Every message (tMpMessage) runs the state machine HandleMsg over (State, LastMsg). A
// message that comes while a handling or one of its pauses is under way waits its turn:
// handlings never nest, and the pauses (before a retry, after a cancel, at the end) are
// timer continuations during which the program's events keep flowing. Nothing frees the
// session from inside its own handling: the controller frees it later.
#include "comm/crs/SessionEnums.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

class ISessionWindow;
class MachineWriteBack;
class TdmCommBase;
class TfmComCtrl;
class tActn;
class tHistoryEvent;
class tMachine;

class TPollSession : public QObject {
  Q_OBJECT
public:
  // Copies the machine and the job (the job keeps its callback and its action's options).
  TPollSession(TfmComCtrl* controller, const tHistoryEvent& event, const tMachine& machine, int slot);
  ~TPollSession() override;

  tMpState State = MpsLogon;
  tMpMessage LastMsg = MpmInitial;
  int BusyCount = 0;
  int CommType = kSessionCommType;
  int Slot = 0;

  tHistoryEvent& Event() const { return *event_; }
  tMachine& Machine() const { return *machine_; }
  ISessionWindow* Window() const;
  // The message joins the queue and is handled in turn.
  void Receive(tMpMessage message);
  // Posts a message to the session through its controller.
  void Post(tMpMessage message);
  // Whether a session message from this object belongs to this session: the session, its
  // window or its protocol module.
  bool Owns(const QObject* source) const;
  // The window is being closed (by the user or the watchdog): a running session ends as
  // when Cancel All was chosen. Nothing once the session is ending, or while a poll is
  // being saved.
  void CloseRequested();
  bool Ending() const { return State == MpsDone || State == MpsClosed || ending_; }
  // A handling or a continuation of this session is running (on the stack).
  bool Busy() const { return handling_; }

  // A message that does not fit the state: a line on the window and this notice (the log
  // unless set). Never a modal box.
  static void SetNoticeSink(std::function<void(const QString&)> sink);

private:
  void Drain();
  void HandleMsg();
  void HandleLogon();
  void HandleLoggingOn();
  void HandlePolling();
  void Unexpected(const QString& text);

  void OpenLine();
  // The busy timer has run out: watching again, the job Active in the given phase.
  void EndBusyWait(qint32 phase);
  void Connect();
  void LogonRetry();
  void ActionRetry();
  void CancelAll();
  void ContinueAfterSuccess();
  void NextOfMachine(bool afterSuccess);
  void Perform(bool reloadDetached);
  void End();
  void Finish();

  // The job.
  void Job(qint32 status, qint32 phase);
  void ToHistory();
  void Store();
  void CallBack(int code);
  void ReloadDetached();
  void WriteBackMachine();

  // Window shorthands, safe without a window.
  void Line(const QString& text);
  void Focus();
  void EnableCancel(bool on);
  TdmCommBase* Module() const;

  // Runs the continuation after the pause; messages wait until it has run.
  void After(int ms, std::function<void()> then);
  void Guarded(const std::function<void()>& run);

  TfmComCtrl* controller_;
  std::unique_ptr<tHistoryEvent> event_;
  std::unique_ptr<tMachine> machine_;
  std::unique_ptr<MachineWriteBack> writeBack_;
  QPointer<QObject> windowObject_;
  ISessionWindow* window_ = nullptr;
  QList<tMpMessage> queue_;
  bool handling_ = false;
  bool ending_ = false;
  QTimer pause_;
  QTimer drainLater_; // a message that came during another turn is handled after it
  std::function<void()> continuation_;
};

// The names of states and messages, as the unexpected-message lines show them.
QString MpStateName(tMpState state);
QString MpMessageName(tMpMessage message);
