// crs-poll: runs one action against a CRS 3000 register (logon, program receive or send,
// report read) through the system's own protocol module and serial line, and prints the
// progress lines as they come. See --help.
#include "PollOptions.h"
#include "PollRun.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("crs-poll"));
  PollOptions options;
  try {
    options = PollOptions::Parse(QCoreApplication::arguments());
  } catch (const EPollUsage& e) {
    std::fprintf(stderr, "crs-poll: %s\nTry \"crs-poll --help\".\n", e.Message().toLocal8Bit().constData());
    return 2;
  }
  if (options.help) {
    std::fputs(options.helpText.toLocal8Bit().constData(), stdout);
    return 0;
  }
  PollRun run(options);
  return run.Exec();
}
