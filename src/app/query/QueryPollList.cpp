#include "app/query/QueryPollList.h"

#include "platform/engine/FieldText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "platform/sys/TDateTime.h"
#include "store/settings/SettingsFile.h"

namespace QueryPollList {
QString DateTimeText(double days) {
  return TDateTime(days).Time() == QTime(0, 0) ? FieldText::DateText(days) : FieldText::DateTimeText(days);
}

QStringList Lines(const QString& reportClass, const QString& machineId) {
  QStringList lines;
  TDatabase& database = TSession::Default().Database(GetDataAlias());
  // No poll was ever stored: none of this class either.
  if (!database.TableExists(QStringLiteral("AllPolls"))) return {QStringLiteral("0")};
  TQuery query(database);
  query.Exec(QStringLiteral("SELECT \"Poll Id\", \"Poll Date\", \"Poll Type\", \"Polled Area\" FROM \"AllPolls\" "
                            "WHERE \"EcrRptClass\" = ? AND \"Machine Id\" = ? ORDER BY \"Poll Id\""),
             {reportClass, machineId});
  while (query.Next()) {
    lines << QString::number(query.Value(0).toLongLong()) << DateTimeText(query.Value(1).toDouble())
          << query.Value(2).toString() << query.Value(3).toString();
  }
  query.Close();
  lines.prepend(QString::number(lines.size() / 4));
  return lines;
}
} // namespace QueryPollList
