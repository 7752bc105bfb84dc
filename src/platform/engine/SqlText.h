#pragma once
// The SQL text the engine builds: identifiers quoted as identifiers, never a value in the
// text (values always travel as bound parameters next to the text).
#include "platform/engine/TableDef.h"

#include <QList>
#include <QString>
#include <QVariantList>

namespace SqlText {
// "Poll Id" -> "\"Poll Id\"" with inner double quotes doubled. Raises EDBEngineError
// (InvalidParameter) for a name holding a NUL character.
QString Quote(const QString& identifier);
// The database-wide name of a table's index: table + "#" + index name ("" = primary).
QString IndexObjectName(const QString& table, const QString& indexName);

// Statements over a table definition; schema is "" for the main database file or the
// name of an attached one.
QString CreateTable(const TTableDef& def, const QString& schema = QString());
QString CreateIndex(const QString& table, const TIndexDef& index, const QString& schema = QString());

// One key column of an index as comparisons and ORDER BY use it.
struct KeyColumn {
  QString name;
  bool caseInsensitive = false;
  bool descending = false;
};
QList<KeyColumn> KeyColumns(const TIndexDef& index);

// A condition with its parameters in order.
struct Condition {
  QString text;
  QVariantList values;
  bool IsEmpty() const { return text.isEmpty(); }
};
// "ORDER BY" list of an index, the record id last so that equal keys keep a fixed order.
QString OrderBy(const QList<KeyColumn>& columns);
// The first values.size() columns equal the values.
Condition KeyEquals(const QList<KeyColumn>& columns, const QVariantList& values);
// The key of the first values.size() columns lies at or after (at or before) the values
// in the index's order, descending columns counting backwards.
Condition KeyAtOrAfter(const QList<KeyColumn>& columns, const QVariantList& values);
Condition KeyAtOrBefore(const QList<KeyColumn>& columns, const QVariantList& values);
// The row comes after the key (values, none of them null) and the record id in the
// index's order, where nulls come first ascending and last descending.
Condition KeyAfter(const QList<KeyColumn>& columns, const QVariantList& values, qint64 id);
// Both sides joined with AND; an empty side is left out.
Condition And(const Condition& a, const Condition& b);
} // namespace SqlText
