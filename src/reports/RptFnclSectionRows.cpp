#include "reports/RptFnclSectionRows.h"

#include "platform/engine/EngineConfig.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "reports/RptPollKinds.h"
#include "reports/RptTableRows.h"

namespace {
const char* const kTables[] = {"tEcrRptCrs3000Sales", "tEcrRptCrs3000Receipts", "tEcrRptCrs3000Memo",
                               "tEcrRptCrs3000SysBal", "tEcrRptCrs3000TblSrvc"};

bool Exists(const QString& database, const QString& table) {
  return TSession::Default().Database(database).TableExists(table);
}

QString ReportClassOf(qint64 pollId) {
  const QString data = QString::fromLatin1(EngineConfig::kDataAlias);
  if (!Exists(data, QStringLiteral("AllPolls"))) return QString();
  RptTableRows poll(data, QStringLiteral("AllPolls"), pollId);
  poll.Rewind();
  return poll.AtEnd() ? QString() : poll.Field(QStringLiteral("EcrRptClass")).ToText();
}
} // namespace

QString RptFnclSectionRows::TableOf(int section, const QString& reportClass) {
  // The table service of ROM versions 3.03 to 3.05 has a table of its own.
  if (section == 4 && reportClass.contains(QLatin1String("TblSrvc303"), Qt::CaseInsensitive))
    return QStringLiteral("tEcrRptCrs3000TblSrvc303");
  return QString::fromLatin1(kTables[section]);
}

std::unique_ptr<RptKeyedSource> RptFnclSectionRows::Open(const QString& database, qint64 headPollId, int section) {
  const qint64 pollId = headPollId + 1 + section;
  const QString reportClass = ReportClassOf(pollId);
  if (RptPollKinds::SectionPlace(reportClass) != section + 1) return std::make_unique<RptNoRows>();
  const QString table = TableOf(section, reportClass);
  if (!Exists(database, table)) return std::make_unique<RptNoRows>();
  auto rows = std::make_unique<RptTableRows>(database, table, pollId);
  rows->Rewind();
  if (rows->AtEnd()) return std::make_unique<RptNoRows>();
  return rows;
}
