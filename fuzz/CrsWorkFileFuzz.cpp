// libFuzzer target over report work files: the first byte chooses one of the CRS 3000
// report classes of the program, the rest is the work file its save reads (see
// WorkFileFuzz). A save that stores part of a poll, leaves a Poll Id after failing, or
// fails with an exception not of the system's classes stops the run, as a crash does.
#include "WorkFileFuzz.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {
WorkFileFuzz* fuzz = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Everything the program stores goes into a folder of this run.
  static QTemporaryDir home;
  qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
  QDir().mkpath(home.path() + QStringLiteral("/config/tillbridge"));
  static QCoreApplication app(*argc, *argv);
  static WorkFileFuzz entry(home.path());
  fuzz = &entry;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const WorkFileFuzz::Outcome outcome = fuzz->Run(data, size);
  if (!outcome.violation.isEmpty()) {
    std::fprintf(stderr, "%s: %s\n", outcome.rptClass.toLocal8Bit().constData(), outcome.violation.toLocal8Bit().constData());
    std::abort();
  }
  return 0;
}
