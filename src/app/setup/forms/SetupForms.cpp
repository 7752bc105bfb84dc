#include "app/setup/forms/SetupForms.h"

#include "app/setup/SetupForms.h"
#include "app/setup/forms/TAboutBox.h"
#include "app/setup/forms/TfmCommSetup.h"
#include "app/setup/forms/TfrmFiles.h"
#include "platform/sys/FormRegistry.h"
#include "widgets/WdgShowWindow.h"

void RegisterSetupForms() {
  FormRegistry::Register<PreferencesRequest>([](PreferencesRequest&) {
    TfrmFiles form;
    return form.exec();
  });
  FormRegistry::Register<CommSetupRequest>([](CommSetupRequest&) {
    auto* form = new TfmCommSetup();
    form->setAttribute(Qt::WA_DeleteOnClose);
    WdgShowWindow(*form);
    return 1;
  });
  FormRegistry::Register<AboutRequest>([](AboutRequest&) {
    TAboutBox form;
    return form.exec();
  });
}
