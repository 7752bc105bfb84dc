// tillbridge-query: asks the running program for its stored data (see QueryClientOptions.h).
#include "QueryClientOptions.h"
#include "QueryClientRun.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList arguments = app.arguments().mid(1);
  if (!arguments.isEmpty() && (arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h"))) {
    std::fputs(kQueryClientUsage, stdout);
    return 0;
  }
  QString error;
  const std::optional<QueryClientOptions> options = QueryClientOptions::Parse(arguments, error);
  if (!options) {
    std::fprintf(stderr, "tillbridge-query: %s\n%s", qPrintable(error), kQueryClientUsage);
    return 2;
  }
  return RunQueryClient(*options, stdout, stderr);
}
