// crs-decode: decodes a report's work file with a report class of a CRS 3000 driver and
// saves the poll into a data folder, or prints its rows (a dry run). See --help.
#include "DecodeOptions.h"
#include "DecodeRun.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("crs-decode"));
  DecodeOptions options;
  try {
    options = DecodeOptions::Parse(QCoreApplication::arguments());
  } catch (const EDecodeUsage& e) {
    std::fprintf(stderr, "crs-decode: %s\nTry \"crs-decode --help\".\n", e.Message().toLocal8Bit().constData());
    return 2;
  }
  if (options.help) {
    std::fputs(options.helpText.toLocal8Bit().constData(), stdout);
    return 0;
  }
  return DecodeRun(options, stdout, stderr).Exec();
}
