#pragma once
// The form-level controller that every entry field, table grid and meter of a window shares:
// the entry options, the key commands and the timer pool of the form, the insert mode the
// fields hand on to each other, and the one-box-at-a-time path of entry errors. Its notices
// run as queued calls, after the focus change or resize that caused them is complete.
#include "widgets/core/TWdgCommandProcessor.h"
#include "widgets/core/TWdgComponent.h"
#include "widgets/core/TWdgTimerPool.h"
#include "widgets/core/WdgEntryOptions.h"

#include <QString>
#include <functional>

class QWidget;

class TWdgController : public TWdgComponent {
  Q_OBJECT

public:
  explicit TWdgController(QObject* owner = nullptr);
  ~TWdgController() override;

  // The first TWdgController among the children of control->window(); when there is none,
  // one named "WdgController1" is made, owned by that window.
  static TWdgController* For(QWidget* control);
  // The first TWdgController among the window's own children, or nullptr.
  static TWdgController* FindIn(QObject* window);

  TWdgBaseEFOptions EntryOptions() const { return entryOptions_; }
  void SetEntryOptions(TWdgBaseEFOptions options) { entryOptions_ = options; }
  TWdgCommandProcessor& EntryCommands() { return entryCommands_; }
  TWdgTimerPool& TimerPool() { return timerPool_; }

  int Epoch() const;       // OnGetEpoch may change the value returned, not the stored one
  void SetEpoch(int year); // taken only when it differs and lies in 1600..3999
  bool ErrorPending() const { return errorPending_; }
  void SetErrorPending(bool pending) { errorPending_ = pending; }
  const QString& ErrorText() const { return errorText_; }
  void SetErrorText(const QString& text) { errorText_ = text; }
  bool InsertMode() const { return insertMode_; }
  void SetInsertMode(bool insert) { insertMode_ = insert; }

  // "" for 0; the library texts 30179..30185 for 256..262; ErrorText for a negative code;
  // "Entry Error" (30278) otherwise.
  QString EntryErrorText(int code) const;
  // Step 1 of the error path: when no error is pending, queues the report and sets
  // ErrorPending; returns false (and does nothing) while one is pending. When the queued report
  // runs: the text is mapped, stored into ErrorText when it differs, then fieldOnError(field,
  // code, text) when given, else ShowEntryError. Code 0 reports nothing. A report whose field
  // was destroyed before it ran is dropped and clears ErrorPending.
  bool PostEntryError(QWidget* field, int code,
                      std::function<void(QWidget*, int, const QString&)> fieldOnError = {});
  // OnError(field, code, text) when assigned, else an Error box through TWdgMessageSink.
  void ShowEntryError(QWidget* field, int code, const QString& text);
  // Queued: shows the control and gives it the focus when it can take it. A field posts this
  // BEFORE PostEntryError so the focus is back before the box shows.
  void PostShowControl(QWidget* control);
  // Queued: OnPreEdit(field, losing) and OnPostEdit(field, gaining); a destroyed field drops
  // the notice, a destroyed other control is passed as nullptr.
  void PostPreEdit(QWidget* field, QWidget* losing);
  void PostPostEdit(QWidget* field, QWidget* gaining);
  // Queued: OnDelayNotify(sender, code).
  void PostDelayNotify(QObject* sender, quint16 code);
  // False unless OnIsSpecialControl says otherwise.
  bool IsSpecialControl(QWidget* control) const;
  void Beep() const; // through TWdgBeeper when efoBeepOnError is set

  std::function<void(QObject*, int, const QString&)> OnError;
  std::function<void(QObject*, int&)> OnGetEpoch;
  std::function<void(QObject*, QWidget*, bool&)> OnIsSpecialControl;
  std::function<void(QObject*, QWidget*)> OnPreEdit, OnPostEdit;
  std::function<void(QObject*, quint16)> OnDelayNotify;
  std::function<void(QObject*, int, quint32, int)> OnTimerTrigger;

private:
  // Runs the call after the event being handled; what it throws goes to the library's
  // exception display and never back into the event loop.
  void Queue(std::function<void()> call);
  void ReportEntryError(QWidget* field, int code,
                        const std::function<void(QWidget*, int, const QString&)>& fieldOnError);

  TWdgBaseEFOptions entryOptions_ = efoAutoSelect | efoBeepOnError | efoInsertPushes;
  TWdgCommandProcessor entryCommands_;
  int epoch_;
  bool errorPending_ = false;
  QString errorText_;
  bool insertMode_ = true;
  TWdgTimerPool timerPool_;
};
