#include "reports/engine/forms/ReportEngineForms.h"

#include "platform/sys/FormRegistry.h"
#include "reports/engine/RptPreviewRequest.h"
#include "reports/engine/RptReport.h"
#include "reports/engine/forms/TRptPreviewForm.h"

void RegisterReportEngineForms() {
  FormRegistry::Register<RptPreviewRequest>([](RptPreviewRequest& request) {
    std::optional<RptPageModel> model = request.model ? request.model : request.report.Generate();
    if (!model) return 0;
    TRptPreviewForm form(request.report, std::move(*model));
    return form.exec();
  });
}
