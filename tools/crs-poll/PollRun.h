#pragma once
// One run of crs-poll: a machine with a CRS 3000 driver, the system's com port on the
// line, the driver's protocol module bound to both as a session in slot 1, and this object
// in the place of the communication controller, receiving the module's end report. The
// action starts once the line is open; the run ends with the end report, or with the
// watchdog when the session goes silent (as the communication window's does).
#include "PollOptions.h"
#include "ProgressPrinter.h"

#include "comm/crs/SessionEnums.h"
#include "comm/crs/TProgressLines.h"
#include "comm/link/TSclComPort.h"
#include "model/tMachine.h"
#include "platform/sys/Exception.h"
#include "platform/sys/TimingProfile.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

// The line or the register cannot be set up for the run; the message says why.
TB_EXCEPTION(EPollSetup, Exception)

class PollDataFolder;
class PollDevice;
class PollSummary;
class TdmCommBase;
class tCrsPollPrg;
class tCrsPollRpt;
class tEcrRpt;

class PollRun : public QObject {
public:
  static constexpr int kSlot = 1;

  explicit PollRun(const PollOptions& options);
  ~PollRun() override;

  // Runs the action; the exit status (see PollOptions).
  int Exec();

protected:
  bool event(QEvent* e) override;

private:
  void SetUpFolders();
  void SetUpMachine();
  void SetUpLine();
  void Start();
  void CheckAlive();
  int Finish();
  void PrintSizes() const;
  void PrintWorkFile() const;
  void PrintSaved() const;
  QString FailureText() const;

  const PollOptions& options_;
  TimingProfile profile_;
  std::unique_ptr<ScopedTimingProfile> scopedProfile_;
  std::unique_ptr<PollDataFolder> data_; // with --data
  std::unique_ptr<PollDevice> device_;
  TSclComPort port_;
  tMachine machine_;
  TProgressLines progress_;
  ProgressPrinter printer_;
  std::unique_ptr<TdmCommBase> module_;
  std::unique_ptr<tCrsPollPrg> prg_;
  std::unique_ptr<tCrsPollRpt> rpt_;
  // With --data: the driver's report of the code, which the module saves, and what the
  // data folder held before.
  std::unique_ptr<tEcrRpt> decoder_;
  std::unique_ptr<PollSummary> summary_;
  bool noDecoder_ = false;
  QEventLoop loop_;
  QTimer watchdog_;
  quint64 changesSeen_ = 0;
  std::optional<tMpMessage> result_;
  bool silent_ = false;
};
