#include "crs3000/Crs3000FormTables.h"

#include "model/tEcr.h"
#include "model/tEcrFnct.h"

namespace Crs3000FormTables {
QList<Crs3000BoundTable> Bind(const tEcrFnct& report, const QList<Crs3000FormTable>& tables) {
  QList<Crs3000BoundTable> bound;
  const auto* driver = dynamic_cast<const tEcr*>(report.Owner());
  if (!driver) return bound;
  for (const Crs3000FormTable& table : tables)
    if (tEcrPrg* program = driver->FindPrgByClass(table.programClass)) bound.append({table.formTable, program});
  return bound;
}

QList<Crs3000FormTable> TimeRange() { return {{QStringLiteral("tblDesc"), QStringLiteral("tEcrPrgCrs3000TimeRange")}}; }
} // namespace Crs3000FormTables
