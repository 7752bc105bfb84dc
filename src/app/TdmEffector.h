#pragma once
// The dispatcher of the user's commands: every button and menu entry of the shell calls
// one of these operations. They choose a machine, a program, a script or a schedule and
// hand the work on: jobs to the job queue, scripts to the script run, schedules to the
// schedule service, windows to the form registry. A cancelled choice ends an operation
// without a message; other errors go to the caller (the application-wide handler).
#include <memory>

class tMachine;

class TdmEffector {
public:
  TdmEffector();
  ~TdmEffector();
  TdmEffector(const TdmEffector&) = delete;
  TdmEffector& operator=(const TdmEffector&) = delete;

  void PromptedPoll();
  void PollAScript();
  void PollASchedule();
  void SaveAPrg();
  void SaveSelectedPrgs();
  void SaveAllPrg();
  void SendAPrg();
  void SendSelectedPrgs();
  void SendAllPrg();
  // Program maintenance: the program selector for a chosen machine, again after each
  // maintained program, until the user cancels it.
  void TestFm();
  void DoMachineMaint();
  void ScriptMaint();
  void DoSchedMaint();
  void EditCalendar();
  void DoReports();
  void DoFileNames();
  void DoExports();
  void SetupCommPort();
  void ShowLog();
  void ShowHistory();
  void ShowAbout();
  void ShowHelp();

  // The machine the last machine maintenance returned, or nullptr.
  const tMachine* CurrentMachine() const { return machine_.get(); }

private:
  std::unique_ptr<tMachine> machine_;
};
