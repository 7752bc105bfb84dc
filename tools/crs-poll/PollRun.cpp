#include "PollRun.h"

#include "PollDataFolder.h"
#include "PollDevice.h"
#include "PollSummary.h"
#include "RptChoice.h"
#include "tCrsPollPrg.h"
#include "tCrsPollRpt.h"

#include "comm/crs/TCommWorkFile.h"
#include "comm/crs/TSessionMsgEvent.h"
#include "comm/crs/TdmCommBase.h"
#include "comm/link/ComPortPaths.h"
#include "comm/link/SclFiles.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/tEcr.h"
#include "platform/sys/Exception.h"
#include "store/streaming/StreamRegistry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cstdio>

namespace {
// The session goes silent when its progress does not change between two looks this far
// apart, as the communication window's watchdog has it.
int WatchdogMs() { return TimingMs("crsPoll.watchdogMs", 60000); }

void Print(std::FILE* to, const QString& line) {
  std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), to);
  std::fflush(to);
}
} // namespace

PollRun::PollRun(const PollOptions& options) : options_(options), printer_(progress_, stdout) {
  watchdog_.setTimerType(Qt::CoarseTimer);
  connect(&watchdog_, &QTimer::timeout, this, &PollRun::CheckAlive);
}

PollRun::~PollRun() {
  // The module's packets are bound to the port: the module goes first.
  if (module_) module_->StopComm();
  module_.reset();
  try {
    port_.SetOpen(false);
  } catch (const Exception&) {
  }
  TCommWorkFile::SetFolder(QString());
  SetSclFileFolder(QString());
}

int PollRun::Exec() {
  try {
    SetUpFolders();
    if (options_.timingScale != 1.0) {
      profile_.scale = options_.timingScale;
      scopedProfile_ = std::make_unique<ScopedTimingProfile>(profile_);
    }
    SetUpMachine();
    SetUpLine();
  } catch (const Exception& e) {
    Print(stderr, QStringLiteral("crs-poll: ") + e.Message());
    return 3;
  }
  QFile::remove(module_->WorkFile.Path()); // a file left from an earlier run is no answer of this one
  watchdog_.start(WatchdogMs());
  QTimer::singleShot(0, this, &PollRun::Start);
  loop_.exec();
  return Finish();
}

void PollRun::SetUpFolders() {
  const QString folder = QDir(options_.workDir.isEmpty() ? QDir::currentPath() : options_.workDir).absolutePath();
  if (!QDir().mkpath(folder)) throw EPollSetup(QStringLiteral("Cannot make the work folder %1").arg(folder));
  TCommWorkFile::SetFolder(folder);
  SetSclFileFolder(folder);
  if (!options_.dataDir.isEmpty()) data_ = std::make_unique<PollDataFolder>(options_.dataDir);
}

void PollRun::SetUpMachine() {
  machine_.MachineId = QStringLiteral("crs-poll");
  machine_.StoreNumber = options_.storeNumber;
  machine_.BaudRate = options_.baud;
  machine_.SetEcr(tEcr::New(ClassByName(options_.romClass), &machine_));
  module_.reset(dynamic_cast<TdmCommBase*>(machine_.Ecr()->CreateCommModule(nullptr)));
  if (!module_) throw EPollSetup(QStringLiteral("The %1 driver has no protocol module").arg(options_.romClass));
  if (!data_ || options_.action != PollOptions::Action::Report) return;
  decoder_ = RptChoice::ByCode(*machine_.Ecr(), options_.code);
  noDecoder_ = !decoder_;
  if (decoder_) summary_ = std::make_unique<PollSummary>();
}

void PollRun::SetUpLine() {
  if (!options_.device.isEmpty()) device_ = std::make_unique<PollDevice>(options_.device);
  port_.SetComNumber(options_.device.isEmpty() ? options_.comNumber : 1);
  port_.SetAutoOpen(false);
  port_.SetPromptForPort(false);
  module_->InitSession(&machine_, &port_, kSlot, this, &progress_);
  if (options_.dataBits) port_.SetDataBits(*options_.dataBits);
  if (options_.parity) port_.SetParity(*options_.parity);
  if (options_.stopBits) port_.SetStopBits(*options_.stopBits);
  if (options_.rtsFlow) port_.SetHWFlowOptions(*options_.rtsFlow ? THWFlowOptions(hwfUseRTS) : THWFlowOptions());
  const QString line = options_.device.isEmpty()
                           ? QStringLiteral("%1 (%2)").arg(ComPortName(options_.comNumber), ComPortDevicePath(options_.comNumber))
                           : options_.device;
  try {
    port_.SetOpen(true);
  } catch (const Exception& e) {
    throw EPollSetup(QStringLiteral("Cannot open the line %1: %2").arg(line, e.Message()));
  }
}

