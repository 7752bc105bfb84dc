#pragma once
// The statements of a consolidation, over the report table R and AllPolls. Every value is
// a bound parameter; the qualifying polls are one sub-query, however many there are.
//
// With the report's column lists (PLU, time period) the rows are grouped by the group
// list, the sum list is summed, the other listed fields are taken as grouped, and a field
// "Number" counts the result rows 1..n in group order. Without them the key fields after
// "Poll Id" group the rows, every other numeric field is summed, and each other text field
// is taken from the latest other poll with the same key (key fields holding dates or
// times are not compared); other fields stay empty.
#include "platform/engine/TableDef.h"
#include "reports/ConsolidationRanges.h"

#include <QStringList>
#include <QVariantList>

struct SqlStatement {
  QString text;
  QVariantList values;
};

struct ConsolidationLists {
  QStringList group;
  QStringList fields;
  QStringList sums;
};

namespace ConsolidationSql {
// The "Poll Id" of the qualifying polls of the report class, in Poll Id order.
SqlStatement QualifyingPolls(const QString& reportClass, const ConsolidationRanges& ranges);
// Writes the consolidated rows of R under the Poll Id; a row whose key is taken already is
// dropped.
SqlStatement InsertRows(const TTableDef& r, const ConsolidationLists& lists, qint32 consolidatedPollId,
                        const QString& reportClass, const ConsolidationRanges& ranges);
// The text fields to copy afterwards (none with column lists), one statement each.
QList<SqlStatement> FillTexts(const TTableDef& r, const ConsolidationLists& lists, qint32 consolidatedPollId);
} // namespace ConsolidationSql
