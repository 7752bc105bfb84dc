#include "PollSummary.h"

#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/streaming/StreamRegistry.h"

namespace {
QString DataAlias() { return QString::fromLatin1(EngineConfig::kDataAlias); }

qint32 LastPollId() {
  TQuery query(DataAlias());
  query.Exec(QStringLiteral("SELECT MAX(\"Poll Id\") FROM \"AllPolls\""), {});
  return query.Next() ? query.Value(0).toInt() : 0;
}

// The table the class keeps its rows in, when it keeps one.
QString TableOf(tEcr& driver, const QString& rptClass) {
  try {
    return tEcrFnct::CreateByClass(ClassByName(rptClass), &driver)->GetTableName();
  } catch (const Exception&) {
    return QString();
  }
}

qint64 RowsOf(const QString& table, qint32 pollId) {
  if (table.isEmpty() || !TSession::Default().Database(DataAlias()).TableExists(table)) return 0;
  TQuery query(DataAlias());
  query.Exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE \"Poll Id\" = ?").arg(SqlText::Quote(table)), {pollId});
  return query.Next() ? query.Value(0).toLongLong() : 0;
}

QString Shown(const QVariant& value) {
  if (value.isNull()) return QString();
  if (value.typeId() == QMetaType::Double) return QString::number(value.toDouble(), 'g', 15);
  if (value.typeId() == QMetaType::QByteArray) return QString::fromLatin1(value.toByteArray().toHex(' '));
  QString text;
  for (const QChar c : value.toString())
    text += c.unicode() < 0x20 || c.unicode() == 0x7F ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0')) : QString(c);
  return text;
}
} // namespace

QString SavedPoll::Line() const {
  QString line = QStringLiteral("Poll Id %1: %2 (%3)").arg(pollId).arg(rptName, rptClass);
  if (table.isEmpty()) return line + QStringLiteral(", no table of its own");
  return line + QStringLiteral(", %1 row%2 in %3").arg(rows).arg(rows == 1 ? "" : "s", table);
}

PollSummary::PollSummary() {
  tEcrRpt::OpenAllPolls();
  lastBefore_ = LastPollId();
}

QList<SavedPoll> PollSummary::NewPolls(tEcr& driver) const {
  TQuery query(DataAlias());
  query.Exec(QStringLiteral("SELECT \"Poll Id\", \"EcrRptClass\", \"Report Name\" FROM \"AllPolls\" WHERE \"Poll Id\" > ? "
                            "ORDER BY \"Poll Id\""),
             {lastBefore_});
  QList<SavedPoll> polls;
  while (query.Next()) {
    SavedPoll poll;
    poll.pollId = query.Value(0).toInt();
    poll.rptClass = query.Value(1).toString();
    poll.rptName = query.Value(2).toString();
    polls.append(poll);
  }
  query.Close();
  for (SavedPoll& poll : polls) {
    poll.table = TableOf(driver, poll.rptClass);
    poll.rows = RowsOf(poll.table, poll.pollId);
  }
  return polls;
}

QStringList PollSummary::RowsText(const SavedPoll& poll) {
  if (poll.table.isEmpty() || !TSession::Default().Database(DataAlias()).TableExists(poll.table)) return {};
  TQuery query(DataAlias());
  query.Exec(QStringLiteral("SELECT * FROM %1 WHERE \"Poll Id\" = ?").arg(SqlText::Quote(poll.table)), {poll.pollId});
  QStringList lines;
  QStringList names;
  for (int i = 0; i < query.ColumnCount(); ++i) names << query.ColumnName(i);
  lines << names.join(QLatin1Char('\t'));
  while (query.Next()) {
    QStringList values;
    for (int i = 0; i < names.size(); ++i) values << Shown(query.Value(i));
    lines << values.join(QLatin1Char('\t'));
  }
  return lines;
}
