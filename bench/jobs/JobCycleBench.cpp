// Runs many jobs through the queue as polling sessions do, and prints the mean CPU time of
// the calling thread per job. Each job is queued (not timed), then timed from the port's
// start to the port's next start: the session starter stores the job as a session that
// succeeds at once does (logon, logged on, polling, read again from "Pending", ended into
// "History", no further job of its machine), frees the port and starts it again. The
// history grows by one job a cycle.
#include "BenchHome.h"
#include "comm/jobs/HisStatus.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/jobs/tSessionStarter.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TSession.h"
#include "store/streaming/TObjectStream.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <ctime>

namespace {
using namespace HisStatus;

constexpr int kJobs = 2000;
const QString kPort = QStringLiteral("Direct to COM1");

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The calls a session makes on the queue for a job that succeeds at the first try.
class SessionLikeStarter : public tSessionStarter {
public:
  int started = 0;
  bool StartSession(const tMachine& machine, const tHistoryEvent& event) override {
    ++started;
    tHistory& history = TheHistory();
    std::unique_ptr<tHistoryEvent> job = CopyEvent(event);
    const std::unique_ptr<TObject> copy = CopyObject(&machine);
    for (const qint32 phase : {Logon, LogonSuccessful, Polling}) {
      job->Status = Active;
      job->State = phase;
      history.StoreEvent(*job);
    }
    if (std::unique_ptr<tHistoryEvent> fresh = history.LoadPendingEvent(job->PendingId)) job = std::move(fresh);
    job->Mode = QStringLiteral("History");
    job->Status = Successful;
    history.StoreEvent(*job);
    history.NextForMachine(job);
    history.SetPortBusy(kPort, false);
    return true;
  }
};
} // namespace

int main(int argc, char** argv) {
  BenchHome home;
  QCoreApplication app(argc, argv);
  const QString data = home.FilePath(QStringLiteral("jobs"));
  QDir().mkpath(data);
  EngineConfig::SetAlias(QString::fromLatin1(EngineConfig::kDataAlias), data);
  tMachine machine;
  machine.MachineId = QStringLiteral("Till");
  machine.CommPort = kPort;
  AddMachine(machine);

  SessionLikeStarter starter;
  tHistory& history = TheHistory();
  history.SetSessionStarter(&starter);
  double cpu = 0;
  for (int i = 0; i < kJobs; ++i) {
    tHistoryEvent job(nullptr, nullptr, kPort, QStringLiteral("Till"), QStringLiteral("Prompted"), QStringLiteral("User"),
                      false);
    history.QueueEvent(job);
    const double start = ThreadCpuSeconds();
    history.StartNext(kPort);
    cpu += ThreadCpuSeconds() - start;
  }
  const int left = history.GetPendingList().size();
  const int ended = history.HistoryIds().size();
  FreeTheHistory();
  CloseMachineFile();
  std::printf("job start to end: mean CPU %.1f us per job (%d jobs)\n", cpu / kJobs * 1e6, kJobs);
  return starter.started == kJobs && left == 0 && ended == kJobs ? 0 : 1;
}
