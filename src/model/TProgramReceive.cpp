#include "model/TProgramReceive.h"

#include "model/tEcrPrg.h"
#include "platform/engine/TSession.h"

TProgramReceive::TProgramReceive(QString databaseName) : databaseName_(std::move(databaseName)) {}

TTable& TProgramReceive::Twin(tEcrPrg& program, const TTableDef& structure) {
  if (!programs_.contains(&program)) programs_.append(&program);
  return stage_.Twin(structure);
}

void TProgramReceive::Commit() {
  stage_.MoveInto(TSession::Default().Database(databaseName_), [this](TStagingArea::Mover& mover) {
    for (const QString& table : stage_.TwinNames()) mover.Replace(table);
  });
  const TDateTime now = TDateTime::Now();
  for (tEcrPrg* program : programs_) program->SetLastSvd(now);
}