void PollRun::Start() {
  tEcr* driver = machine_.Ecr();
  switch (options_.action) {
  case PollOptions::Action::Logon: module_->Logon(); return;
  case PollOptions::Action::Receive:
  case PollOptions::Action::Send:
    prg_ = tEcrFnct::New<tCrsPollPrg>(driver);
    prg_->Code = options_.code;
    prg_->SourceFile = options_.blockFile;
    options_.action == PollOptions::Action::Send ? module_->SendPrg(*prg_) : module_->ReceivePrg(*prg_);
    return;
  case PollOptions::Action::Report: {
    tCrsPollRpt::RegisterSubRpts();
    tEcrRpt* report = decoder_.get();
    if (!report) {
      rpt_ = tEcrFnct::New<tCrsPollRpt>(driver);
      rpt_->Code = options_.code;
      report = rpt_.get();
    }
    for (int i = 1; i <= 6; ++i) report->SetIntParam(i, options_.params[i]);
    module_->PollRpt(*report);
    return;
  }
  }
}

bool PollRun::event(QEvent* e) {
  if (e->type() != TSessionMsgEvent::EventType()) return QObject::event(e);
  const auto* msg = static_cast<const TSessionMsgEvent*>(e);
  // Only this run's module reports here, and a transfer ends once.
  if (msg->Source() == module_.get() && msg->Slot() == kSlot && !result_) {
    result_ = msg->Message();
    loop_.exit();
  }
  return true;
}

void PollRun::CheckAlive() {
  if (printer_.Changes() != changesSeen_) {
    changesSeen_ = printer_.Changes();
    return;
  }
  silent_ = true;
  module_->StopComm();
  loop_.exit();
}

int PollRun::Finish() {
  watchdog_.stop();
  const bool done = result_ == MpmSuccessfull;
  if (done && options_.action == PollOptions::Action::Logon) module_->LogonDone();
  module_->StopComm();
  printer_.Finish();
  Print(stdout, QStringLiteral("End: ") + (silent_ ? QStringLiteral("No activity") : MsgResultText(result_.value_or(MpmFailed))));
  if (options_.action == PollOptions::Action::Logon && done) PrintSizes();
  PrintWorkFile();
  if (done) PrintSaved();
  if (done) return 0;
  Print(stderr, QStringLiteral("crs-poll: %1 failed: %2").arg(options_.ActionText(), FailureText()));
  return 1;
}

// The progress from the last line the module wrote with its time (an action, or a message)
// to the end, with the letters that followed it: "Saving Program 20 TTTTTF".
QString PollRun::FailureText() const {
  if (silent_) return QStringLiteral("no progress for %1 ms").arg(WatchdogMs());
  static const QRegularExpression time(QStringLiteral("^\\d{1,2}:\\d{2}:\\d{2} [AP]M "));
  QStringList tail;
  const QStringList& lines = progress_.Lines();
  for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
    const QRegularExpressionMatch stamp = time.match(*it);
    if (!it->trimmed().isEmpty()) tail.prepend(it->mid(stamp.hasMatch() ? stamp.capturedLength() : 0).trimmed());
    if (stamp.hasMatch()) break;
  }
  return tail.isEmpty() ? MsgResultText(result_.value_or(MpmFailed)) : tail.join(QLatin1Char(' '));
}

void PollRun::PrintSizes() const {
  const auto* driver = dynamic_cast<const tEcrCrs3000*>(machine_.Ecr());
  if (!driver || driver->EcrSizes.IsEmpty()) return Print(stdout, QStringLiteral("Memory allocation: nothing allocated"));
  Print(stdout, QStringLiteral("Memory allocation:"));
  for (const QString& name : TEcrSizes::FieldNames()) {
    const QString value = name == TEcrSizes::FieldNames().first() ? driver->EcrSizes.RomVersion()
                                                                  : QString::number(driver->EcrSizes.Count(name));
    Print(stdout, QStringLiteral("  %1: %2").arg(name, value));
  }
}

void PollRun::PrintWorkFile() const {
  QFile file(module_->WorkFile.Path());
  if (!file.exists()) return Print(stdout, QStringLiteral("Work file: none (no block received)"));
  QString blocks;
  try {
    const qint32 count = CountBlocks(file);
    blocks = QStringLiteral("%1 block%2").arg(count).arg(count == 1 ? "" : "s");
  } catch (const Exception& e) {
    blocks = e.Message();
  }
  Print(stdout, QStringLiteral("Work file: %1 (%2)").arg(file.fileName(), blocks));
}

// With --data: what the save stored, or why nothing was decoded.
void PollRun::PrintSaved() const {
  if (noDecoder_)
    return Print(stdout, QStringLiteral("Not saved: the %1 driver has no decoder for report %2 yet; the blocks stay in the work file")
                             .arg(options_.romClass)
                             .arg(options_.code));
  if (!summary_) return;
  const QList<SavedPoll> polls = summary_->NewPolls(*machine_.Ecr());
  if (polls.isEmpty()) return Print(stdout, QStringLiteral("Saved: no poll (no block received)"));
  for (const SavedPoll& poll : polls) Print(stdout, QStringLiteral("Saved: ") + poll.Line());
}
