#include "store/text/TableTextRows.h"

#include "platform/engine/EDBEngineError.h"
#include "platform/engine/FieldText.h"
#include "platform/engine/SqlText.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TQuery.h"
#include "platform/sys/Cp1252.h"

namespace {
const QString kPollId = QStringLiteral("Poll Id");

QString SelectStatement(const TTableDef& def, bool byPoll) {
  QStringList columns;
  for (const TFieldDef& field : def.fields) columns << SqlText::Quote(field.name);
  QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1String(", ")), SqlText::Quote(def.name));
  if (byPoll) sql += QStringLiteral(" WHERE %1 = ?").arg(SqlText::Quote(kPollId));
  const TIndexDef* primary = def.PrimaryIndex();
  return sql + QStringLiteral(" ORDER BY ") + (primary ? SqlText::OrderBy(SqlText::KeyColumns(*primary)) : QStringLiteral("rowid"));
}
} // namespace

bool TableTextRows::IsBlob(const TFieldDef& field) {
  return field.type == TFieldType::Memo || field.type == TFieldType::Blob || field.type == TFieldType::Bytes;
}

QString TableTextRows::Text(const TFieldDef& field, const QVariant& stored) { return FieldText::Format(field, stored); }

QByteArray TableTextRows::Bytes(const TFieldDef& field, const QVariant& stored) {
  if (!stored.isValid() || stored.isNull()) return QByteArray();
  if (field.type == TFieldType::Memo) return Cp1252::Encode(stored.toString());
  return stored.toByteArray();
}

void TableTextRows::ForEachRow(TDatabase& database, const QString& tableName, std::optional<qint32> pollId,
                               const RowVisitor& visit) {
  const std::optional<TTableDef> def = database.ReadTableDef(tableName);
  if (!def) throw EDBEngineError(EngineError::TableMissing, QStringLiteral("Table: ") + TableNameOf(tableName));
  if (pollId && def->FieldIndex(kPollId) < 0)
    throw EDBEngineError(EngineError::FieldMissing, QStringLiteral("Table: %1\nField: %2").arg(def->name, kPollId));
  TQuery query(database);
  query.Exec(SelectStatement(*def, pollId.has_value()), pollId ? QVariantList{qlonglong(*pollId)} : QVariantList{});
  QVariantList values;
  while (query.Next()) {
    values.clear();
    for (int i = 0; i < def->fields.size(); ++i) values << query.Value(i);
    visit(*def, values);
  }
  query.Close();
}
