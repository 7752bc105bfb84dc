// Polling sessions at once, the communication controller's maximum of 128 against one:
// each session on a line of its own (a pseudo-terminal) to a register of its own, a crs-sim
// process paced at 9600 baud, polling a report of several blocks. The program's side is the
// whole system: the job queue, the controller, the sessions with their communication
// windows (offscreen), the protocol module on its com port and the save of every poll, with
// the protocol's own intervals. The registers run in processes of their own, so the
// program's CPU time is its own.
//
// Every run checks that each job ended Successful and each machine's poll is stored whole,
// and fails loudly otherwise. Printed: the wall time of each run (1, 16 and 128 sessions),
// 128 against one (target within 1.2), and the program's CPU time per session, all of it and
// its GUI thread's.
//
// TB_BENCH_TIMING=crs.handlerJitterMs=0,... sets protocol or session intervals for a run;
// TB_BENCH_KEEP=1 keeps the run's folder (its databases, logs and work files) and names it;
// TB_BENCH_TIMELINE=1 prints when each session reached each stage, summed up over a run.
#include "comm/actions/tActnRpt.h"
#include "comm/crs/TCommWorkFile.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/tHisEvFile.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/link/SclFiles.h"
#include "comm/session/TfmComCtrl.h"
#include "comm/session/forms/SessionForms.h"
#include "SessionTimeline.h"
#include "crs-sim/CrsSim.h"
#include "crs-synth/Synthesiser.h"
#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/sys/Folders.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"
#include "platform/sys/TimingProfile.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"
#include "store/streaming/StreamRegistry.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int kReportCode = 44; // coupons: read, no consolidation
constexpr int kRecords = 100;
constexpr int kPerBlock = 30; // four data blocks after the poll header
constexpr int kBaud = 9600;

QString gHome;
QString gFixtures;
std::map<int, double> gWall;
bool gFailed = false;

// The register's built-in tables, and the report's answer beside them.
void MakeFixtures(const QString& folder) {
  const QString from = CrsSimConfig::DefaultFixtureDir();
  for (QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
    const QString path = it.next();
    const QString to = folder + path.mid(from.size());
    QDir().mkpath(QFileInfo(to).path());
    QFile::copy(path, to);
  }
  SynthRequest request;
  request.report = QStringLiteral("coupon");
  request.records = kRecords;
  request.perBlock = kPerBlock;
  Synthesiser::WriteFixture(Synthesiser::Synthesise(request), folder);
}

// The whole program's CPU time, or only the GUI thread's (where every session's steps,
// saves and windows run).
double CpuSeconds(int who = RUSAGE_SELF) {
  rusage usage{};
  ::getrusage(who, &usage);
  auto s = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return s(usage.ru_utime) + s(usage.ru_stime);
}

void RaiseFileLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_NOFILE, &limit);
  limit.rlim_cur = limit.rlim_max;
  ::setrlimit(RLIMIT_NOFILE, &limit);
}

// crs-sim processes, one a line, each on a pseudo-terminal it made. Each writes its line's
// name and then its transcript into a file of its own: nothing of the registers' passes
// through the program's event loop, which a shop's registers would not load either.
class Registers {
public:
  Registers(int count, const QString& folder) {
    for (int i = 0; i < count; ++i) {
      outputs_ << folder + QStringLiteral("/register-%1.txt").arg(i);
      pids_.push_back(Spawn(outputs_.last()));
    }
    for (const QString& output : outputs_) paths_ << FirstLine(output);
  }
  ~Registers() {
    for (pid_t pid : pids_) ::kill(pid, SIGTERM);
    for (pid_t pid : pids_) ::waitpid(pid, nullptr, 0);
  }
  const QStringList& Paths() const { return paths_; }

private:
  static pid_t Spawn(const QString& output) {
    const QByteArray program = TB_CRS_SIM_PROGRAM;
    const QByteArray fixtures = gFixtures.toLocal8Bit();
    const QByteArray baud = QByteArray::number(kBaud);
    const QByteArray out = output.toLocal8Bit();
    std::vector<char*> argv{const_cast<char*>(program.constData()), const_cast<char*>("--pty"),
                            const_cast<char*>("--fixtures"), const_cast<char*>(fixtures.constData()),
                            const_cast<char*>("--baud"), const_cast<char*>(baud.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("crs-sim could not be started");
    return pid;
  }

  // The line's name, once the register has written it (10 s at most).
  static QString FirstLine(const QString& output) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
      QFile file(output);
      if (file.open(QIODevice::ReadOnly)) {
        const QByteArray text = file.readAll();
        const qsizetype end = text.indexOf('\n');
        if (end > 0) return QString::fromLocal8Bit(text.left(end)).trimmed();
      }
      ::usleep(2000);
    }
    throw std::runtime_error("crs-sim did not name its line");
  }

