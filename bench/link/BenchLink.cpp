// The serial library over pseudo-terminal pairs: throughput through the whole library
// (device, threads, rings, the hand-off to the GUI thread) beside raw reads and writes on a
// pair in the same iteration, and the time from a byte's arrival at the device to its
// notification on the GUI thread. The ratio counters are library / raw.
#include "comm/link/TSclBaseDispatcher.h"
#include "comm/link/TSclComPort.h"
#include "platform/sys/Folders.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/TUtRegIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kTransfer = 4 << 20; // bytes per measured transfer

struct Pty {
  int master = -1;
  int slave = -1;
  QString path;
  Pty() {
    char name[128];
    openpty(&master, &slave, name, nullptr, nullptr);
    termios t{};
    tcgetattr(slave, &t);
    cfmakeraw(&t);
    tcsetattr(slave, TCSANOW, &t);
    path = QString::fromLocal8Bit(name);
  }
  ~Pty() {
    if (slave >= 0) close(slave);
    if (master >= 0) close(master);
  }
};

void WriteAll(int fd, int total) {
  std::vector<char> chunk(4096, 'x');
  for (int sent = 0; sent < total;) {
    const ssize_t n = write(fd, chunk.data(), std::min<size_t>(chunk.size(), static_cast<size_t>(total - sent)));
    if (n > 0) sent += static_cast<int>(n);
    else {
      pollfd p{fd, POLLOUT, 0};
      poll(&p, 1, 100);
    }
  }
}

void ReadAll(int fd, int total) {
  std::vector<char> buffer(65536);
  for (int got = 0; got < total;) {
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, 100);
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n > 0) got += static_cast<int>(n);
  }
}

double Seconds(Clock::time_point from) { return std::chrono::duration<double>(Clock::now() - from).count(); }

// A port on a pair's slave, as the program opens one: "COM40" mapped in the settings.
struct OpenPort {
  Pty pty;
  TSclComPort port;
  OpenPort() {
    close(pty.slave);
    pty.slave = -1;
    OpenSettingsFile(QStringLiteral("ComPorts"))->WriteString(QStringLiteral("COM40"), pty.path);
    fcntl(pty.master, F_SETFL, fcntl(pty.master, F_GETFL) | O_NONBLOCK);
    port.SetComNumber(40);
    port.SetAutoOpen(false);
  }
};

enum class Direction { In, Out };

// The same transfer by plain reads and writes on a pty pair: what the library is measured against.
double RawSeconds(Pty& raw, Direction direction) {
  const int from = direction == Direction::In ? raw.master : raw.slave;
  const int to = direction == Direction::In ? raw.slave : raw.master;
  const auto start = Clock::now();
  std::thread far([&] { WriteAll(from, kTransfer); });
  ReadAll(to, kTransfer);
  far.join();
  return Seconds(start);
}

void Report(benchmark::State& state, double raw, double library) {
  const double bytes = static_cast<double>(state.iterations()) * kTransfer;
  state.counters["raw_MBps"] = bytes / raw / 1e6;
  state.counters["library_MBps"] = bytes / library / 1e6;
  state.counters["ratio"] = raw / library;
}

// Far end -> device -> input ring -> the avail event on the GUI thread, which takes them.
void Receive(benchmark::State& state) {
  OpenPort p;
  int got = 0;
  double events = 0;
  std::vector<char> sink(TSclBaseDispatcher::kInputSize);
  p.port.SetOnTriggerAvail([&](TSclCustomComPort& cp, int count) {
    cp.RequireDispatcher().TakeBlock(sink.data(), count);
    got += count;
    ++events;
  });
  p.port.SetOpen(true);
  Pty raw;
  double rawSeconds = 0, librarySeconds = 0;
  for (auto _ : state) {
    rawSeconds += RawSeconds(raw, Direction::In);
    got = 0;
    const auto start = Clock::now();
    std::thread far([&] { WriteAll(p.pty.master, kTransfer); });
    while (got < kTransfer) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    far.join();
    librarySeconds += Seconds(start);
  }
  Report(state, rawSeconds, librarySeconds);
  state.counters["bytes_per_event"] = static_cast<double>(state.iterations()) * kTransfer / events;
}

