// A report poll through the whole stack (the protocol module, the com port, its threads and
// device, a pseudo-terminal) against the simulated register:
//
//  - Unpaced: the register sends as fast as the line takes bytes and the protocol's own
//    waits are 0, so the figure is what the stack itself moves, beside the raw rate of a
//    pseudo-terminal pair moving the same bytes in the same iteration. The fair yardstick
//    of a stop-and-wait protocol is the third figure: a raw loop over a pseudo-terminal
//    pair that writes each of the same block frames and waits for the two bytes of DLE ACK,
//    with nothing in between; the stack's blocks per second are given as a share of it.
//  - Turnaround: the register unpaced, the protocol's own intervals, with and without the
//    handler's random pause: where the time between a block and its ACK goes.
//  - Paced: the register sends at 9600 baud (10 bits a character) and every interval of the
//    protocol is the register's own. The poll's wall time is divided by the line time of
//    the bytes of the exchange: the register's frames and the system's (commands and ACKs),
//    one after the other as on a half-duplex line. The system's bytes leave at once on a
//    pseudo-terminal, so the ratio counting the register's bytes alone is given too.
//
// The poll is a report read without consolidation or clear (an inventory-like report in
// read mode): the read command, 64 full blocks (4090-byte bodies, each acknowledged),
// DLE EOT, then the save of the work file.
#include "comm/crs/TProgressLines.h"
#include "comm/crs/TSessionMsgEvent.h"
#include "comm/crs/TdmCommCrs.h"
#include "comm/crs/TCommWorkFile.h"
#include "comm/link/SclFiles.h"
#include "comm/link/TSclComPort.h"
#include "crs-sim/CrsSim.h"
#include "crs3000/tEcrCrs3000.h"
#include "model/TBlockFileReader.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/sys/Folders.h"
#include "platform/sys/TimingProfile.h"
#include "store/settings/SettingsFile.h"
#include "store/streaming/StreamRegistry.h"
#include "store/settings/TUtRegIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {
using SteadyClock = std::chrono::steady_clock;
constexpr int kBlocks = 64;
constexpr int kBodyBytes = 4090; // the longest body a stored block (DLE STX .. CRC, 4096 bytes) can hold
constexpr int kReportCode = 96;  // read and saved, no consolidation and no clear in read mode
constexpr int kPacedBaud = 9600;

double Seconds(SteadyClock::time_point from) { return std::chrono::duration<double>(SteadyClock::now() - from).count(); }

