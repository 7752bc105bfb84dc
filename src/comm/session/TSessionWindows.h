#pragma once
// The windows one session has opened and that are open now: its program and report
// choosers, its action chooser, its progress windows and its notices. Whoever opens a
// window for the session enters it here while it is open (TSessionWindows::Entry), with the
// way to dismiss it. The session's watchdog dismisses these and no other window: never the
// main window, a window the user opened, or another session's windows.
#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>

class TSessionWindows {
public:
  enum Kind {
    Chooser,       // a program or report chooser: cancelled by the watchdog
    ActionChooser, // the action chooser: closed by the watchdog
    Progress,      // a progress window: holds the watchdog back while it is open
    Notice,        // any other window of the session: closed when the session is closed
  };

  // Enters a window for the lifetime of the object.
  class Entry {
  public:
    Entry(TSessionWindows& windows, Kind kind, QString name, std::function<void()> dismiss);
    ~Entry();
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

  private:
    TSessionWindows& windows_;
    int id_;
  };

  int Add(Kind kind, QString name, std::function<void()> dismiss);
  void Remove(int id);

  bool Has(Kind kind) const;
  int Count() const { return int(open_.size()); }
  // Dismisses every window of the kinds, oldest first, and answers their names. A window
  // that an earlier dismissal closed is left out; one it opened waits for the next call.
  QStringList Dismiss(std::initializer_list<Kind> kinds);

private:
  struct Open {
    int id;
    Kind kind;
    QString name;
    std::function<void()> dismiss;
  };
  QList<Open> open_;
  int nextId_ = 1;
};
