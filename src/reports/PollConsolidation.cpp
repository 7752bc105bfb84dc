#include "reports/PollConsolidation.h"

#include "model/tEcrRpt.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/sys/TDateTime.h"
#include "reports/ConsolidationSql.h"


PollConsolidation::PollConsolidation(tEcrRpt& report, const QString& driverClass, const QString& reportName, Status status)
    : report_(report), driverClass_(driverClass), reportName_(reportName), status_(std::move(status)) {}

void PollConsolidation::Step(const char* text) const {
  if (status_) status_(QString::fromLatin1(text));
}

QList<qint32> PollConsolidation::QualifyingPolls(const ConsolidationRanges& ranges) const {
  const SqlStatement s = ConsolidationSql::QualifyingPolls(report_.ClassName(), ranges);
  TQuery query(report_.GetDataBaseName());
  query.Exec(s.text + QStringLiteral(" ORDER BY \"Poll Id\""), s.values);
  QList<qint32> polls;
  while (query.Next()) polls.append(qint32(query.Value(0).toLongLong()));
  return polls;
}

PollConsolidation::Outcome PollConsolidation::Run(const ConsolidationRanges& ranges,
                                                  const std::function<void(qint32)>& use) {
  Step("Retrieving Qualifing Polls...");
  if (QualifyingPolls(ranges).isEmpty()) return Outcome::NoPolls;
  Step("Creating New Report Record...");
  const qint32 pollId = MakeCnsldtPoll(ranges);
  Step("Displaying Report...");
  try {
    use(pollId);
  } catch (...) {
    // The failure of the preview or the export is the one reported; the removal still runs.
    try {
      RemoveCnsldtPoll(pollId);
    } catch (...) {
    }
    throw;
  }
  RemoveCnsldtPoll(pollId);
  return Outcome::Done;
}

qint32 PollConsolidation::MakeCnsldtPoll(const ConsolidationRanges& ranges) {
  TDatabase& db = TSession::Default().Database(report_.GetDataBaseName());
  const std::optional<TTableDef> table = db.ReadTableDef(report_.GetTableName());
  if (!table) throw EDBEngineError(EngineError::TableMissing, QStringLiteral("Table: ") + report_.GetTableName());
  qint32 pollId = 0;
  db.RunInTransaction([&] {
    TQuery poll(db);
    poll.Exec(QStringLiteral("INSERT INTO \"AllPolls\" (\"EcrClass\", \"EcrRptClass\", \"Report Name\", \"Poll Date\", "
                             "\"Ecr Date\", \"Machine Id\", \"Store Number\", \"Machine Number\", \"Z Counter\", "
                             "\"Poll Type\", \"Polled Area\", \"Misc Info 3\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, -1)"),
              {driverClass_, report_.ClassName(), reportName_, TDateTime::FromDate(ranges.startDate).Days(),
               TDateTime::FromDate(ranges.endDate).Days(), QString::number(ranges.firstStore), ranges.lastStore,
               ranges.firstMachine, ranges.lastMachine, ranges.pollType, ranges.area});
    pollId = qint32(poll.LastInsertId());
    const ConsolidationLists lists{report_.SQLGroupList, report_.SQLFieldsList, report_.SQLSumFieldsList};
    const SqlStatement rows = ConsolidationSql::InsertRows(*table, lists, pollId, report_.ClassName(), ranges);
    TQuery(db).Exec(rows.text, rows.values);
    Step("Finding Appropriate Descriptors...");
    for (const SqlStatement& texts : ConsolidationSql::FillTexts(*table, lists, pollId)) TQuery(db).Exec(texts.text, texts.values);
  });
  return pollId;
}

void PollConsolidation::RemoveCnsldtPoll(qint32 pollId) {
  Step("Deleting Temporary Report...");
  TDatabase& db = TSession::Default().Database(report_.GetDataBaseName());
  db.RunInTransaction([&] {
    TQuery(db).Exec(QStringLiteral("DELETE FROM %1 WHERE \"Poll Id\" = ?").arg(SqlText::Quote(report_.GetTableName())), {pollId});
    TQuery(db).Exec(QStringLiteral("DELETE FROM \"AllPolls\" WHERE \"Poll Id\" = ?"), {pollId});
  });
}