// The report the poll saves into: it reads the work file through, as a decoder would, and
// stores nothing.
class tBenchRpt final : public tEcrRpt {
public:
  explicit tBenchRpt(TBlank blank) : tEcrRpt(blank) {}
  static const TClass& StaticClass() {
    static const TClass cls("tBenchRpt", &tEcrRpt::StaticClass(), []() -> TObject* { return new tBenchRpt(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }
  int GetRptCode() const override { return kReportCode; }
  QString GetRptName() const override { return QStringLiteral("Bench"); }
  void ReadBlockFile(QFile& file) override {
    TBlockFileReader reader(file);
    TEcrBlock buffer{};
    qint32 length = 0;
    while (reader.Next(buffer, length)) {
    }
    Blocks = reader.BlocksRead();
  }
  qint32 Blocks = 0;
};

// The controller's part: the end report of the poll.
class Receiver : public QObject {
public:
  std::optional<tMpMessage> message;

protected:
  bool event(QEvent* e) override {
    if (e->type() != TSessionMsgEvent::EventType()) return QObject::event(e);
    message = static_cast<TSessionMsgEvent*>(e)->Message();
    return true;
  }
};

QList<QByteArray> FullBlocks() {
  QList<QByteArray> blocks;
  for (int b = 0; b < kBlocks; ++b) {
    QByteArray body(kBodyBytes, '\0');
    body[1] = 0; // 511 records of 8 bytes: the count byte is 0 from 256 records on
    for (int i = 2; i < kBodyBytes; ++i) body[i] = char('A' + (i + b) % 26);
    blocks << body;
  }
  return blocks;
}

// One session on a pseudo-terminal against the register: the module, the port, a machine.
struct Session {
  CrsSim sim;
  TSclComPort port;
  tMachine machine;
  TProgressLines progress;
  Receiver receiver;
  TdmCommCrs module;
  std::unique_ptr<tBenchRpt> rpt;

  explicit Session(int baud) : sim(Config(baud)) {
    OpenSettingsFile(QStringLiteral("ComPorts"))->WriteString(QStringLiteral("COM41"), sim.OpenPty());
    sim.SetReport(kReportCode, FullBlocks());
    port.SetComNumber(41);
    port.SetAutoOpen(false);
    port.SetPromptForPort(false);
    machine.StoreNumber = 1;
    machine.BaudRate = kPacedBaud;
    machine.SetEcr(tEcr::New(ClassByName(QStringLiteral("tEcrCrs3000V0302")), &machine));
    module.InitSession(&machine, &port, 1, &receiver, &progress);
    port.SetOpen(true);
    rpt = tEcrFnct::New<tBenchRpt>(machine.Ecr());
  }
  ~Session() {
    module.StopComm();
    port.SetOpen(false);
    sim.Stop();
  }
  static CrsSimConfig Config(int baud) {
    CrsSimConfig config;
    config.baud = baud;
    return config;
  }

  // One poll; its wall time in seconds, or a negative number when it failed.
  double Poll() {
    sim.ClearTranscript();
    receiver.message.reset();
    const auto start = SteadyClock::now();
    module.PollRpt(*rpt);
    while (!receiver.message) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double wall = Seconds(start);
    return *receiver.message == MpmSuccessfull && rpt->Blocks == kBlocks ? wall : -1;
  }

  // A poll's wall time and the bytes of its exchange by direction, as the register's
  // transcript has them.
  struct Figures {
    double seconds = 0, fromRegister = 0, fromSystem = 0, blockBytes = 0;
    double blocksSeconds = 0; // from the first block's first byte to the last block's ACK
    std::vector<QByteArray> blockFrames; // the register's block frames as they went on the line
  };
  // One poll and its figures; none when it failed.
  std::optional<Figures> Measure() {
    Figures f;
    f.seconds = Poll();
    if (f.seconds < 0) return std::nullopt;
    qint64 firstUs = -1, lastUs = -1;
    for (const SimTranscriptEntry& e : sim.Transcript()) {
      if (e.sent && e.kind == SimWireFrame::Data && firstUs < 0) firstUs = e.startUs;
      if (!e.sent && e.kind == SimWireFrame::Ack) lastUs = e.endUs;
      (e.sent ? f.fromRegister : f.fromSystem) += double(e.wire.size());
      if (!e.sent || e.kind != SimWireFrame::Data) continue;
      f.blockBytes += double(e.wire.size());
      f.blockFrames.push_back(e.wire);
    }
    f.blocksSeconds = double(lastUs - firstUs) / 1e6;
    return f;
  }

  // Per block, from the register's clock: the time from the block's last byte to the
  // system's ACK arriving, and from that ACK to the register's next first byte.
  void Turnarounds(std::vector<double>& systemMs, std::vector<double>& registerMs) const {
    const CrsSim::Entries t = sim.Transcript();
    for (qsizetype i = 0; i + 1 < t.size(); ++i) {
      if (!(t[i].sent && t[i].kind == SimWireFrame::Data && !t[i + 1].sent && t[i + 1].kind == SimWireFrame::Ack)) continue;
      systemMs.push_back(double(t[i + 1].endUs - t[i].endUs) / 1000);
      if (i + 2 < t.size() && t[i + 2].sent) registerMs.push_back(double(t[i + 2].startUs - t[i + 1].endUs) / 1000);
    }
  }
};

double Mean(const std::vector<double>& values) {
  double sum = 0;
  for (double v : values) sum += v;
  return values.empty() ? 0 : sum / double(values.size());
}

// The value below which the given share of the values lie (0.5: the median).
double Quantile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, size_t(double(values.size()) * share))];
}

double Median(std::vector<double> values) { return Quantile(std::move(values), 0.5); }

// A pseudo-terminal pair with its slave side raw.
bool OpenRawPty(int& master, int& slave) {
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) return false;
  termios t{};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  tcsetattr(slave, TCSANOW, &t);
  return true;
}

