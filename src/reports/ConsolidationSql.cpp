#include "reports/ConsolidationSql.h"

#include "platform/engine/SqlText.h"
#include "platform/sys/TDateTime.h"

namespace {
QString Q(const QString& name) { return SqlText::Quote(name); }

bool IsNumeric(TFieldType type) {
  return type == TFieldType::Short || type == TFieldType::Long || type == TFieldType::Money || type == TFieldType::Number;
}
bool IsDateOrTime(TFieldType type) {
  return type == TFieldType::Date || type == TFieldType::Time || type == TFieldType::DateTime;
}

bool Holds(const QStringList& list, const QString& name) { return list.contains(name, Qt::CaseInsensitive); }

// The key fields of R after "Poll Id".
QStringList KeyFields(const TTableDef& r) {
  const TIndexDef* primary = r.PrimaryIndex();
  return primary ? primary->fields.mid(1) : QStringList();
}

// One column of the insert: the field of R and the expression that fills it.
struct Column {
  QString field;
  QString expression;
};

QList<Column> ListedColumns(const TTableDef& r, const ConsolidationLists& lists) {
  QList<Column> columns;
  for (const QString& name : lists.fields) {
    const int index = r.FieldIndex(name);
    if (index < 0) continue;
    const TFieldDef& field = r.fields[index];
    if (Holds(lists.sums, name)) columns.append({field.name, QStringLiteral("SUM(%1)").arg(Q(field.name))});
    else if (field.type != TFieldType::Alpha || Holds(lists.group, name)) columns.append({field.name, Q(field.name)});
  }
  return columns;
}

QList<Column> SummedColumns(const TTableDef& r) {
  const QStringList keys = KeyFields(r);
  QList<Column> columns;
  for (const TFieldDef& field : r.fields.mid(1)) {
    if (Holds(keys, field.name)) columns.append({field.name, Q(field.name)});
    else if (IsNumeric(field.type)) columns.append({field.name, QStringLiteral("SUM(%1)").arg(Q(field.name))});
  }
  return columns;
}

QString QuotedList(const QStringList& names) {
  QStringList quoted;
  for (const QString& name : names) quoted << Q(name);
  return quoted.join(QStringLiteral(", "));
}
} // namespace

namespace ConsolidationSql {
SqlStatement QualifyingPolls(const QString& reportClass, const ConsolidationRanges& ranges) {
  SqlStatement s;
  s.text = QStringLiteral("SELECT \"Poll Id\" FROM \"AllPolls\" WHERE \"Poll Date\" >= ? AND \"Poll Date\" < ? "
                          "AND \"Store Number\" BETWEEN ? AND ? AND \"Machine Number\" BETWEEN ? AND ? "
                          "AND \"EcrRptClass\" = ?");
  s.values = {TDateTime::FromDate(ranges.startDate).Days(), TDateTime::FromDate(ranges.endDate.addDays(1)).Days(),
              ranges.firstStore, ranges.lastStore, ranges.firstMachine, ranges.lastMachine, reportClass};
  const struct {
    const char* field;
    const QString& chosen;
  } choices[] = {{"Poll Type", ranges.pollType}, {"Polled Area", ranges.area}};
  for (const auto& choice : choices) {
    if (choice.chosen.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0) continue;
    s.text += QStringLiteral(" AND %1 = ?").arg(Q(QLatin1String(choice.field)));
    s.values.append(choice.chosen);
  }
  return s;
}

SqlStatement InsertRows(const TTableDef& r, const ConsolidationLists& lists, qint32 consolidatedPollId,
                        const QString& reportClass, const ConsolidationRanges& ranges) {
  const bool listed = !lists.fields.isEmpty();
  QList<Column> columns = listed ? ListedColumns(r, lists) : SummedColumns(r);
  const QStringList groups = listed ? lists.group : KeyFields(r);
  if (listed && r.FieldIndex(QStringLiteral("Number")) >= 0) {
    columns.removeIf([](const Column& c) { return c.field.compare(QLatin1String("Number"), Qt::CaseInsensitive) == 0; });
    const QString order = groups.isEmpty() ? QStringLiteral("NULL") : QuotedList(groups);
    columns.append({QStringLiteral("Number"), QStringLiteral("ROW_NUMBER() OVER (ORDER BY %1)").arg(order)});
  }
  QStringList fields{Q(r.fields.value(0).name)}, expressions{QStringLiteral("?")};
  for (const Column& column : columns) {
    fields << Q(column.field);
    expressions << column.expression;
  }
  const SqlStatement polls = QualifyingPolls(reportClass, ranges);
  SqlStatement s;
  s.text = QStringLiteral("INSERT OR IGNORE INTO %1 (%2) SELECT %3 FROM %1 WHERE \"Poll Id\" IN (%4)")
               .arg(Q(r.name), fields.join(QStringLiteral(", ")), expressions.join(QStringLiteral(", ")), polls.text);
  if (!groups.isEmpty()) s.text += QStringLiteral(" GROUP BY %1 ORDER BY %1").arg(QuotedList(groups));
  s.values = QVariantList{consolidatedPollId} + polls.values;
  return s;
}

QList<SqlStatement> FillTexts(const TTableDef& r, const ConsolidationLists& lists, qint32 consolidatedPollId) {
  if (!lists.fields.isEmpty()) return {};
  const QStringList keys = KeyFields(r);
  QString match;
  for (const QString& key : keys) {
    const int index = r.FieldIndex(key);
    if (index >= 0 && IsDateOrTime(r.fields[index].type)) continue;
    match += QStringLiteral(" AND o.%1 IS c.%1").arg(Q(key));
  }
  QList<SqlStatement> statements;
  for (const TFieldDef& field : r.fields.mid(1)) {
    if (field.type != TFieldType::Alpha || Holds(keys, field.name)) continue;
    const QString text = QStringLiteral("UPDATE %1 AS c SET %2 = (SELECT o.%2 FROM %1 AS o WHERE o.\"Poll Id\" <> ?%3 "
                                        "ORDER BY o.\"Poll Id\" DESC LIMIT 1) WHERE c.\"Poll Id\" = ?")
                             .arg(Q(r.name), Q(field.name), match);
    statements.append({text, {consolidatedPollId, consolidatedPollId}});
  }
  return statements;
}
} // namespace ConsolidationSql
