#include "reports/InvtPluTables.h"

namespace {
// The PLU reports of other register drivers join this table with their own fields.
const InvtPluTable kTables[] = {
    {"tEcrRptCrs3000PLU", "tEcrRptCRS3000Plu", "Count", "Total", "Memory Number"},
};
} // namespace

std::optional<InvtPluTable> SelectPluTable(const QString& reportClass) {
  for (const InvtPluTable& table : kTables)
    if (reportClass == QLatin1String(table.reportClass)) return table;
  return std::nullopt;
}
