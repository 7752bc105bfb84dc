#pragma once
// The window of one polling session: its progress lines, the line to the register (a
// direct com port, through a line-sharing switch when the machine has one), the six status
// lamps, Cancel, Cancel All and Print, the busy timer, the no-activity watchdog and the
// session's row of the communication log. The register driver's protocol module runs on
// its com port and reports to the controller as the window does.
//
// The session owns the window. Closing it (the user, or the watchdog at its second stage)
// never frees it under a running session: the session is asked to end, as with Cancel All,
// and frees the window when it has ended.
#include "comm/crs/TProgressLines.h"
#include "comm/session/ISessionWindow.h"
#include "comm/session/TCommLogRow.h"
#include "comm/session/TNoActivityWatchdog.h"
#include "comm/session/TSessionWindows.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

class QPlainTextEdit;
class QPushButton;
class TSclComPort;
class TSclSLController;
class TSclStatusLight;
class TComPortSwitchLine;

class TfrmCommunicate : public QWidget, public ISessionWindow, private IWatchdogHost {
  Q_OBJECT
public:
  explicit TfrmCommunicate(const CommWindowRequest& request);
  ~TfrmCommunicate() override;

  // The session's side.
  QObject* Object() override { return this; }
  void AddStatusLine(const QString& text) override { AddStatusLine(text, false); }
  void Connect(const QString& portName, const QString& dialStr) override;
  void StartBusyTimer(int ms) override;
  void StopBusyTimer() override { BusyTimer.stop(); }
  void SetWatching(bool on) override;
  void EnableCancel(bool on) override;
  void Focus() override;
  TdmCommBase* Module() const override { return module_; }
  void EndSession(tMpMessage last) override;
  // The window open shows is dismissed as the modal window on top (rejected when a dialog).
  void RunTracked(TSessionWindows::Kind kind, const QString& name, const std::function<void()>& open) override;

  void AddStatusLine(const QString& text, bool blankAfter) override;
  void ShowStatusMsg(const QString& text);
  const TProgressLines& Progress() const { return progress_; }
  TSessionWindows& Windows() { return windows_; }
  TNoActivityWatchdog& Watchdog() { return watchdog_; }
  TSclComPort* ComPort() const { return SclComPort1; }
  const TCommLogRow& LogRow() const { return logRow_; }

  void CancelClick();
  void CancelAllClick();
  void PrintClick();

  QTimer BusyTimer;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void StartProtocol();
  // Once the switch has been set: the protocol module logs on. A failure of either is a
  // line and a failed logon.
  void SwitchSet(const QString& failure);
  void StartModule();
  void LineError(int code, bool lineBreak);
  void Post(tMpMessage message);
  // The watchdog's side.
  void FocusWindow() override { Focus(); }
  void PostFailed() override { Post(MpmFailed); }
  void CloseWindow() override;
  QWidget* BuildLamps();

  TPollSession& session_;
  tMachine& machine_;
  int commType_;
  int slot_;
  QPointer<QObject> controller_;
  QString portName_;
  TProgressLines progress_;
  TSessionWindows windows_;
  TNoActivityWatchdog watchdog_;
  TCommLogRow logRow_;
  QPlainTextEdit* mmoProgress;
  TSclComPort* SclComPort1;
  TSclSLController* SclSLController1;
  QPushButton* btnCancel;
  QPushButton* btnCancelAll;
  QPushButton* btnPrint;
  TdmCommBase* module_ = nullptr;
  std::unique_ptr<TComPortSwitchLine> switchLine_; // lives while its pause may run
};
