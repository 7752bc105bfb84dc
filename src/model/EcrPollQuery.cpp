#include "model/EcrPollQuery.h"

#include "model/EConvertError.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/engine/TSession.h"
#include "store/text/NumberText.h"

namespace {
QString BareTableName(const QString& tableName) {
  if (tableName.endsWith(QStringLiteral(".db"), Qt::CaseInsensitive)) return tableName.chopped(3);
  return tableName;
}
} // namespace

qint32 EcrPollQuery::ParsePollId(const QString& text) {
  int code = 0;
  const qint32 value = NumberText::ValLongint(text, code);
  if (code != 0) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
  return value;
}

bool EcrPollQuery::TableStored(const QString& databaseName, const QString& tableName) {
  return TSession::Default().Database(databaseName).TableExists(BareTableName(tableName));
}

EcrPollQuery::EcrPollQuery(const QString& databaseName, const QString& tableName, qint64 pollId)
    : query_(std::make_unique<TQuery>(databaseName)) {
  const QString table = SqlText::Quote(BareTableName(tableName));
  query_->Exec(QStringLiteral("select * from %1 where %1.%2 = ?").arg(table, SqlText::Quote(QStringLiteral("Poll Id"))),
               {pollId});
}

EcrPollQuery::~EcrPollQuery() = default;

bool EcrPollQuery::Next() { return query_->Next(); }

QVariant EcrPollQuery::Value(const QString& field) const { return query_->Value(field); }

bool EcrPollQuery::HasField(const QString& field) const {
  for (int i = 0; i < query_->ColumnCount(); ++i)
    if (query_->ColumnName(i).compare(field, Qt::CaseInsensitive) == 0) return true;
  return false;
}

double EcrPollQuery::Float(const QString& field) const { return Value(field).toDouble(); }
