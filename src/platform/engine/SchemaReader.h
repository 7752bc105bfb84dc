#pragma once
// Reads a table's structure back from the database file: the columns with the engine's
// declared types, and the indexes named "<table>#<index>" with their options. A column
// whose type is not one of the engine's makes the table unreadable (TableCorrupt).
#include "platform/engine/TableDef.h"

#include <QSqlDatabase>
#include <QStringList>
#include <optional>

namespace SchemaReader {
// The table's name as it was created; nullopt when the file holds no such table.
std::optional<QString> StoredTableName(const QSqlDatabase& db, const QString& table);
std::optional<TTableDef> ReadTableDef(const QSqlDatabase& db, const QString& table);
QStringList TableNames(const QSqlDatabase& db);
} // namespace SchemaReader
