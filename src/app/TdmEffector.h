#pragma once
// The dispatcher of the user's commands: every button and menu entry of the shell calls
// one of these operations. They choose a machine, a program, a script or a schedule and
// hand the work on: jobs to the job queue, scripts to the script run, schedules to the
// schedule service, windows to the form registry. A cancelled choice ends an operation
// without a message; other errors go to the caller (the application-wide handler).
// The operations are virtual so that the menus can be tested against a recording double.
#include <memory>

class tMachine;

class TdmEffector {
public:
  TdmEffector();
  virtual ~TdmEffector();
  TdmEffector(const TdmEffector&) = delete;
  TdmEffector& operator=(const TdmEffector&) = delete;

  virtual void PromptedPoll();
  virtual void PollAScript();
  virtual void PollASchedule();
  virtual void SaveAPrg();
  virtual void SaveSelectedPrgs();
  virtual void SaveAllPrg();
  virtual void SendAPrg();
  virtual void SendSelectedPrgs();
  virtual void SendAllPrg();
  // Program maintenance: the program selector for a chosen machine, again after each
  // maintained program, until the user cancels it.
  virtual void TestFm();
  virtual void DoMachineMaint();
  virtual void ScriptMaint();
  virtual void DoSchedMaint();
  virtual void EditCalendar();
  virtual void DoReports();
  virtual void DoFileNames();
  virtual void DoExports();
  virtual void SetupCommPort();
  virtual void ShowLog();
  virtual void ShowHistory();
  virtual void ShowAbout();
  virtual void ShowHelp();

  // The machine the last machine maintenance returned, or nullptr.
  const tMachine* CurrentMachine() const { return machine_.get(); }

private:
  std::unique_ptr<tMachine> machine_;
};
