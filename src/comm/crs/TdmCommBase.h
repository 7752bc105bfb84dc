#pragma once
// The base of every register protocol module: one polling session owns one module through
// its communication window, and the module speaks the register's protocol on the window's
// com port. It holds what every protocol needs: the block timer and the three control-frame
// packets, the current protocol step with its state and event, the last frame received, the
// work file, the progress and trace output, and the end report of each transfer, which it
// posts to the communication controller as a session message.
//
// A step is a member routine called with the current event (Msg) that moves State. Events
// come from the packets and the block timer, always on the GUI thread. Each event waits a
// short random moment on a timer of its own module (so that sessions on several lines take
// turns) and then reaches the step, in the order the events came; the thread is never held.
// Each step is a turn (CommTurn): a step that lets waiting events run (a long save) has
// windows drawn meanwhile, but no other module's step runs inside it; those take their
// turns from the event loop once it is over, so none is held until another's is over.
// A transfer that has posted its end report ignores further events. An exception inside a
// step ends the transfer as failed, with its message as a progress line.
//
// A step never waits on the stack. Where the protocol wants a pause, the step arms a
// continuation (PauseThen) on a single-shot timer of the module and is left at once; when
// the time is up the continuation does the rest of the step, itself a step in every other
// respect. It goes no further when StopComm or ResetStep came meanwhile, or when a packet's
// event reached the module or another step ran meanwhile: that event or step takes the
// transfer on (or has ended it), so what the pause was leading to would be stale. StopComm and ResetStep drop
// a pending continuation, and it dies with the module, so it never runs on a freed one.
#include "comm/crs/PollEnums.h"
#include "comm/crs/SessionEnums.h"
#include "comm/crs/TCommWorkFile.h"
#include "comm/link/TSclCustomComPort.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>
#include <optional>

class QTimer;
class TProgressLines;
class TSclDataPacket;
class tActn;
class tEcrPrg;
class tEcrRpt;
class tMachine;

class TdmCommBase : public QObject {
  Q_OBJECT
public:
  using TStep = void (TdmCommBase::*)();

  explicit TdmCommBase(QObject* owner = nullptr);
  ~TdmCommBase() override;

  // Components.
  QTimer* TmrBlock;
  TSclDataPacket* scpEot;
  TSclDataPacket* scpAck;
  TSclDataPacket* scpNak;

  // Fields.
  PollMsg Msg = InitMsg;
  PollState State = PollInit;
  tMachine* Machine = nullptr; // the session's copy of the machine; not owned
  QPointer<TSclCustomComPort> ComPort;
  tEcrPrg* Prg = nullptr;
  tEcrRpt* Rpt = nullptr;
  TStep Step;
  TProgressLines* Progress = nullptr; // the window's lines; not owned
  QPointer<QObject> CtrlWnd;
  int Slot = 0;
  QByteArray RxBuf; // the last frame received
  TCommWorkFile WorkFile;

  // Performs the job's action, chosen by its exact class: a program send or receive, or a
  // report poll, whose report first takes the action's four report options. An action of
  // any other class, or one without its program or report, fails at once with a line.
  virtual void PerformActn(tActn& action);
  // The transfers; nothing in the base.
  virtual void ReceivePrg(tEcrPrg& prg);
  virtual void SendPrg(tEcrPrg& prg);
  virtual void PollRpt(tEcrRpt& rpt);
  virtual void Logon();
  virtual void LogonDone();
  // Binds the module to the session: stores the five, binds the control packets to the port
  // and sets the line (the machine's baud rate, 8 data bits, RTS handshake).
  virtual void InitSession(tMachine* machine, TSclCustomComPort* comPort, int slot, QObject* ctrlWnd,
                           TProgressLines* progress);
  // Stops all protocol activity: no timer, no packets, and no handler from now on.
  virtual void StopComm();

Q_SIGNALS:
  // The end report of a transfer, as it is posted to the controller.
  void TransferEnded(tMpMessage message);

public:

