#pragma once
// Polling sessions run by the controller over the job queue, with a stand-in window and
// module: the window records its lines and what the session asked of it, and the module
// answers the logon and each action from the register's script (an answer per try, taken
// in order across sessions; nothing when the script has run out: a silent register). The
// session's pauses are a millisecond; the clock is the fixture's fake clock.
#include "JobsFixture.h"

#include "comm/crs/TdmCommBase.h"
#include "comm/session/ISessionWindow.h"
#include "comm/session/TfmComCtrl.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"

#include <QPointer>
#include <memory>

class SessionFixture;

class FakeModule : public TdmCommBase {
public:
  FakeModule(SessionFixture& fixture, QObject* owner) : TdmCommBase(owner), fixture_(fixture) {}
  ~FakeModule() override;
  void Logon() override;
  void LogonDone() override { ++logonsDone; }
  void PerformActn(tActn& action) override;
  void StopComm() override { ++stops; }
  int logonsDone = 0;
  int stops = 0;

private:
  // A transfer whose step asks for Cancel All and then pauses, letting events run.
  void CancelInsideAPause();
  SessionFixture& fixture_;
};

class FakeWindow : public QObject, public ISessionWindow {
public:
  FakeWindow(SessionFixture& fixture, CommWindowRequest& request);
  QObject* Object() override { return this; }
  void AddStatusLine(const QString& text) override;
  void Connect(const QString& portName, const QString& dialStr) override;
  void StartBusyTimer(int ms) override { busyMs = ms; }
  void StopBusyTimer() override { busyMs = 0; }
  void SetWatching(bool on) override { watching = on; }
  void EnableCancel(bool on) override { cancelEnabled = on; }
  void Focus() override {}
  TdmCommBase* Module() const override { return module_; }
  void EndSession(tMpMessage last) override;
  void RunTracked(TSessionWindows::Kind, const QString&, const std::function<void()>& open) override { open(); }
  // Posts a message as the window does (Cancel, Cancel All, the busy timer, the watchdog).
  void Post(tMpMessage message);

  int slot = 0;
  int busyMs = 0;
  bool watching = true;
  bool cancelEnabled = false;
  TPollSession* session = nullptr;

private:
  SessionFixture& fixture_;
  QObject* controller_;
  FakeModule* module_ = nullptr;
};

class SessionFixture : public JobsFixture {
protected:
  SessionFixture();
  ~SessionFixture() override;

public:
  // What the register answers: MpmSuccessfull, MpmFailed, or MpmInitial for silence.
  QList<tMpMessage> logons;
  QList<tMpMessage> actions;
  // What Connect does: nothing, or throw.
  enum class ConnectFault { None, Busy, Fails };
  QList<ConnectFault> connects;

  QStringList lines;              // every window's lines, in order
  QList<tMpMessage> ends;         // each session's EndSession message
  QStringList performed;          // the actions performed, by sub-title
  QList<QPointer<FakeWindow>> windows;
  QList<int> slots;               // the slot of each window made
  int followUps = 0;              // the next program or report offered after a job
  bool cancelInsidePause = false; // the action's step cancels all and pauses
  bool freedInsideAStep = false;  // a module was freed while a protocol step was running

  // A stored machine with the actions' test driver on the port.
  void AddTill(const QString& id, const QString& port);
  // A queued financial poll of the machine.
  QString QueuePoll(const QString& machineId, const QString& port);
  // Runs the events until every session has ended and its port is free.
  bool RunUntilIdle(int timeoutMs = 3000);
  FakeWindow* LastWindow() const { return windows.isEmpty() ? nullptr : windows.last().data(); }

  // The job queue, with the controller as its session starter.
  tHistory& history() {
    tHistory& h = JobsFixture::history();
    h.SetSessionStarter(&ctrl);
    return h;
  }

  TfmComCtrl ctrl;

private:
  std::unique_ptr<ScopedForm<CommWindowRequest>> form_;
  // The user declines the next program or report a finished job offers.
  std::unique_ptr<ScopedForm<RptSelectRequest>> rptChooser_;
  std::unique_ptr<ScopedForm<PrgSelectRequest>> prgChooser_;
};
