// Start to a shown main window: the program (over a data folder made by its first start)
// against a bare Qt main window, each started as a process in the same way, offscreen, and
// left as soon as its window is up. Prints both times and their ratio (target: at most 2).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {
// Starts the program and waits for it to end; false when it failed.
bool RunOnce(const char* program) {
  char quit[] = "--quit-after-start";
  char* argv[] = {const_cast<char*>(program), quit, nullptr};
  // The platform's notices on stderr would bury the figures.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void StartToShownWindow(benchmark::State& state, const char* program) {
  for (auto _ : state)
    if (!RunOnce(program)) state.SkipWithError("the program did not start and end cleanly");
}

// Remembers each benchmark's real time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  double program = 0;
  double bare = 0;
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      (run.benchmark_name().find("tillbridge") != std::string::npos ? program : bare) = run.GetAdjustedRealTime();
    }
  }
};
} // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  const QByteArray path = home.path().toLocal8Bit();
  setenv("HOME", path.constData(), 1);
  setenv("XDG_CONFIG_HOME", (path + "/.config").constData(), 1);
  setenv("XDG_DATA_HOME", (path + "/.local/share").constData(), 1);
  setenv("XDG_RUNTIME_DIR", path.constData(), 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QDir().mkpath(home.path() + QStringLiteral("/.config/tillbridge"));
  // The first start makes the data folder, its database and the settings.
  if (!RunOnce(TB_PROGRAM)) {
    std::fprintf(stderr, "%s did not start\n", TB_PROGRAM);
    return 1;
  }

  benchmark::RegisterBenchmark("StartToShownWindow/tillbridge", StartToShownWindow, TB_PROGRAM)
      ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
  benchmark::RegisterBenchmark("StartToShownWindow/bare", StartToShownWindow, TB_BARE_WINDOW)
      ->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (reporter.program > 0 && reporter.bare > 0)
    std::printf("start to shown main window: %.1f ms against %.1f ms bare, ratio %.2f (target at most 2)\n",
                reporter.program, reporter.bare, reporter.program / reporter.bare);
  return 0;
}