  // The branches of performing an action, given the action's program or report (which
  // carries only parameters): the driver's own object of the same class (program) or name
  // (report) takes the parameters and is transferred. When the driver has none, the action
  // fails at once with a progress line.
  void PerformPrgActn(const tEcrPrg& actnPrg, bool send);
  void PerformRptActn(const tEcrRpt& actnRpt);
  // Fails the action at once: the line (with an empty line after it), then the end
  // report MpmFailed.
  void ActnUnavailable(const QString& line);

  void ResetStep();
  // Feeds an event to the current step as a packet would (the window's line errors).
  void DoPollMsg(PollMsg msg);
  // True from the start of a transfer until its end report.
  bool Busy() const { return busy_; }
  // How many protocol steps of all modules are running now (on the stack): a module or its
  // window may be freed only while none is. A paused step is not on the stack: its
  // continuation belongs to the module and goes with it.
  static int StepsRunning();
  int BlkCount() const { return WorkFile.BlkCount(); }

  // Progress and trace.
  void LogLine(const QString& text);
  void AddStatusLine(const QString& text, bool blankAfter);
  void ShowStatusMsg(const QString& text);
  void TraceMark(const QString& text);
  // True while the port keeps a trace: a mark made on every step is only built then.
  bool Tracing() const;

  // The work file: created with the frame in RxBuf, appended to, its count written.
  void CreateWorkFile();
  void AppendBlock();
  void WriteBlockCount();

protected:
  void IdleStep() {}
  void CallStep() { (this->*Step)(); }
  // A transfer starts: its events reach the steps until EndTransfer.
  void BeginTransfer();
  // Starts a transfer with its first step, in PollInit with InitMsg.
  void StartTransfer(TStep step);
  // Posts the end report and lets the finished transfer ignore further events.
  void EndTransfer(tMpMessage message);
  // A step raised: the message as a line, the transfer failed.
  virtual void AbortTransfer(const QString& message);
  // Pauses the step: the step is left at once (nothing after this call runs) and `then`
  // does the rest of it after ms, from the module's pause timer, unless the transfer was
  // stopped or reset, a packet's event came or another step ran meanwhile. `then` ends the step as
  // the step itself would have, and may pause again.
  [[noreturn]] void PauseThen(int ms, std::function<void()> then);
  // A packet's event, with the frame it brought (which becomes RxBuf when the event reaches
  // the step): after a moment's pause, the step with msg.
  void Deliver(PollMsg msg, std::optional<QByteArray> frame = std::nullopt);

private:
  // Ends an action that cannot be performed as a failed transfer, at once.
  void FailActn();
  void SetUpControlPacket(TSclDataPacket* packet, const char* name, char code);
  void TmrBlockTimer();
  // Queues an event and arms the event timer when it is not running.
  void Queue(PollMsg msg, std::optional<QByteArray> frame, bool timeOut);
  void ArmEventTimer();
  void NextEvent();
  void PauseEnded();
  // Forgets queued events and a pending continuation.
  void DropPending();
  void RunStep();
  // Runs a step or a continuation: counted as a step, exceptions end the transfer.
  void Run(const std::function<void()>& body);

  // Thrown to leave a step that has nothing more to do now (it paused, or it was
  // overtaken), and caught where the step was called; not an error, so no handler of the
  // system's exceptions inside a step catches it.
  struct StepLeft {};
  struct Mark {
    quint64 stops;
    quint64 stepsRun;
    quint64 eventsIn;
    bool operator==(const Mark&) const = default;
  };
  Mark Here() const { return {stops_, stepsRun_, eventsIn_}; }
  struct Event {
    PollMsg msg;
    std::optional<QByteArray> frame;
    bool timeOut; // the block timer's: dropped when an event came or a step ran after it was queued
    Mark queuedAt;
  };

  QTimer* eventTimer_;
  QTimer* pauseTimer_;
  std::deque<Event> events_;     // events waiting for their moment's pause, in order
  std::function<void()> pausedThen_; // the continuation of a paused step
  Mark pausedAt_{};
  bool busy_ = false;
  bool handling_ = false; // an event is being handled: the next waits until it is over
  quint64 stops_ = 0;    // StopComm and ResetStep calls so far
  quint64 stepsRun_ = 0; // steps and continuations run so far
  quint64 eventsIn_ = 0; // packet events come so far
};
