// crs-synth: writes a register's answer to a report read (a work file, a crs-sim fixture)
// and the rows a decoder must store for it. Exit status 0, or 1 with a message on standard
// error (a bad option, a value its field cannot hold, a file that cannot be written or read).
// With --read it reads a work file back and prints the rows it stands for.
#include "SynthOptions.h"

#include "crs-synth/SynthBlockFile.h"
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthReader.h"
#include "crs-synth/Synthesiser.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
void Print(FILE* to, const QString& text) {
  std::fputs(text.toUtf8().constData(), to);
  std::fflush(to);
}
} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("crs-synth"));
  try {
    const SynthOptions options = SynthOptions::Parse(QCoreApplication::arguments());
    if (options.help) {
      Print(stdout, options.helpText);
      return 0;
    }
    SynthAnswer answer;
    if (options.readFile.isEmpty()) {
      answer = Synthesiser::Synthesise(options.request);
    } else {
      const SynthRequest& request = options.request;
      answer.expectations = SynthReader::Expectations(request.report, SynthBlockFile::Read(options.readFile),
                                                      request.names, request.jobNames, request.codes);
    }
    if (!options.workFile.isEmpty()) Synthesiser::WriteWorkFile(answer, options.workFile);
    if (!options.fixtureDir.isEmpty()) Synthesiser::WriteFixture(answer, options.fixtureDir);
    if (options.expectFile.isEmpty()) Print(stdout, answer.ExpectationText());
    else Synthesiser::WriteExpectations(answer, options.expectFile);
    return 0;
  } catch (const SynthUsageError& e) {
    Print(stderr, QStringLiteral("crs-synth: %1 (see crs-synth --help)\n").arg(e.Message()));
  } catch (const SynthError& e) {
    Print(stderr, QStringLiteral("crs-synth: %1\n").arg(e.Message()));
  }
  return 1;
}
