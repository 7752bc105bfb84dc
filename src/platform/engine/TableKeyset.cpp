#include "platform/engine/TableKeyset.h"

#include "platform/engine/SqlErrors.h"

#include <QSqlQuery>

void TableKeyset::Load(const QSqlDatabase& db, const QString& table, const QString& orderBy,
                       const SqlText::Condition& where) {
  QString sql = QStringLiteral("SELECT rowid FROM ") + SqlText::Quote(table);
  if (!where.IsEmpty()) sql += QStringLiteral(" WHERE ") + where.text;
  sql += QStringLiteral(" ORDER BY ") + orderBy;
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.prepare(sql)) SqlErrors::Raise(q.lastError(), QStringLiteral("Table: ") + table);
  for (int i = 0; i < where.values.size(); ++i) q.bindValue(i, where.values[i]);
  if (!q.exec()) SqlErrors::Raise(q.lastError(), QStringLiteral("Table: ") + table);
  ids_.clear();
  while (q.next()) ids_.push_back(q.value(0).toLongLong());
  positionsValid_ = false;
}

void TableKeyset::Clear() {
  probe_.reset();
  probeSql_.clear();
  ids_.clear();
  positions_.clear();
  positionsValid_ = false;
}

int TableKeyset::PositionOf(qint64 id) const {
  if (!positionsValid_) {
    positions_.clear();
    positions_.reserve(static_cast<qsizetype>(ids_.size()));
    for (size_t i = 0; i < ids_.size(); ++i) positions_.insert(ids_[i], static_cast<int>(i));
    positionsValid_ = true;
  }
  return positions_.value(id, -1);
}

void TableKeyset::Append(qint64 id) {
  ids_.push_back(id);
  if (positionsValid_) positions_.insert(id, Size() - 1);
}

void TableKeyset::RemoveAt(int position) {
  ids_.erase(ids_.begin() + position);
  positionsValid_ = false;
}

int TableKeyset::InsertInOrder(const QSqlDatabase& db, const QString& table, const QList<SqlText::KeyColumn>& order,
                               const QVariantList& key, qint64 id) {
  const SqlText::Condition after = SqlText::KeyAfter(order, key, id);
  const QString sql = QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ? AND %2").arg(SqlText::Quote(table), after.text);
  if (!probe_ || sql != probeSql_) {
    probe_.emplace(db);
    probe_->setForwardOnly(true);
    if (!probe_->prepare(sql)) {
      const QSqlError error = probe_->lastError();
      probe_.reset();
      SqlErrors::Raise(error, QStringLiteral("Table: ") + table);
    }
    probeSql_ = sql;
  }
  int low = 0, high = Size();
  while (low < high) {
    const int mid = low + (high - low) / 2;
    probe_->bindValue(0, At(mid));
    for (int i = 0; i < after.values.size(); ++i) probe_->bindValue(i + 1, after.values[i]);
    if (!probe_->exec()) SqlErrors::Raise(probe_->lastError(), QStringLiteral("Table: ") + table);
    const bool midIsAfter = probe_->next();
    probe_->finish();
    if (midIsAfter) high = mid;
    else low = mid + 1;
  }
  ids_.insert(ids_.begin() + low, id);
  positionsValid_ = false;
  return low;
}
