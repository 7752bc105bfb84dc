// The action chooser.
#include "comm/actions/ActnForms.h"
#include "comm/actions/tActn.h"
#include "comm/actions/tActnChoice.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "platform/sys/FormRegistry.h"

void tActn::SelectActn(const tMachine* machine, std::unique_ptr<tActn>& action, const tEcr& driver) {
  if (action) {
    if (!action->SelectTarget(driver)) action.reset();
    return;
  }
  // Made as the chooser's first step: it publishes the machine's id.
  const std::unique_ptr<tActn> marker = New(tActn::StaticClass(), machine, &driver);
  tActnChoice choice(machine ? machine->MachineId : QString(), driver);
  ActnSelectRequest request{choice};
  const bool chosen = FormRegistry::Show(request) == ActnForms::FormOk;
  action = chosen ? choice.TakeResult() : nullptr;
}
