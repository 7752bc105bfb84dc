#include "platform/engine/SqlText.h"

#include "platform/engine/EDBEngineError.h"

#include <QStringList>

QString SqlText::Quote(const QString& identifier) {
  if (identifier.contains(QChar(0)))
    throw EDBEngineError(EngineError::InvalidParameter, QStringLiteral("A name holds a NUL character"));
  QString text = identifier;
  text.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + text + QLatin1Char('"');
}

QString SqlText::IndexObjectName(const QString& table, const QString& indexName) {
  return table + QLatin1Char('#') + indexName;
}

namespace {
QString Qualified(const QString& schema, const QString& name) {
  return schema.isEmpty() ? SqlText::Quote(name) : SqlText::Quote(schema) + QLatin1Char('.') + SqlText::Quote(name);
}

QString ColumnSql(const TFieldDef& field) {
  QString text = SqlText::Quote(field.name) + QLatin1Char(' ') + SqlTypeOf(field.type, field.size, field.keepsEveryByte);
  if (field.type == TFieldType::AutoInc) text += QLatin1String(" PRIMARY KEY AUTOINCREMENT");
  return text;
}

QString Collated(const SqlText::KeyColumn& column) {
  return column.caseInsensitive ? QStringLiteral(" COLLATE NOCASE") : QString();
}
} // namespace

QString SqlText::CreateTable(const TTableDef& def, const QString& schema) {
  QStringList columns;
  for (const TFieldDef& field : def.fields) columns << ColumnSql(field);
  return QStringLiteral("CREATE TABLE %1 (%2)").arg(Qualified(schema, def.name), columns.join(QLatin1String(", ")));
}

QString SqlText::CreateIndex(const QString& table, const TIndexDef& index, const QString& schema) {
  QStringList columns;
  for (const KeyColumn& column : KeyColumns(index))
    columns << Quote(column.name) + Collated(column) + (column.descending ? QStringLiteral(" DESC") : QString());
  return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
      .arg(index.IsUnique() ? QStringLiteral("UNIQUE ") : QString(),
           Qualified(schema, IndexObjectName(table, index.name)), Quote(table), columns.join(QLatin1String(", ")));
}

QList<SqlText::KeyColumn> SqlText::KeyColumns(const TIndexDef& index) {
  QList<KeyColumn> columns;
  for (const QString& field : index.fields) columns.append({field, index.caseInsensitive, index.descending});
  return columns;
}

QString SqlText::OrderBy(const QList<KeyColumn>& columns) {
  QStringList terms;
  for (const KeyColumn& column : columns)
    terms << Quote(column.name) + Collated(column) + (column.descending ? QStringLiteral(" DESC") : QString());
  terms << QStringLiteral("rowid");
  return terms.join(QLatin1String(", "));
}

SqlText::Condition SqlText::KeyEquals(const QList<KeyColumn>& columns, const QVariantList& values) {
  Condition c;
  QStringList terms;
  for (qsizetype i = 0; i < values.size(); ++i) {
    terms << Quote(columns[i].name) + QStringLiteral(" = ?") + Collated(columns[i]);
    c.values << values[i];
  }
  c.text = terms.join(QLatin1String(" AND "));
  return c;
}

namespace {
// (c0 beyond v0) OR (c0 = v0 AND (c1 beyond v1 OR (c1 = v1 AND ...))); the innermost
// level, equal on every column, is true: both bounds include the key itself.
SqlText::Condition Lexical(const QList<SqlText::KeyColumn>& columns, const QVariantList& values, bool after,
                           qsizetype from) {
  if (from == values.size()) return {QStringLiteral("1"), {}};
  const SqlText::KeyColumn& column = columns[from];
  const bool greater = after != column.descending;
  const QString name = SqlText::Quote(column.name);
  const QString collate = Collated(column);
  const SqlText::Condition rest = Lexical(columns, values, after, from + 1);
  SqlText::Condition c;
  c.text = QStringLiteral("(%1 %2 ?%3 OR (%1 = ?%3 AND %4))")
               .arg(name, greater ? QStringLiteral(">") : QStringLiteral("<"), collate, rest.text);
  c.values << values[from] << values[from] << rest.values;
  return c;
}
} // namespace

SqlText::Condition SqlText::KeyAtOrAfter(const QList<KeyColumn>& columns, const QVariantList& values) {
  return Lexical(columns, values, true, 0);
}

SqlText::Condition SqlText::KeyAtOrBefore(const QList<KeyColumn>& columns, const QVariantList& values) {
  return Lexical(columns, values, false, 0);
}

namespace {
SqlText::Condition After(const QList<SqlText::KeyColumn>& columns, const QVariantList& values, qint64 id,
                         qsizetype from) {
  if (from == values.size()) return {QStringLiteral("rowid > ?"), {id}};
  const SqlText::KeyColumn& column = columns[from];
  const QString name = SqlText::Quote(column.name);
  const QString collate = Collated(column);
  const SqlText::Condition rest = After(columns, values, id, from + 1);
  const QString beyond = column.descending ? QStringLiteral("%1 IS NULL OR %1 < ?%2").arg(name, collate)
                                           : QStringLiteral("%1 > ?%2").arg(name, collate);
  SqlText::Condition c;
  c.text = QStringLiteral("(%1 OR (%2 = ?%3 AND %4))").arg(beyond, name, collate, rest.text);
  c.values << values[from] << values[from] << rest.values;
  return c;
}
} // namespace

SqlText::Condition SqlText::KeyAfter(const QList<KeyColumn>& columns, const QVariantList& values, qint64 id) {
  return After(columns, values, id, 0);
}

SqlText::Condition SqlText::And(const Condition& a, const Condition& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {QStringLiteral("(%1) AND (%2)").arg(a.text, b.text), a.values + b.values};
}