// A pseudo-terminal pair moving bytes from master to slave, both raw.
double RawPtySeconds(int bytes) {
  int master = -1, slave = -1;
  if (!OpenRawPty(master, slave)) return -1;
  const auto start = SteadyClock::now();
  std::thread far([&] {
    std::vector<char> chunk(4096, 'x');
    for (int sent = 0; sent < bytes;) {
      const ssize_t n = write(master, chunk.data(), std::min<size_t>(chunk.size(), size_t(bytes - sent)));
      if (n > 0) sent += int(n);
    }
  });
  std::vector<char> buffer(65536);
  for (int got = 0; got < bytes;) {
    const ssize_t n = read(slave, buffer.data(), buffer.size());
    if (n > 0) got += int(n);
  }
  far.join();
  const double seconds = Seconds(start);
  close(slave);
  close(master);
  return seconds;
}

bool WriteAll(int fd, const char* data, size_t size) {
  for (size_t done = 0; done < size;) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n < 0 && errno != EINTR && errno != EAGAIN) return false;
    if (n > 0) done += size_t(n);
  }
  return true;
}

bool ReadAll(int fd, char* data, size_t size) {
  for (size_t done = 0; done < size;) {
    const ssize_t n = read(fd, data + done, size - done);
    if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) return false;
    if (n > 0) done += size_t(n);
  }
  return true;
}

// The yardstick of a stop-and-wait exchange: over a raw pseudo-terminal pair the register's
// end writes each frame and waits for DLE ACK; the system's end reads the frame whole and
// answers with those two bytes. Plain reads and writes, no library in between.
double RawStopAndWaitSeconds(const std::vector<QByteArray>& frames) {
  int master = -1, slave = -1;
  if (!OpenRawPty(master, slave)) return -1;
  const auto start = SteadyClock::now();
  bool farOk = true;
  std::thread far([&] {
    char ack[2];
    for (const QByteArray& frame : frames)
      if (!WriteAll(master, frame.constData(), size_t(frame.size())) || !ReadAll(master, ack, 2) || ack[0] != '\x10' ||
          ack[1] != '\x06') {
        farOk = false;
        return;
      }
  });
  bool ok = true;
  std::vector<char> buffer;
  for (const QByteArray& frame : frames) {
    buffer.resize(size_t(frame.size()));
    if (!ReadAll(slave, buffer.data(), buffer.size()) || !WriteAll(slave, "\x10\x06", 2)) {
      ok = false;
      break;
    }
  }
  if (!ok) close(slave); // the far end stops on the closed line
  far.join();
  const double seconds = Seconds(start);
  if (ok) close(slave);
  close(master);
  return ok && farOk ? seconds : -1;
}

void SetWaits(TimingProfile& profile, int ms) {
  for (const char* name : {"crs.rptAckWaitMs", "crs.beforeCmdMs", "crs.handlerJitterMs", "crs.beforeStatusMs",
                           "crs.statusCmdWaitMs", "crs.prgAckWaitMs", "crs.eotWaitMs"})
    profile.intervals.insert(QLatin1String(name), ms);
}

void Unpaced(benchmark::State& state) {
  TimingProfile profile;
  SetWaits(profile, 0);
  ScopedTimingProfile scoped(profile);
  Session session(0);
  double wall = 0, raw = 0, blockBytes = 0, blocks = 0, stopAndWait = 0, blocksOnly = 0;
  std::vector<double> systemMs, registerMs;
  for (auto _ : state) {
    const auto f = session.Measure();
    if (!f) return state.SkipWithError("the poll failed");
    session.Turnarounds(systemMs, registerMs);
    wall += f->seconds;
    blocksOnly += f->blocksSeconds;
    blockBytes += f->blockBytes;
    blocks += double(f->blockFrames.size());
    raw += RawPtySeconds(int(f->blockBytes));
    const double yardstick = RawStopAndWaitSeconds(f->blockFrames);
    if (yardstick < 0) return state.SkipWithError("the raw stop-and-wait loop failed");
    stopAndWait += yardstick;
  }
  state.counters["report_MBps"] = blockBytes / wall / 1e6;
  state.counters["raw_pty_MBps"] = blockBytes / raw / 1e6;
  state.counters["stack_vs_raw"] = raw / wall;
  state.counters["stack_blocks_per_s"] = blocks / wall;
  state.counters["raw_ack_blocks_per_s"] = blocks / stopAndWait;
  // The target is at least 0.5.
  state.counters["stack_vs_raw_ack"] = stopAndWait / wall;
  // The same share over the blocks alone, from the first block to the last ACK: what the
  // command, the closing EOT and the save of the poll add is left out.
  state.counters["blocks_vs_raw_ack"] = stopAndWait / blocksOnly;
  // Where a block's time goes: from its last byte to the ACK, and from the ACK to the next
  // block's first byte, as the register's clock has them.
  state.counters["ack_turnaround_us"] = Median(systemMs) * 1000;
  state.counters["register_turnaround_us"] = Median(registerMs) * 1000;
  // A mean far above the median: a few blocks waited long (on a busy machine, mostly for
  // a processor).
  state.counters["ack_turnaround_mean_us"] = Mean(systemMs) * 1000;
  state.counters["ack_turnaround_p90_us"] = Quantile(systemMs, 0.9) * 1000;
}

