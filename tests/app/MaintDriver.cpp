#include "MaintDriver.h"

#include "model/EcrStreamForm.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tAppTestPrg, tEcrPrg)
TB_DEFINE_CLASS(tAppTestEcr, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  EcrStreamForm::RegisterPrg(tAppTestPrg::StaticClass());
  RegisterStreamable(tAppTestEcr::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();
} // namespace

void tAppTestEcr::Create(TObject* owner) {
  tEcr::Create(owner);
  if (PrgCount() == 0) AddPrg(tEcrFnct::New<tAppTestPrg>(this));
}

void StoreMaintMachine(const QString& id) {
  tMachine machine;
  machine.MachineId = id;
  machine.SetEcr(tEcr::New(tAppTestEcr::StaticClass()));
  AddMachine(machine);
}
