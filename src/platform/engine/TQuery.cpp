#include "platform/engine/TQuery.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/SqlErrors.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "platform/engine/TableSharedState.h"

#include <QSqlRecord>

TQuery::TQuery(TDatabase& database) : database_(database) {}

TQuery::TQuery(const QString& databaseName) : TQuery(TSession::Default().Database(databaseName)) {}

QSqlQuery& TQuery::Query() {
  if (!query_) throw EDBEngineError(EngineError::SqlError, QStringLiteral("No statement is prepared"));
  return *query_;
}

const QSqlQuery& TQuery::Query() const {
  if (!query_) throw EDBEngineError(EngineError::SqlError, QStringLiteral("No statement is prepared"));
  return *query_;
}

void TQuery::Prepare(const QString& sql) {
  query_.reset();
  QSqlQuery q(database_.Connection());
  q.setForwardOnly(true);
  if (!q.prepare(sql)) SqlErrors::Raise(q.lastError(), QStringLiteral("SQL: ") + sql);
  sql_ = sql;
  query_.emplace(std::move(q));
}

void TQuery::Bind(int position, const QVariant& value) { Query().bindValue(position, value); }

void TQuery::Bind(const QString& placeholder, const QVariant& value) { Query().bindValue(placeholder, value); }

void TQuery::Exec() {
  QSqlQuery& q = Query();
  if (!q.exec()) {
    const QSqlError error = q.lastError();
    q.finish();
    SqlErrors::Raise(error, QStringLiteral("SQL: ") + sql_);
  }
  if (!q.isSelect()) TableSharedState::BumpFile(database_.FilePath());
}

void TQuery::Exec(const QString& sql, const QVariantList& values) {
  Prepare(sql);
  for (int i = 0; i < values.size(); ++i) Bind(i, values[i]);
  Exec();
}

bool TQuery::Next() {
  QSqlQuery& q = Query();
  if (q.next()) return true;
  const QSqlError error = q.lastError();
  if (error.isValid()) SqlErrors::Raise(error, QStringLiteral("SQL: ") + sql_);
  return false;
}

QVariant TQuery::Value(int column) const { return Query().value(column); }

QVariant TQuery::Value(const QString& column) const {
  const QSqlRecord record = Query().record();
  const int index = record.indexOf(column);
  if (index < 0) throw EDBEngineError(EngineError::FieldMissing, QStringLiteral("Column: ") + column);
  return Query().value(index);
}

int TQuery::ColumnCount() const { return Query().record().count(); }

QString TQuery::ColumnName(int column) const { return Query().record().fieldName(column); }

int TQuery::RowsAffected() const { return Query().numRowsAffected(); }

qint64 TQuery::LastInsertId() const { return Query().lastInsertId().toLongLong(); }

void TQuery::Close() {
  if (query_) query_->finish();
}
