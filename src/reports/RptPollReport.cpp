#include "reports/RptPollReport.h"

#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tEcrRpt.h"
#include "model/tMachine.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TQuery.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"

RptPollReport::RptPollReport(const RptPollClasses& poll) : machine_(FindMachine(poll.machineId)) {
  tEcr* driver = machine_ ? machine_->Ecr() : nullptr;
  if (driver) report_ = driver->FindRptByClass(poll.reportClass);
  if (report_) return;
  const TClass& reportClass = ClassByName(poll.reportClass);
  if (!driver) {
    driver_ = tEcr::New(ClassByName(poll.driverClass));
    driver = driver_.get();
  }
  made_ = tEcrFnct::CreateByClass(reportClass, driver);
  report_ = dynamic_cast<tEcrRpt*>(made_.get());
  if (!report_) throw EClassNotRegistered();
}

RptPollReport::~RptPollReport() = default;

RptPollClasses RptPollReport::ClassesOf(qint32 pollId) {
  tEcrRpt::OpenAllPolls();
  TQuery query(QString::fromLatin1(EngineConfig::kDataAlias));
  query.Exec(QStringLiteral("SELECT \"Machine Id\", \"EcrRptClass\", \"EcrClass\" FROM \"AllPolls\" WHERE \"Poll Id\" = ?"),
             {pollId});
  if (!query.Next()) return {};
  return {query.Value(0).toString(), query.Value(1).toString(), query.Value(2).toString()};
}
