// Starts a port's next job in a queue of 10,000 waiting jobs and in a queue of 10, in
// turns; prints the median time of each and their ratio. Picking the next job should not
// cost more when many jobs wait (target: a ratio of at most 1.2).
//
// In both queues the port's job stands last, behind jobs of other ports, so the whole
// queue is passed over. The session starter only counts; the port is freed after each
// start, so the same job is picked again each time.
#include "BenchHome.h"
#include "comm/jobs/tHistory.h"
#include "comm/jobs/tHistoryEvent.h"
#include "comm/jobs/tSessionStarter.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
const QString kData = QString::fromLatin1(EngineConfig::kDataAlias);
const QString kPort = QStringLiteral("Direct to COM1");

class CountingStarter : public tSessionStarter {
public:
  int started = 0;
  bool StartSession(const tMachine&, const tHistoryEvent&) override { return ++started, true; }
};

void UseFolder(const QString& folder) {
  FreeTheHistory();
  CloseMachineFile();
  TSession::Default().CloseAll();
  QDir().mkpath(folder);
  EngineConfig::SetAlias(kData, folder);
}

// A queue of count jobs: all but the last on other ports, the last on kPort.
void Fill(const QString& folder, int count) {
  UseFolder(folder);
  tMachine machine;
  machine.MachineId = QStringLiteral("Till");
  machine.CommPort = kPort;
  AddMachine(machine);
  TDatabase& db = TSession::Default().Database(kData);
  tHistory& history = TheHistory();
  db.StartTransaction();
  for (int i = 0; i < count; ++i) {
    const QString port = i == count - 1 ? kPort : QStringLiteral("Direct to COM%1").arg(2 + i % 100);
    tHistoryEvent job(nullptr, nullptr, port, QStringLiteral("Till"), QStringLiteral("Prompted"),
                      QStringLiteral("User"), false);
    history.QueueEvent(job);
  }
  db.Commit();
}

double StartSeconds(CountingStarter& starter) {
  tHistory& history = TheHistory();
  history.SetSessionStarter(&starter);
  const auto start = std::chrono::steady_clock::now();
  history.StartNext(kPort);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  history.SetPortBusy(kPort, false);
  return seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv) {
  BenchHome home;
  QCoreApplication app(argc, argv);
  const QString large = home.FilePath(QStringLiteral("large"));
  const QString small = home.FilePath(QStringLiteral("small"));
  Fill(large, 10000);
  Fill(small, 10);

  CountingStarter starter;
  std::vector<double> largeTimes, smallTimes;
  for (int round = 0; round < 5; ++round) {
    UseFolder(large);
    for (int i = 0; i < 200; ++i) largeTimes.push_back(StartSeconds(starter));
    UseFolder(small);
    for (int i = 0; i < 200; ++i) smallTimes.push_back(StartSeconds(starter));
  }
  FreeTheHistory();
  CloseMachineFile();
  const double l = Median(largeTimes) * 1e6;
  const double s = Median(smallTimes) * 1e6;
  std::printf("StartNext, 10,000 jobs waiting: median %.1f us\n", l);
  std::printf("StartNext, 10 jobs waiting:     median %.1f us\n", s);
  std::printf("ratio: %.2f (target at most 1.2); sessions started: %d\n", l / s, starter.started);
  return starter.started == 2000 ? 0 : 1;
}