// The per-block turnaround with the protocol's own intervals: the wait before each ACK
// (crs.rptAckWaitMs), the handler's random pause of up to crs.handlerJitterMs (the
// argument), and what the stack adds (the hand-off of the frame to the GUI thread, the
// event loop, the timer of the wait, writing the ACK).
void Turnaround(benchmark::State& state) {
  TimingProfile profile;
  profile.intervals.insert(QStringLiteral("crs.handlerJitterMs"), int(state.range(0)));
  ScopedTimingProfile scoped(profile);
  Session session(0);
  std::vector<double> systemMs, registerMs;
  for (auto _ : state) {
    if (session.Poll() < 0) return state.SkipWithError("the poll failed");
    session.Turnarounds(systemMs, registerMs);
  }
  const double ackWait = TimingMs("crs.rptAckWaitMs", 200);
  std::vector<double> beyond;
  for (double ms : systemMs) beyond.push_back(ms - ackWait);
  state.counters["ack_turnaround_ms"] = Median(systemMs);
  state.counters["beyond_ack_wait_ms"] = Median(beyond);
  state.counters["beyond_ack_wait_max_ms"] = beyond.empty() ? 0 : *std::max_element(beyond.begin(), beyond.end());
  state.counters["register_turnaround_ms"] = Median(registerMs);
}

void Paced9600(benchmark::State& state) {
  Session session(kPacedBaud);
  double wall = 0, lineAll = 0, lineRegister = 0;
  std::vector<double> systemMs, registerMs;
  for (auto _ : state) {
    const auto f = session.Measure();
    if (!f) return state.SkipWithError("the poll failed");
    wall += f->seconds;
    lineAll += (f->fromRegister + f->fromSystem) * 10 / kPacedBaud;
    lineRegister += f->fromRegister * 10 / kPacedBaud;
    session.Turnarounds(systemMs, registerMs);
  }
  state.counters["wall_s"] = wall / double(state.iterations());
  state.counters["line_s"] = lineAll / double(state.iterations());
  state.counters["ratio"] = wall / lineAll;
  state.counters["ratio_register_bytes"] = wall / lineRegister;
  state.counters["ack_turnaround_ms"] = Median(systemMs);
  state.counters["register_turnaround_ms"] = Median(registerMs);
  state.counters["overhead_per_block_ms"] = (wall - lineAll) * 1000 / double(state.iterations()) / kBlocks;
}
} // namespace

BENCHMARK(Unpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(3)->ReportAggregatesOnly();
// About 14 s a poll.
BENCHMARK(Turnaround)->ArgName("jitter_ms")->Arg(9)->Arg(0)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);
// About 4.6 minutes of line time per poll.
BENCHMARK(Paced9600)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

int main(int argc, char** argv) {
  // The port mapping and the work file go into a folder of the run's own.
  QTemporaryDir home;
  qputenv("HOME", home.path().toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
  qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit());
  QCoreApplication app(argc, argv);
  QDir().mkpath(Folders::CommonFolder());
  TCommWorkFile::SetFolder(home.path());
  SetSclFileFolder(home.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
