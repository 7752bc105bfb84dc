#include "reports/RptProgramRows.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "platform/engine/TDatabase.h"
#include "platform/engine/TSession.h"
#include "reports/RptTableRows.h"
#include "reports/engine/RptElement.h"

std::unique_ptr<RptKeyedSource> RptProgramRows(const tEcrFnct& report, const QString& programClass) {
  const auto* driver = dynamic_cast<const tEcr*>(report.Owner());
  tEcrPrg* program = driver ? driver->FindPrgByClass(programClass) : nullptr;
  if (!program) return std::make_unique<RptNoRows>();
  const QString database = program->GetDataBaseName();
  const QString table = program->LocalTableName();
  // Only the program makes its table; a register never received has none yet.
  if (!TSession::Default().Database(database).TableExists(table)) return std::make_unique<RptNoRows>();
  return std::make_unique<RptTableRows>(database, table);
}

bool RptCaptionFrom(RptElement& label, RptKeyedSource& table, const QString& keyField, const RptValue& key,
                    const QString& textField) {
  if (!table.Locate(keyField, key)) return false;
  label.SetCaption(table.Field(textField).ToText());
  return true;
}
