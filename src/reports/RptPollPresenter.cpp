#include "reports/RptPollPresenter.h"

#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"
#include "reports/RptPollRun.h"
#include "reports/TQrEcrRpt.h"
#include "reports/engine/RptPdfWriter.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptPrinter.h"
#include "reports/engine/RptReportRegistry.h"

int RptPollPresenter::Present(RptPresentRequest& request) {
  RptPollRun run(request.report, request.pollId);
  if (!request.print) {
    RptPreviewRequest preview{run.Form(), std::nullopt};
    return FormRegistry::Show(preview);
  }
  const std::optional<RptPageModel> model = run.Generate();
  if (model) RptPrinter::Print(*model);
  return EcrForms::FormOk;
}

bool RptPollPresenter::WritePdf(tEcrRpt& report, qint32 pollId, const QString& fileName) {
  RptPollRun run(report, pollId);
  const std::optional<RptPageModel> model = run.Generate();
  if (!model) return false;
  RptPdfWriter::Write(*model, fileName);
  return true;
}

void RegisterReportPresentations() {
  for (const QString& formClass : RptReportRegistry::ClassNames())
    FormRegistry::Register<RptPresentRequest>(&RptPollPresenter::Present, formClass);
}
