#include "reports/forms/ReportsForms.h"

#include "model/EcrForms.h"
#include "reports/forms/RptOptCrs3000Variant.h"
#include "reports/forms/TfmEcrRptOptCrs3000.h"
#include "reports/forms/TfrmAllPolls.h"
#include "reports/forms/TfrmChangeFile.h"
#include "reports/forms/TfrmInvtUpdt.h"
#include "reports/forms/TfrmOpenTable.h"
#include "reports/forms/TfrmSelectPoll.h"
#include "reports/InvtUpdtForms.h"
#include "reports/RptForms.h"
#include "reports/RptPollPresenter.h"
#include "platform/sys/FormRegistry.h"
#include "widgets/WdgShowWindow.h"

namespace {
// The inventory export's windows.
void RegisterInvtUpdtForms() {
  FormRegistry::Register<InvtUpdtRequest>([](InvtUpdtRequest&) {
    auto* form = new TfrmInvtUpdt;
    if (form->ClosedAtOnce()) {
      delete form;
      return 0;
    }
    WdgShowWindow(*form);
    return EcrForms::FormOk;
  });
  FormRegistry::Register<ChangeInvtFileRequest>([](ChangeInvtFileRequest& request) {
    TfrmChangeFile form;
    if (form.exec() != QDialog::Accepted) return 0;
    request.fileName = form.FileName();
    return EcrForms::FormOk;
  });
  FormRegistry::Register<SelectPollRequest>([](SelectPollRequest& request) {
    TfrmSelectPoll form(request.fileName);
    form.exec();
    return EcrForms::FormOk;
  });
  FormRegistry::Register<OpenTableRequest>([](OpenTableRequest& request) {
    auto* form = new TfrmOpenTable;
    form->show();
    request.close = [form] { delete form; };
    return EcrForms::FormOk;
  });
}
} // namespace

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
  RegisterInvtUpdtForms();
  // The presentations of stored polls need no window; a program without windows calls
  // RegisterReportPresentations itself.
  RegisterReportPresentations();
}
