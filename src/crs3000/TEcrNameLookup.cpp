#include "crs3000/TEcrNameLookup.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TTable.h"

QString TEcrNameLookup::Find(const tEcrFnct& report, const QString& programClass, const QVariant& key,
                             const QString& nameColumn) {
  if (!NamePrg)
    if (const auto* driver = dynamic_cast<const tEcr*>(report.Owner())) NamePrg = driver->FindPrgByClass(programClass);
  // The program's table may have been closed since (by a send or an edit of the program).
  if (NamePrg && (!NameTable || !NameTable->Active())) NameTable = &NamePrg->OpenTable();
  if (NameTable && NameTable->Active()) {
    NameTable->SetIndexName(QString());
    if (NameTable->FindKey({key})) return NameTable->FieldByName(nameColumn).AsString();
  }
  return QStringLiteral("Undefined");
}
