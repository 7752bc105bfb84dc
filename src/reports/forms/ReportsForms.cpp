#include "reports/forms/ReportsForms.h"

#include "model/EcrForms.h"
#include "reports/forms/RptOptCrs3000Variant.h"
#include "reports/forms/TfmEcrRptOptCrs3000.h"
#include "reports/forms/TfrmAllPolls.h"
#include "reports/RptForms.h"
#include "reports/RptPollPresenter.h"
#include "platform/sys/FormRegistry.h"

void RegisterReportsForms() {
  for (const RptOptCrs3000Variant& variant : RptOptCrs3000Variants())
    FormRegistry::Register<RptOptsRequest>(
        [&variant](RptOptsRequest& request) {
          TfmEcrRptOptCrs3000 form(request.report, variant);
          form.setWindowTitle(request.caption);
          return form.exec() == QDialog::Accepted ? EcrForms::FormOk : 0;
        },
        variant.formClass);
  FormRegistry::Register<AllPollsRequest>([](AllPollsRequest&) {
    TfrmAllPolls form;
    form.exec();
    return EcrForms::FormOk;
  });
  // The presentations of stored polls need no window; a program without windows calls
  // RegisterReportPresentations itself.
  RegisterReportPresentations();
}
