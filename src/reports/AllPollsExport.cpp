#include "reports/AllPollsExport.h"

#include "model/PollExport.h"
#include "model/tEcrRpt.h"
#include "reports/AllPollsDelete.h"
#include "reports/RptPollReport.h"

namespace {
// Where the poll's rows are: its report object's database and table.
struct PollRows {
  qint32 pollId;
  QString database;
  QString table;
};

PollRows RowsOf(qint32 pollId) {
  const RptPollReport report(RptPollReport::ClassesOf(pollId));
  return {pollId, report.Report().GetDataBaseName(), report.Report().GetTableName()};
}
} // namespace

namespace AllPollsExport {
QString Export(const QList<qint32>& pollIds, const QString& fileName, Mode mode) {
  const bool consolidated = mode == Mode::Consolidated;
  const int format = consolidated ? 0 : PollExport::FormatSetting();
  tEcrRpt::OpenAllPolls();
  QList<qint32> polls = pollIds;
  // A head and the sections that the delete would take with it are exactly one financial poll.
  if (!polls.isEmpty()) polls += AllPollsDelete::PollsToDelete({polls.last()}).mid(1);
  QList<PollRows> rows;
  for (qint32 pollId : polls) rows.append(RowsOf(pollId));  // every class is known before a line is written
  const QString path = PollExport::OpenOutput(fileName);
  const auto framing = consolidated ? PollExport::Framing::Consolidated : PollExport::Framing::None;
  for (const PollRows& poll : rows) PollExport::WritePoll(poll.database, poll.table, poll.pollId, format, path, framing);
  return QStringLiteral("Data exported to ") + path;
}
} // namespace AllPollsExport
