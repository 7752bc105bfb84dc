#include "platform/engine/SchemaReader.h"

#include "platform/engine/TableBackupLog.h"
#include "platform/engine/EDBEngineError.h"
#include "platform/engine/SqlErrors.h"
#include "platform/engine/SqlText.h"

#include <QSqlQuery>

namespace {
QSqlQuery Run(const QSqlDatabase& db, const QString& sql, const QVariantList& values, const QString& table) {
  QSqlQuery q(db);
  q.setForwardOnly(true);
  if (!q.prepare(sql)) SqlErrors::Raise(q.lastError(), QStringLiteral("Table: ") + table);
  for (int i = 0; i < values.size(); ++i) q.bindValue(i, values[i]);
  if (!q.exec()) SqlErrors::Raise(q.lastError(), QStringLiteral("Table: ") + table);
  return q;
}

[[noreturn]] void Unreadable(const QString& table, const QString& why) {
  throw EDBEngineError(EngineError::TableCorrupt, QStringLiteral("Table: %1\n%2").arg(table, why));
}

QList<TFieldDef> ReadFields(const QSqlDatabase& db, const QString& table) {
  QSqlQuery q = Run(db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?) ORDER BY cid"), {table}, table);
  QList<TFieldDef> fields;
  while (q.next()) {
    const QString name = q.value(0).toString();
    const std::optional<TParsedSqlType> type = ParseSqlType(q.value(1).toString(), q.value(2).toInt() == 1);
    if (!type) Unreadable(table, QStringLiteral("Field \"%1\" has the unknown type \"%2\"").arg(name, q.value(1).toString()));
    fields.append({name, type->type, type->size, type->keepsEveryByte});
  }
  if (fields.isEmpty()) Unreadable(table, QStringLiteral("The table has no fields"));
  return fields;
}

TIndexDef ReadIndex(const QSqlDatabase& db, const QString& table, const QString& objectName, bool unique) {
  TIndexDef index;
  index.name = objectName.mid(table.size() + 1);
  index.primary = index.name.isEmpty();
  index.unique = unique;
  QSqlQuery q = Run(db, QStringLiteral("SELECT name, \"desc\", coll FROM pragma_index_xinfo(?) WHERE key = 1 ORDER BY seqno"),
                    {objectName}, table);
  bool allNoCase = true, allDesc = true;
  while (q.next()) {
    index.fields << q.value(0).toString();
    allDesc = allDesc && q.value(1).toInt() == 1;
    allNoCase = allNoCase && q.value(2).toString().compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0;
  }
  if (index.fields.isEmpty()) Unreadable(table, QStringLiteral("Index \"%1\" has no fields").arg(index.name));
  index.caseInsensitive = allNoCase;
  index.descending = allDesc;
  return index;
}

// Indexes in the order they were made; others than the engine's own are not listed.
QList<TIndexDef> ReadIndexes(const QSqlDatabase& db, const QString& table) {
  QSqlQuery q = Run(db,
                    QStringLiteral("SELECT m.name, l.\"unique\" FROM sqlite_master m JOIN pragma_index_list(?) l "
                                   "ON l.name = m.name WHERE m.type = 'index' ORDER BY m.rowid"),
                    {table}, table);
  QList<std::pair<QString, bool>> names;
  const QString prefix = SqlText::IndexObjectName(table, QString());
  while (q.next()) {
    const QString name = q.value(0).toString();
    if (name.startsWith(prefix, Qt::CaseInsensitive)) names.append({name, q.value(1).toInt() == 1});
  }
  QList<TIndexDef> indexes;
  for (const auto& [name, unique] : names) indexes << ReadIndex(db, table, name, unique);
  return indexes;
}
} // namespace

std::optional<QString> SchemaReader::StoredTableName(const QSqlDatabase& db, const QString& table) {
  QSqlQuery q = Run(db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"),
                    {table}, table);
  if (!q.next()) return std::nullopt;
  return q.value(0).toString();
}

std::optional<TTableDef> SchemaReader::ReadTableDef(const QSqlDatabase& db, const QString& table) {
  const std::optional<QString> stored = StoredTableName(db, table);
  if (!stored) return std::nullopt;
  TTableDef def;
  def.name = *stored;
  def.fields = ReadFields(db, *stored);
  def.indexes = ReadIndexes(db, *stored);
  return def;
}

QStringList SchemaReader::TableNames(const QSqlDatabase& db) {
  QSqlQuery q = Run(db,
                    QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
                                   "ESCAPE '\\' AND name <> ? COLLATE NOCASE ORDER BY name"),
                    {QString::fromLatin1(TableBackupLog::kLogTable)}, QString());
  QStringList names;
  while (q.next()) names << q.value(0).toString();
  return names;
}
