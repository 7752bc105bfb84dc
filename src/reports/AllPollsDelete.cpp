#include "reports/AllPollsDelete.h"

#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/engine/SqlText.h"
#include "platform/sys/Prompter.h"
#include "reports/RptPollKinds.h"
#include "reports/RptPollReport.h"

#include <QHash>

namespace {
QString DataAlias() { return QString::fromLatin1(EngineConfig::kDataAlias); }

QString ReportClassOf(qint32 pollId) { return RptPollReport::ClassesOf(pollId).reportClass; }

// Where each poll's report rows are: its report object's database and table.
struct ReportRows {
  qint32 pollId;
  QString database;
  QString table;
};
} // namespace

QString AllPollsDelete::RefusalText() {
  return QStringLiteral("You can not delete the individual parts of the \r\n"
                        "financial report separately.  If you wish to delete these \r\n"
                        "records please delete the financial report record.");
}

bool AllPollsDelete::HoldsSection(const QList<qint32>& pollIds) {
  for (qint32 pollId : pollIds)
    if (RptPollKinds::IsFinancialSection(ReportClassOf(pollId))) return true;
  return false;
}

QList<qint32> AllPollsDelete::PollsToDelete(const QList<qint32>& pollIds) {
  QList<qint32> polls;
  for (qint32 pollId : pollIds) {
    if (!polls.contains(pollId)) polls.append(pollId);
    if (!RptPollKinds::IsFinancialHead(ReportClassOf(pollId))) continue;
    for (int place = 1; place <= RptPollKinds::kSectionCount; ++place) {
      const qint32 section = pollId + place;
      if (RptPollKinds::SectionPlace(ReportClassOf(section)) != place) break;
      if (!polls.contains(section)) polls.append(section);
    }
  }
  return polls;
}

void AllPollsDelete::Delete(const QList<qint32>& pollIds) {
  tEcrRpt::OpenAllPolls();
  QList<ReportRows> rows;
  for (qint32 pollId : pollIds) {
    const RptPollClasses classes = RptPollReport::ClassesOf(pollId);
    if (classes.reportClass.isEmpty()) continue;  // gone already
    const RptPollReport report(classes);
    rows.append({pollId, report.Report().GetDataBaseName(), report.Report().GetTableName()});
  }
  TDatabase& polls = TSession::Default().Database(DataAlias());
  for (const ReportRows& poll : rows) {
    TDatabase& database = TSession::Default().Database(poll.database);
    const bool tableThere = database.TableExists(poll.table);
    if (!tableThere) Prompter::ShowMessage(QStringLiteral("Error. Table could not be opened."));
    polls.RunInTransaction([&] {
      if (tableThere)
        TQuery(database).Exec(QStringLiteral("DELETE FROM %1 WHERE \"Poll Id\" = ?").arg(SqlText::Quote(poll.table)),
                              {poll.pollId});
      TQuery(polls).Exec(QStringLiteral("DELETE FROM \"AllPolls\" WHERE \"Poll Id\" = ?"), {poll.pollId});
    });
  }
}
