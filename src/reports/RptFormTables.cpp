#include "reports/RptFormTables.h"

#include "reports/RptProgramRows.h"
#include "reports/engine/RptReport.h"

void RptFormTables::Bind(RptReport& form, const tEcrFnct& report, const QList<Crs3000FormTable>& tables) {
  for (const Crs3000FormTable& table : tables) {
    std::shared_ptr<RptKeyedSource> rows = RptProgramRows(report, table.programClass);
    rows->Rewind();
    form.Bind(table.formTable, rows.get());
    tables_.insert(table.formTable, rows);
  }
}

RptKeyedSource& RptFormTables::Table(const QString& formTable) {
  const auto found = tables_.constFind(formTable);
  return found == tables_.constEnd() ? none_ : **found;
}