  QStringList outputs_;
  std::vector<pid_t> pids_;
  QStringList paths_;
};

QString PortName(int line) { return QStringLiteral("Direct to COM%1").arg(line); }

void AddTill(int line) {
  tMachine machine;
  machine.MachineId = QStringLiteral("Till %1").arg(line);
  machine.CommPort = PortName(line);
  machine.StoreNumber = 1;
  machine.BaudRate = kBaud;
  machine.SwitchType = QStringLiteral("None");
  machine.SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0304")), &machine));
  ::AddMachine(machine);
}

void QueuePoll(int line) {
  std::unique_ptr<tMachine> machine = FindMachine(QStringLiteral("Till %1").arg(line));
  auto actn = tActn::New<tActnRpt>(machine.get(), machine->Ecr());
  for (int i = 1; i <= machine->Ecr()->RptCount(); ++i)
    if (machine->Ecr()->Rpt(i)->GetRptCode() == kReportCode) actn->SetRpt(machine->Ecr()->Rpt(i));
  tHistoryEvent job(nullptr, actn.get(), machine->CommPort, machine->MachineId, QStringLiteral("Prompted"),
                    QStringLiteral("User"), false);
  TheHistory().QueueEvent(job);
}

qint64 Count(const QString& sql) {
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  query.Exec(sql, {});
  return query.Next() ? query.Value(0).toLongLong() : -1;
}

// What the run left: every job Successful, every machine's poll stored once with all its
// records. Empty when so.
QString Check(int sessions) {
  int successful = 0, ended = 0;
  tHistoryFile& file = TheHistory().HistoryFile();
  for (bool more = file.First(); more; more = file.Next()) {
    ++ended;
    successful += static_cast<const tHistoryEvent&>(file.GetCurrent()).Status == HisStatus::Successful ? 1 : 0;
  }
  if (ended != sessions || successful != sessions)
    return QStringLiteral("%1 of %2 jobs ended, %3 Successful").arg(ended).arg(sessions).arg(successful);
  if (!TheHistory().GetPendingList().isEmpty()) return QStringLiteral("jobs left pending");
  tEcrRpt::OpenAllPolls();
  const qint64 machines = Count(QStringLiteral("SELECT COUNT(DISTINCT \"Machine Id\") FROM \"AllPolls\""));
  const qint64 polls = Count(QStringLiteral("SELECT COUNT(*) FROM \"AllPolls\""));
  if (machines != sessions || polls != sessions)
    return QStringLiteral("%1 polls of %2 machines stored, not one each of %3").arg(polls).arg(machines).arg(sessions);
  const qint64 rows = Count(QStringLiteral("SELECT COUNT(*) FROM \"tEcrRptCrs3000Coupon\""));
  if (rows != qint64(sessions) * kRecords)
    return QStringLiteral("%1 coupon rows stored, not %2").arg(rows).arg(qint64(sessions) * kRecords);
  return QString();
}

