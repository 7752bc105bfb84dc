#include "comm/scripts/forms/ScriptsForms.h"

#include "comm/scripts/ScrptForms.h"
#include "comm/scripts/forms/TfmScrptSelct.h"
#include "comm/scripts/forms/TfrmScrptMaint.h"
#include "platform/sys/FormRegistry.h"

void RegisterScriptsForms() {
  FormRegistry::Register<ScrptListRequest>([](ScrptListRequest& request) {
    TfmScrptSelct form(request);
    return form.exec() == QDialog::Accepted ? ScrptForms::FormOk : 0;
  });
  FormRegistry::Register<ScrptMaintRequest>([](ScrptMaintRequest& request) {
    TfrmScrptMaint form(request.script, request.machine);
    return form.exec() == QDialog::Accepted ? ScrptForms::FormOk : 0;
  });
}
