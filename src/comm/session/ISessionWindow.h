#pragma once
// What a polling session needs of its communication window: the progress lines, the line
// (opened by Connect, which also has the register's protocol module log on), the busy
// timer whose tick posts MpmBusyTimeOut, the no-activity watchdog, the Cancel buttons and
// the end of the line. The session owns its window and frees it (deferred) when it ends;
// the window never frees itself while its session runs: a close of the window asks the
// session to end (TPollSession::CloseRequested).
#include "comm/crs/SessionEnums.h"
#include "comm/session/TSessionWindows.h"

#include <QString>
#include <functional>

class QObject;
class TdmCommBase;
class TPollSession;
class tMachine;

class ISessionWindow {
public:
  virtual ~ISessionWindow() = default;
  virtual QObject* Object() = 0;
  virtual void AddStatusLine(const QString& text) = 0;
  // Opens the line and starts the logon, whose end report reaches the session. EAlreadyOpen
  // when the device is in use by another window; any other error when the line cannot be
  // opened or the protocol not started.
  virtual void Connect(const QString& portName, const QString& dialStr) = 0;
  virtual void StartBusyTimer(int ms) = 0;
  virtual void StopBusyTimer() = 0;
  virtual void SetWatching(bool on) = 0;
  virtual void EnableCancel(bool on) = 0;
  virtual void Focus() = 0;
  // The protocol module, once the protocol has started; nullptr before.
  virtual TdmCommBase* Module() const = 0;
  // Runs open, which shows a window of the session (a chooser of the next program or
  // report), entered among the session's windows while it is open, so that the watchdog
  // may dismiss it.
  virtual void RunTracked(TSessionWindows::Kind kind, const QString& name, const std::function<void()>& open) = 0;
  // "Terminating Communications", the log row completed with the message's text, the line
  // closed.
  virtual void EndSession(tMpMessage last) = 0;
};

// The communication window of a session (not modal). The form makes the window, shows it
// and puts it in `window`; the session owns it from then on. Session messages of the
// window and of its protocol module are posted to `controller` with the slot.
struct CommWindowRequest {
  static constexpr const char* kForm = "TfrmCommunicate";
  TPollSession& session;
  tMachine& machine;
  int commType = 0;
  int slot = 0;
  QObject* controller = nullptr;
  ISessionWindow* window = nullptr;
};
