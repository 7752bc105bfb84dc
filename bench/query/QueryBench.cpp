// Requests per second of the query server against a plain echo server with the same
// line framing, both on a local socket in this process: a client on one connection sends
// a request and waits for its reply, again and again. The query is "Available" of a
// stored machine: the machine looked up, the answer file emptied and then written.
#include "app/query/QueryServer.h"
#include "app/query/QueryService.h"
#include "crs3000/Crs3000RomClasses.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "platform/engine/TSession.h"
#include "platform/localsrv/LocalLineServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
QTemporaryDir home;
double echoRate = 0;
double queryRate = 0;

QString QueryPath() { return home.filePath(QStringLiteral("query.sock")); }
QString EchoPath() { return home.filePath(QStringLiteral("echo.sock")); }

// The servers run on a thread of their own, with the stored data they read.
class ServerThread : public QThread {
public:
  QSemaphore ready;

protected:
  void run() override {
    tMachine machine;
    machine.MachineId = QStringLiteral("Front");
    machine.SetEcr(tEcr::New(tEcrCrs3000V0302::StaticClass()));
    AddMachine(machine);
    QueryServer query(QueryPath());
    LocalLineServer echo(QueryService::kRequestLimit, [](const LocalLineServer::Request& r) { r.reply.Send(r.line); });
    echo.Listen(EchoPath());
    ready.release();
    exec();
    CloseMachineFile();
    TSession::Default().CloseAll();
  }
};

// Round trips on one connection; the requests per second of the best run.
void RoundTrips(benchmark::State& state, const QString& path, const QByteArray& line, const QByteArray& expected,
                double& best) {
  QLocalSocket socket;
  socket.connectToServer(path);
  if (!socket.waitForConnected(5000)) return state.SkipWithError("no server");
  QElapsedTimer timer;
  timer.start();
  QByteArray reply;
  for (auto _ : state) {
    socket.write(line + '\n');
    socket.waitForBytesWritten(5000);
    while (!socket.canReadLine())
      if (!socket.waitForReadyRead(5000)) return state.SkipWithError("no reply");
    reply = socket.readLine();
  }
  const double rate = double(state.iterations()) * 1e9 / double(timer.nsecsElapsed());
  if (reply != expected + '\n') return state.SkipWithError(reply.constData());
  best = std::max(best, rate);
  state.counters["requests/s"] = rate;
}

void EchoServer(benchmark::State& state) {
  const QByteArray line = "Available\tFront\t" + home.filePath(QStringLiteral("answer.txt")).toUtf8() + "\t1";
  RoundTrips(state, EchoPath(), line, line, echoRate);
}

void QueryServerRequests(benchmark::State& state) {
  const QByteArray line = "Available\tFront\t" + home.filePath(QStringLiteral("answer.txt")).toUtf8() + "\t1";
  RoundTrips(state, QueryPath(), line, "OK", queryRate);
}
} // namespace

BENCHMARK(EchoServer)->Unit(benchmark::kMicrosecond)->MinTime(1.0)->Repetitions(3);
BENCHMARK(QueryServerRequests)->Unit(benchmark::kMicrosecond)->MinTime(1.0)->Repetitions(3);

int main(int argc, char** argv) {
  qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
  QDir().mkpath(home.filePath(QStringLiteral("config/tillbridge")));
  QCoreApplication app(argc, argv);
  ServerThread servers;
  servers.start();
  servers.ready.acquire();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  servers.quit();
  servers.wait();
  if (echoRate > 0 && queryRate > 0)
    std::printf("one request at a time on one connection (best run): echo %.0f requests/s, query server %.0f "
                "requests/s, ratio %.2f (target >= 0.3)\n",
                echoRate, queryRate, queryRate / echoRate);
  return 0;
}
