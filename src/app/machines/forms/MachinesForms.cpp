#include "app/machines/forms/MachinesForms.h"

#include "app/machines/forms/TfmMachSelct.h"
#include "app/machines/forms/TfmMachineMaint.h"
#include "model/EcrForms.h"
#include "platform/sys/FormRegistry.h"

void RegisterMachinesForms() {
  FormRegistry::Register<MachineListRequest>([](MachineListRequest& request) {
    TfmMachSelct form(request);
    return form.exec() == QDialog::Accepted ? EcrForms::FormOk : 0;
  });
  FormRegistry::Register<MachineMaintRequest>([](MachineMaintRequest& request) {
    TfmMachineMaint form(request);
    return form.exec() == QDialog::Accepted ? EcrForms::FormOk : 0;
  });
}
