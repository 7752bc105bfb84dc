#include "comm/actions/ActnTarget.h"

#include "model/tEcr.h"
#include "model/tEcrFnct.h"
#include "model/tMachine.h"

void ActnTarget::MoveToMachine(tEcrFnct* target, const tMachine* machine) {
  if (target && machine && machine->Ecr()) target->SetOwner(machine->Ecr());
}
