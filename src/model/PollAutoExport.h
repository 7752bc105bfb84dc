#pragma once
// The export of a poll right after it was saved, into the report's export file, in the
// layout that the settings choose ("ExportFormat"/"Format"). It asks nothing and shows
// nothing. A format outside 0..4 or a file that cannot be opened exports nothing; while a
// session has installed its log, that error becomes a line of the session's progress log,
// otherwise it is raised to the caller.
#include <QString>

#include <functional>

namespace PollAutoExport {
// Nothing is written for an empty file name or a poll that AllPolls does not hold.
void Run(const QString& databaseName, const QString& tableName, qint32 pollId, const QString& exportFile);

using LogSink = std::function<void(const QString& line)>;
// Sends the errors of the automatic exports to the sink while it lives.
class ScopedLog {
public:
  explicit ScopedLog(LogSink sink);
  ~ScopedLog();
  ScopedLog(const ScopedLog&) = delete;
  ScopedLog& operator=(const ScopedLog&) = delete;

private:
  LogSink previous_;
};
} // namespace PollAutoExport
