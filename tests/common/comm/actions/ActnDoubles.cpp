#include "ActnDoubles.h"

#include "model/EcrStreamForm.h"
#include "model/MachineList.h"
#include "model/tMachine.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tActnTestPrgAlpha, tEcrPrg)
TB_DEFINE_CLASS(tActnTestPrgBravo, tEcrPrg)
TB_DEFINE_CLASS(tActnTestUnstored, tEcrPrg)
TB_DEFINE_CLASS(tActnTestRptFncl, tEcrRpt)
TB_DEFINE_CLASS(tActnTestRptPlu, tEcrRpt)
TB_DEFINE_CLASS(tActnTestEcr, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  EcrStreamForm::RegisterPrg(tActnTestPrgAlpha::StaticClass());
  EcrStreamForm::RegisterPrg(tActnTestPrgBravo::StaticClass());
  EcrStreamForm::RegisterRpt(tActnTestRptFncl::StaticClass());
  EcrStreamForm::RegisterRpt(tActnTestRptPlu::StaticClass());
  RegisterStreamable(tActnTestEcr::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();

using Caps = tEcrPrgCaps;
const QString kNone = QString::fromLatin1(kNoOptionsForm);
const QString kOpts = QString::fromLatin1(ActnDoubles::kOptsForm);
} // namespace

QString tActnTestPrgAlpha::GetPrgName() const { return QStringLiteral("Alpha"); }
QString tActnTestPrgBravo::GetPrgName() const { return QStringLiteral("Bravo"); }
QString tActnTestUnstored::GetPrgName() const { return QStringLiteral("Unstored"); }
QString tActnTestPrgAlpha::GetOptsFormClass() const { return kOpts; }
QString tActnTestPrgBravo::GetOptsFormClass() const { return kNone; }
QString tActnTestUnstored::GetOptsFormClass() const { return kNone; }
tEcrPrgCapSet tActnTestPrgAlpha::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgReceive}; }
tEcrPrgCapSet tActnTestPrgBravo::GetPrgCapSet() const { return {Caps::EcrPrgSend}; }
tEcrPrgCapSet tActnTestUnstored::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgReceive}; }

QString tActnTestRptFncl::GetRptName() const { return QStringLiteral("Financial"); }
QString tActnTestRptPlu::GetRptName() const { return QStringLiteral("PLU"); }
QString tActnTestRptFncl::GetOptsFormClass() const { return kOpts; }
QString tActnTestRptPlu::GetOptsFormClass() const { return kNone; }

void tActnTestEcr::Create(TObject* owner) {
  tEcr::Create(owner);
  if (PrgCount() > 0) return;
  AddPrg(tEcrFnct::New<tActnTestPrgAlpha>(this));
  AddPrg(tEcrFnct::New<tActnTestPrgBravo>(this));
  AddRpt(tEcrFnct::New<tActnTestRptFncl>(this));
  AddRpt(tEcrFnct::New<tActnTestRptPlu>(this));
}

QString tActnTestEcr::GetModelName() const { return QStringLiteral("Test"); }

std::unique_ptr<tEcr> ActnDoubles::NewDriver() { return tEcr::New(tActnTestEcr::StaticClass()); }

std::unique_ptr<tMachine> ActnDoubles::NewMachine(const QString& id) {
  auto machine = std::make_unique<tMachine>();
  machine->MachineId = id;
  machine->CommPort = QStringLiteral("Direct to COM3");
  machine->BaudRate = 9600;
  machine->SetEcr(NewDriver());
  return machine;
}

void ActnDoubles::StoreMachine(const QString& id) { AddMachine(*NewMachine(id)); }
