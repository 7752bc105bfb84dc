#include "comm/actions/forms/ActionsForms.h"

#include "comm/actions/ActnForms.h"
#include "comm/actions/forms/TfmActnSelect.h"
#include "platform/sys/FormRegistry.h"

void RegisterActionsForms() {
  FormRegistry::Register<ActnSelectRequest>([](ActnSelectRequest& request) {
    TfmActnSelect form(request.choice);
    return form.exec() == QDialog::Accepted ? ActnForms::FormOk : 0;
  });
}
