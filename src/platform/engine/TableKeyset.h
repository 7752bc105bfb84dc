#pragma once
// A cursor's records: the record ids of the table (or of its range) in the order of the
// current index. Only the ids are held, never the rows; where an id stands is found
// through a map built when first asked for.
#include "platform/engine/SqlText.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <optional>
#include <vector>

class TableKeyset {
public:
  // Reads the ids of the rows that meet the condition, in the given order.
  void Load(const QSqlDatabase& db, const QString& table, const QString& orderBy, const SqlText::Condition& where);
  void Clear();

  int Size() const { return static_cast<int>(ids_.size()); }
  qint64 At(int position) const { return ids_[static_cast<size_t>(position)]; }
  // The id's position, -1 when it is not in the list.
  int PositionOf(qint64 id) const;

  void Append(qint64 id);
  void RemoveAt(int position);
  // Puts a record (whose key holds no null) at its place in the order and answers the
  // position: a binary search in which the database itself compares the keys, so the
  // place is exactly where the index puts it.
  int InsertInOrder(const QSqlDatabase& db, const QString& table, const QList<SqlText::KeyColumn>& order,
                    const QVariantList& key, qint64 id);

private:
  std::vector<qint64> ids_;
  mutable QHash<qint64, int> positions_;
  mutable bool positionsValid_ = false;
  QString probeSql_;
  std::optional<QSqlQuery> probe_;
};