void Sessions(benchmark::State& state) {
  const int sessions = int(state.range(0));
  double wall = 0, cpu = 0, guiCpu = 0;
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const QString folder = QStringLiteral("%1/run-%2-%3").arg(gHome).arg(sessions).arg(++run);
    QDir().mkpath(folder);
    EngineConfig::SetAlias(QString::fromLatin1(EngineConfig::kDataAlias), folder);
    Registers registers(sessions, folder);
    std::vector<int> held; // the lines stay open between what the sessions do
    {
      auto ports = OpenSettingsFile(QStringLiteral("ComPorts"));
      for (int line = 1; line <= sessions; ++line) {
        const QString path = registers.Paths().value(line - 1);
        ports->WriteString(QStringLiteral("COM%1").arg(line), path);
        held.push_back(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK));
      }
    }
    for (int line = 1; line <= sessions; ++line) AddTill(line);
    for (int line = 1; line <= sessions; ++line) QueuePoll(line);
    TfmComCtrl ctrl;
    TheHistory().SetSessionStarter(&ctrl);
    state.ResumeTiming();

    QElapsedTimer timer;
    timer.start();
    const double cpuStart = CpuSeconds();
    const double guiCpuStart = CpuSeconds(RUSAGE_THREAD);
    std::unique_ptr<SessionTimeline> timeline;
    if (SessionTimeline::Wanted()) timeline = std::make_unique<SessionTimeline>();
    for (int line = 1; line <= sessions; ++line) {
      TheHistory().StartNext(PortName(line));
      if (timeline) timeline->Follow(ctrl, line);
    }
    {
      QEventLoop loop; // looks every 10 ms whether the sessions have all gone
      QTimer look;
      QObject::connect(&look, &QTimer::timeout, [&] {
        if ((ctrl.SessionCount() == 0 && ctrl.PendingRelease() == 0) || timer.elapsed() > 600000) loop.quit();
      });
      look.start(10);
      loop.exec();
    }
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    cpu += CpuSeconds() - cpuStart;
    guiCpu += CpuSeconds(RUSAGE_THREAD) - guiCpuStart;
    wall += seconds;
    state.SetIterationTime(seconds);
    if (timeline) timeline->Print(sessions);

    state.PauseTiming();
    const QString problem = Check(sessions);
    TheHistory().SetSessionStarter(nullptr);
    FreeTheHistory();
    CloseMachineFile();
    TSession::Default().CloseAll();
    for (int fd : held)
      if (fd >= 0) ::close(fd);
    if (!problem.isEmpty()) {
      std::fprintf(stderr, "bench_sessions: %d sessions: %s\n", sessions, qPrintable(problem));
      gFailed = true;
      state.SkipWithError(qPrintable(problem));
    }
    state.ResumeTiming();
  }
  const double runs = double(state.iterations());
  gWall[sessions] = wall / runs;
  state.counters["cpu_ms_per_session"] = cpu / runs / sessions * 1e3;
  state.counters["gui_cpu_ms_per_session"] = guiCpu / runs / sessions * 1e3;
}
// One session: about 5 s of line time and the protocol's own waits; 16 and 128 at once.
BENCHMARK(Sessions)->ArgName("sessions")->Arg(1)->Arg(16)->Arg(128)->Unit(benchmark::kSecond)->UseManualTime()->Iterations(1);
} // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  home.setAutoRemove(qEnvironmentVariableIsEmpty("TB_BENCH_KEEP"));
  gHome = home.path();
  if (!home.autoRemove()) std::fprintf(stderr, "bench_sessions: keeping %s\n", qPrintable(gHome));
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit());
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  RaiseFileLimit();
  QApplication app(argc, argv);
  QDir().mkpath(Folders::CommonFolder());
  TCommWorkFile::SetFolder(home.path());
  SetSclFileFolder(home.path());
  gFixtures = home.path() + QStringLiteral("/fixtures");
  MakeFixtures(gFixtures);
  {
    // Every other port points nowhere, so no run touches the machine's own serial ports.
    auto ports = OpenSettingsFile(QStringLiteral("ComPorts"));
    for (int n = 1; n <= TfmComCtrl::kMaxSlots; ++n)
      ports->WriteString(QStringLiteral("COM%1").arg(n), QStringLiteral("/nonexistent/ttyCOM%1").arg(n));
  }
  TimingProfile profile;
  for (const QString& kv : qEnvironmentVariable("TB_BENCH_TIMING").split(QLatin1Char(','), Qt::SkipEmptyParts))
    profile.intervals.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1).toInt());
  ScopedTimingProfile scopedProfile(profile);
  RegisterSessionForms();
  ScriptedPrompter prompter;
  ScopedPrompter scopedPrompter(prompter);
  ScopedForm<RptSelectRequest> noFollowUp([](RptSelectRequest&) { return 0; });

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (gWall.count(1) && gWall.count(128))
    std::printf("128 sessions at once: %.2f s; one session: %.2f s; ratio %.2f (target at most 1.2)\n", gWall[128],
                gWall[1], gWall[128] / gWall[1]);
  if (gFailed) std::fprintf(stderr, "bench_sessions: FAILED: a poll was not complete or not stored\n");
  return gFailed ? 1 : 0;
}