// Far end -> device -> input ring -> a handler on the dispatch thread that takes them, as the
// port's data packets read their input.
void ReceiveByHandler(benchmark::State& state) {
  struct Taker : TSclMethodHandler {
    TSclBaseDispatcher* d = nullptr;
    std::atomic<int> got{0};
    std::vector<char> sink = std::vector<char>(TSclBaseDispatcher::kInputSize);
    void TriggerMessage(uint32_t message, uint32_t count, uint32_t) override {
      if (message == kSclTriggerAvail && d->TakeBlock(sink.data(), static_cast<int>(count)) > 0) got += static_cast<int>(count);
    }
  } taker;
  OpenPort p;
  p.port.SetOpen(true);
  taker.d = &p.port.RequireDispatcher();
  taker.d->AddMethodHandler(&taker);
  Pty raw;
  double rawSeconds = 0, librarySeconds = 0;
  for (auto _ : state) {
    rawSeconds += RawSeconds(raw, Direction::In);
    taker.got = 0;
    const auto start = Clock::now();
    WriteAll(p.pty.master, kTransfer);
    while (taker.got < kTransfer) std::this_thread::sleep_for(std::chrono::microseconds(200));
    librarySeconds += Seconds(start);
  }
  taker.d->RemoveMethodHandler(&taker);
  Report(state, rawSeconds, librarySeconds);
}

// SendString -> output ring -> writer thread -> device -> far end.
void Send(benchmark::State& state) {
  OpenPort p;
  p.port.SetOutSize(65535);
  p.port.SetOpen(true);
  TSclBaseDispatcher& d = p.port.RequireDispatcher();
  Pty raw;
  const QByteArray block(4096, 'y');
  double rawSeconds = 0, librarySeconds = 0;
  for (auto _ : state) {
    rawSeconds += RawSeconds(raw, Direction::Out);
    const auto start = Clock::now();
    std::thread far([&] { ReadAll(p.pty.master, kTransfer); });
    for (int sent = 0; sent < kTransfer;) {
      if (d.OutputFree() >= block.size()) {
        p.port.SendString(block);
        sent += static_cast<int>(block.size());
      } else {
        std::this_thread::sleep_for(std::chrono::microseconds(100)); // the ring holds 15 blocks
      }
    }
    far.join();
    librarySeconds += Seconds(start);
  }
  Report(state, rawSeconds, librarySeconds);
}

// From the far end's write of one byte to the avail event on the GUI thread.
void ArrivalToGui(benchmark::State& state) {
  OpenPort p;
  Clock::time_point written;
  bool seen = false;
  std::vector<double> micros;
  p.port.SetOnTriggerAvail([&](TSclCustomComPort& cp, int count) {
    const auto now = Clock::now();
    char sink[64];
    cp.RequireDispatcher().TakeBlock(sink, count);
    micros.push_back(std::chrono::duration<double, std::micro>(now - written).count());
    seen = true;
  });
  p.port.SetOpen(true);
  for (auto _ : state) {
    seen = false;
    written = Clock::now();
    [[maybe_unused]] ssize_t n = write(p.pty.master, "z", 1);
    while (!seen) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  std::sort(micros.begin(), micros.end());
  if (micros.empty()) return;
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}
} // namespace

// Repeated, because a busy machine moves single figures a lot; compare the medians.
BENCHMARK(Receive)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(ReceiveByHandler)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(Send)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(ArrivalToGui)->Iterations(2000)->UseRealTime()->Repetitions(3)->ReportAggregatesOnly();

int main(int argc, char** argv) {
  // The port mapping goes into a settings file of the run's own, not the user's.
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
  QCoreApplication app(argc, argv);
  QDir().mkpath(Folders::CommonFolder());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
