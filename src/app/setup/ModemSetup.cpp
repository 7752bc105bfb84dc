#include "app/setup/ModemSetup.h"

#include "platform/sys/FormRegistry.h"
#include "platform/sys/Prompter.h"

void RunModemSetup() {
  if (!FormRegistry::Has<ModemSetupRequest>()) {
    Prompter::ShowMessage(QStringLiteral("Modem setup is not available yet."));
    return;
  }
  ModemSetupRequest request;
  FormRegistry::Show(request);
}
