#include "WindowFixture.h"

#include "comm/actions/tActnRpt.h"
#include "comm/crs/CrsTiming.h"
#include "comm/crs/TCommWorkFile.h"
#include "comm/jobs/tHisEvFile.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/link/SclFiles.h"
#include "comm/session/SessionTiming.h"
#include "comm/session/TPollSession.h"
#include "comm/session/forms/SessionForms.h"
#include "comm/session/forms/TfrmCommunicate.h"
#include "crs-synth/Synthesiser.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/Folders.h"
#include "store/streaming/StreamRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <fcntl.h>
#include <unistd.h>

namespace {
bool WaitsForAnAnswer(CrsTiming::Interval interval) {
  return interval >= CrsTiming::PrgReceiveCmd && interval <= CrsTiming::Status;
}

CrsSimConfig SimConfig() {
  CrsSimConfig config;
  config.lostAckResendMs = 30;
  return config;
}
} // namespace

SimLineOnPort::SimLineOnPort(int com)
    : port(QStringLiteral("Direct to COM%1").arg(com)),
      held(::open(pty.SlavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)), sim(SimConfig()) {
  MapComPort(com, pty.SlavePath());
  sim.Start(pty.Master());
}

SimLineOnPort::~SimLineOnPort() {
  sim.Stop();
  if (held >= 0) ::close(held);
}

WindowFixture::WindowFixture() : sim(SimConfig()) {
  QDir().mkpath(Folders::CommonFolder());
  for (int i = 0; i < CrsTiming::IntervalCount; ++i) {
    const auto interval = CrsTiming::Interval(i);
    profile.intervals.insert(QString::fromLatin1(CrsTiming::Name(interval)),
                             WaitsForAnAnswer(interval) ? 1000 : std::max(1, CrsTiming::DefaultMs(interval) / 50));
  }
  for (int i = 0; i < SessionTiming::IntervalCount; ++i) {
    const auto interval = SessionTiming::Interval(i);
    profile.intervals.insert(QString::fromLatin1(SessionTiming::Name(interval)),
                             std::max(1, SessionTiming::DefaultMs(interval) / 100));
  }
  // The watchdog stays out of a poll whose save takes long on a busy machine; tests of the
  // watchdog set their own.
  profile.intervals.insert(QStringLiteral("session.noActivityMs"), 10000);
  scopedProfile_ = std::make_unique<ScopedTimingProfile>(profile);
  scopedClock_ = std::make_unique<ScopedClock>(clock);
  scopedPrompter_ = std::make_unique<ScopedPrompter>(prompter);
  SetSclFileFolder(work.path());
  TCommWorkFile::SetFolder(work.path());
  RegisterSessionForms();
  noFollowUp_ = std::make_unique<ScopedForm<RptSelectRequest>>([](RptSelectRequest&) { return 0; });

  MapComPort(7, pty.SlavePath());
  held_ = ::open(pty.SlavePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  sim.Start(pty.Master());
  FreeTheHistory();
  CloseMachineFile();
  TheHistory().SetSessionStarter(&ctrl);
}

WindowFixture::~WindowFixture() {
  RunUntilIdle(2000);
  if (HistoryExists()) TheHistory().SetSessionStarter(nullptr);
  FreeTheHistory();
  CloseMachineFile();
  sim.Stop();
  if (held_ >= 0) ::close(held_);
  TCommWorkFile::SetFolder(QString());
  SetSclFileFolder(QString());
}

void WindowFixture::AddRegister(const QString& id, const QString& port) {
  tMachine machine;
  machine.MachineId = id;
  machine.CommPort = port;
  machine.StoreNumber = 1;
  machine.BaudRate = 9600;
  machine.SwitchType = QStringLiteral("None");
  machine.SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0304")), &machine));
  ::AddMachine(machine);
}

std::unique_ptr<tActnRpt> WindowFixture::ReportPoll(const tMachine& machine, const QString& reportName) {
  auto actn = tActn::New<tActnRpt>(&machine, machine.Ecr());
  for (int i = 1; i <= machine.Ecr()->RptCount(); ++i)
    if (machine.Ecr()->Rpt(i)->GetRptName() == reportName) actn->SetRpt(machine.Ecr()->Rpt(i));
  EXPECT_TRUE(actn->TargetAttached()) << reportName.toStdString();
  return actn;
}

QString WindowFixture::QueueFinancial(const QString& machineId) {
  std::unique_ptr<tMachine> machine = FindMachine(machineId);
  std::unique_ptr<tActnRpt> actn = ReportPoll(*machine, QStringLiteral("Financial"));
  tHistoryEvent job([this](int code) { codes << code; }, actn.get(), machine->CommPort, machineId,
                    QStringLiteral("Prompted"), QStringLiteral("User"), false);
  TheHistory().QueueEvent(job);
  return job.EventId;
}

bool WindowFixture::RunUntilIdle(int timeoutMs) {
  const bool idle = WaitFor([this] { return ctrl.SessionCount() == 0 && ctrl.PendingRelease() == 0; }, timeoutMs);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  return idle;
}

TfrmCommunicate* WindowFixture::Window(int slot) const {
  TPollSession* session = ctrl.Session(slot);
  return session ? dynamic_cast<TfrmCommunicate*>(session->Window()) : nullptr;
}

void WindowFixture::SetReport(CrsSim& register_, int code, const QString& kind) {
  SynthRequest request;
  request.report = kind;
  QList<QByteArray> bodies; // the register keeps its blocks without their frames
  for (const QByteArray& frame : Synthesiser::Synthesise(request).blocks) bodies << frame.mid(2, frame.size() - 6);
  register_.SetReport(code, bodies);
}

std::vector<std::unique_ptr<tHistoryEvent>> WindowFixture::Ended() {
  std::vector<std::unique_ptr<tHistoryEvent>> jobs;
  tHistoryFile& file = TheHistory().HistoryFile();
  file.SetIndexName(QStringLiteral("HisEvId"));
  for (bool more = file.First(); more; more = file.Next())
    jobs.push_back(CopyEvent(static_cast<const tHistoryEvent&>(file.GetCurrent())));
  return jobs;
}

QList<WindowFixture::LogRow> WindowFixture::LogRows() {
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  query.Exec(QStringLiteral("SELECT Result, Duration, MachineID, LogEntry FROM CommLog ORDER BY ID"), {});
  QList<LogRow> rows;
  while (query.Next())
    rows.append({query.Value(0).toString(), query.Value(1).toString(), query.Value(2).toString(),
                 query.Value(3).toString()});
  return rows;
}

qint64 WindowFixture::Polls(const QString& machineId) {
  tEcrRpt::OpenAllPolls();
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  if (machineId.isEmpty()) query.Exec(QStringLiteral("SELECT COUNT(*) FROM \"AllPolls\""), {});
  else query.Exec(QStringLiteral("SELECT COUNT(*) FROM \"AllPolls\" WHERE \"Machine Id\" = ?"), {machineId});
  return query.Next() ? query.Value(0).toLongLong() : -1;
}
