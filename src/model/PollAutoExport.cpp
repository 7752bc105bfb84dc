#include "model/PollAutoExport.h"

#include "model/PollExport.h"
#include "platform/sys/Exception.h"

namespace {
PollAutoExport::LogSink& Sink() {
  static PollAutoExport::LogSink sink;
  return sink;
}
} // namespace

namespace PollAutoExport {
void Run(const QString& databaseName, const QString& tableName, qint32 pollId, const QString& exportFile) {
  if (exportFile.isEmpty() || pollId <= 0) return;
  try {
    const int format = PollExport::FormatSetting();
    PollExport::WritePoll(databaseName, tableName, pollId, format, PollExport::OpenOutput(exportFile));
  } catch (const Exception& e) {
    if (!Sink()) throw;
    Sink()(QStringLiteral("Export Failed: ") + e.Message());
  }
}

ScopedLog::ScopedLog(LogSink sink) : previous_(std::exchange(Sink(), std::move(sink))) {}
ScopedLog::~ScopedLog() { Sink() = std::move(previous_); }
} // namespace PollAutoExport
