#include "comm/link/forms/LinkForms.h"

#include "comm/link/SclPortChooser.h"
#include "comm/link/forms/TComSelectForm.h"
#include "platform/sys/FormRegistry.h"

void RegisterLinkForms() {
  FormRegistry::Register<PortChoiceRequest>([](PortChoiceRequest& request) {
    TComSelectForm form;
    const int result = form.exec();
    request.port = result == QDialog::Accepted ? form.SelectedPort() : 0;
    return result;
  });
}
