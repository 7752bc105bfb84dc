#include "comm/link/SclPortChooser.h"

#include "platform/sys/FormRegistry.h"

int ChooseSclPort() {
  if (!FormRegistry::Has<PortChoiceRequest>()) return 0;
  PortChoiceRequest request;
  return FormRegistry::Show(request) != 0 ? request.port : 0;
}
