// crs-sim: a simulated CRS 3000 register on a pseudo-terminal or a device. Prints the line
// it serves (with --pty, the slave's path comes alone on the first line of output), then one
// line per frame received or sent, until SIGINT or SIGTERM, or until the line closes.
#include "SimOptions.h"

#include "crs-sim/CrsSim.h"
#include "crs-sim/SimErrors.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <ctime>

namespace {
void Print(FILE* to, const QString& line) {
  std::fputs(line.toLocal8Bit().constData(), to);
  std::fputc('\n', to);
  std::fflush(to);
}

QString Codes(const QList<int>& codes) {
  QStringList out;
  for (int code : codes) out << QString::number(code);
  return out.isEmpty() ? QStringLiteral("none") : out.join(QLatin1Char(' '));
}

void Describe(const SimOptions& options, const CrsSim& sim, const QString& line) {
  Print(stderr, QStringLiteral("crs-sim: serving %1; store %2; %3")
                    .arg(line,
                         options.config.storeNumber < 0 ? QStringLiteral("any")
                                                        : QString::number(options.config.storeNumber),
                         options.config.baud ? QStringLiteral("%1 baud").arg(options.config.baud)
                                             : QStringLiteral("no pacing")));
  Print(stderr, QStringLiteral("crs-sim: fixtures %1: programs %2; reports %3")
                    .arg(options.config.fixtureDir, Codes(sim.ProgramCodes()), Codes(sim.ReportCodes())));
  for (const SimFault& fault : options.faults) Print(stderr, QStringLiteral("crs-sim: fault ") + fault.Describe());
}

// Waits for SIGINT or SIGTERM (blocked in every thread) or for the line to close.
void Wait(const sigset_t& signals, const CrsSim& sim) {
  const timespec tick{0, 200 * 1000 * 1000};
  while (sim.IsRunning())
    if (sigtimedwait(&signals, nullptr, &tick) > 0) return;
}
} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("crs-sim"));
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr); // before the serving thread starts
  try {
    const SimOptions options = SimOptions::Parse(QCoreApplication::arguments());
    if (options.help) {
      Print(stdout, options.helpText);
      return 0;
    }
    CrsSim sim(options.config);
    for (const SimFault& fault : options.faults) sim.AddFault(fault);
    sim.ScriptStatus(options.status);
    sim.SetObserver([](const SimTranscriptEntry& entry) { Print(stdout, entry.Format()); });
    QString line = options.device;
    if (options.pty) {
      line = sim.OpenPty();
      Print(stdout, line);
    } else {
      sim.Open(line);
    }
    Describe(options, sim, line);
    Wait(signals, sim);
    const QString closed = sim.ClosedReason();
    sim.Stop();
    if (!closed.isEmpty()) Print(stderr, QStringLiteral("crs-sim: ") + closed);
    return 0;
  } catch (const SimError& e) {
    Print(stderr, QStringLiteral("crs-sim: ") + e.Message());
    return 1;
  }
}
