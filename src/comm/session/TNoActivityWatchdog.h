#pragma once
// The no-activity watchdog of a session's window. Every look interval (60 s) it compares
// the progress with what it saw last time; when the lines neither grew nor changed and
// there are more than two, the session is stalled:
//   - a chooser or action chooser the session has open is dismissed, each with the line
//     "No Activity. Closing"; that ends the look (the user may just be slow to answer);
//   - an open progress window of the session holds the watchdog back;
//   - otherwise the line "No Activity. Closing", the session's other windows are closed,
//     and after two pauses (2 s each: then the window takes the focus; then) the session
//     is failed; 30 s later its remaining windows are closed and its own window closed
//     (through the session). When that close fails, it is tried again 30 s later.
// Only windows the session entered in its TSessionWindows are touched: never the main
// window or another session's windows.
//
// Time is the clock's (Clock::Current()): Poll runs what is due, and a timer calls it when
// the time comes; tests move a fake clock and call Poll.
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class TProgressLines;
class TSessionWindows;

// What the watchdog does to its session.
class IWatchdogHost {
public:
  virtual ~IWatchdogHost() = default;
  virtual void AddStatusLine(const QString& text, bool blankAfter) = 0;
  // Best effort: the window manager may refuse.
  virtual void FocusWindow() = 0;
  // The session is failed (MpmFailed).
  virtual void PostFailed() = 0;
  // The session's own window is closed, through the session, which then ends.
  virtual void CloseWindow() = 0;
};

class TNoActivityWatchdog : public QObject {
  Q_OBJECT
public:
  enum Stage { Off, Watching, PauseBeforeFocus, PauseBeforeFail, Closing };

  TNoActivityWatchdog(const TProgressLines& progress, TSessionWindows& windows, IWatchdogHost& host,
                      QObject* parent = nullptr);

  // Watches at the current look interval from now (60 s unless set).
  void Start();
  // A new look interval (a cancelled session: 5 s): while watching, the next look comes
  // that long from now; a stalled session's failing and closing keep their times.
  void SetInterval(int ms);
  int Interval() const { return intervalMs_; }
  void Stop();

  // Runs the stage that is due by the clock, if one is.
  void Poll();

  Stage CurrentStage() const { return stage_; }
  // When the next stage is due, on the clock's monotonic count; nullopt when off.
  std::optional<qint64> DueMs() const;

private:
  void Look();
  void Fail();
  void CloseSession();
  void Schedule(Stage stage, int inMs);
  void Arm();

  const TProgressLines& progress_;
  TSessionWindows& windows_;
  IWatchdogHost& host_;
  QTimer timer_;
  int intervalMs_;
  Stage stage_ = Off;
  qint64 dueMs_ = 0;
  std::optional<QString> watchedLine_;
  int watchedCount_ = 0;
};
