#include "reports/RptPollRun.h"

#include "model/tEcrRpt.h"
#include "platform/engine/EngineConfig.h"
#include "reports/RptTableRows.h"
#include "reports/TQrEcrRpt.h"
#include "reports/engine/RptErrors.h"
#include "reports/engine/RptReportRegistry.h"

RptPollRun::RptPollRun(tEcrRpt& report, qint32 pollId) {
  const QString formClass = report.ReportFormClass();
  std::unique_ptr<RptReport> made = RptReportRegistry::Create(formClass);
  auto* form = dynamic_cast<TQrEcrRpt*>(made.get());
  if (!form) throw ERptDefinition(formClass + QStringLiteral(" is no report form of stored polls"));
  made.release();
  form_.reset(form);
  tEcrRpt::OpenAllPolls();
  header_ = std::make_unique<RptTableRows>(QString::fromLatin1(EngineConfig::kDataAlias), QStringLiteral("AllPolls"), pollId);
  rows_ = std::make_unique<RptTableRows>(report.GetDataBaseName(), report.GetTableName(), pollId);
  form_->SetPoll(header_.get(), rows_.get());
  form_->BindPrograms(report);
}

RptPollRun::~RptPollRun() = default;

std::optional<RptPageModel> RptPollRun::Generate() { return form_->Generate(); }
