#pragma once
// The prepared statements of one open cursor: read a row, insert, update and delete by
// record id. Each is prepared once, on first use, and kept while the cursor is open.
#include "platform/engine/TableDef.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariantList>
#include <optional>

class CursorStatements {
public:
  CursorStatements(QSqlDatabase db, TTableDef def);

  // The row's values in field order; false when the row is gone.
  bool Fetch(qint64 id, QVariantList& values);
  // Stores a new row (the autoincrement field's value is the engine's) and answers its id.
  qint64 Insert(const QVariantList& values);
  // false when the row is gone.
  bool Update(qint64 id, const QVariantList& values);
  bool Delete(qint64 id);

private:
  QSqlQuery& Prepared(std::optional<QSqlQuery>& slot, const QString& sql);
  void Execute(QSqlQuery& q);
  QString Context() const;

  QSqlDatabase db_;
  TTableDef def_;
  int autoInc_;
  // Named placeholders ":p0", ":p1", ...: binding by a ready name is much cheaper than
  // binding by position, which formats a name for every value.
  QStringList names_;
  std::optional<QSqlQuery> fetch_, insert_, update_, delete_;
};
