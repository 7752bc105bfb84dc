#include "SelectionDoubles.h"

#include "model/EcrStreamForm.h"
#include "model/tEcrFnct.h"
#include "model/tEcrPrgCaps.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(tSelRom, tEcr)
TB_DEFINE_CLASS(tSelRomZeta, tSelRom)
TB_DEFINE_CLASS(tSelRomAlpha, tSelRom)
TB_DEFINE_CLASS(tSelRomMid, tSelRom)
TB_DEFINE_CLASS(tSelModel, tEcr)
TB_DEFINE_CLASS(tSelMaker, tEcr)
TB_DEFINE_CLASS(tSelRoot, tEcr)
TB_DEFINE_CLASS(tSelPrgSales, tEcrPrg)
TB_DEFINE_CLASS(tSelPrgClerks, tEcrPrg)
TB_DEFINE_CLASS(tSelPrgTaxes, tEcrPrg)
TB_DEFINE_CLASS(tSelRptFncl, tEcrRpt)
TB_DEFINE_CLASS(tSelRptPlu, tEcrRpt)
TB_DEFINE_CLASS(tSelDriver, tEcr)

namespace {
[[maybe_unused]] const bool registered = [] {
  for (const TClass* cls : {&tSelPrgSales::StaticClass(), &tSelPrgClerks::StaticClass(), &tSelPrgTaxes::StaticClass()})
    EcrStreamForm::RegisterPrg(*cls);
  for (const TClass* cls : {&tSelRptFncl::StaticClass(), &tSelRptPlu::StaticClass()}) EcrStreamForm::RegisterRpt(*cls);
  RegisterStreamable(tSelDriver::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
  return true;
}();
using Caps = tEcrPrgCaps;
} // namespace

QList<const TClass*> tSelModel::GetSubModels() const {
  return {&tSelRomZeta::StaticClass(), &tSelRomAlpha::StaticClass(), &tSelRomMid::StaticClass()};
}

QString tSelPrgSales::GetPrgName() const { return QStringLiteral("Sales"); }
QString tSelPrgClerks::GetPrgName() const { return QStringLiteral("Clerks"); }
QString tSelPrgTaxes::GetPrgName() const { return QStringLiteral("Taxes"); }
tEcrPrgCapSet tSelPrgSales::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgReceive, Caps::EcrPrgMaint}; }
tEcrPrgCapSet tSelPrgClerks::GetPrgCapSet() const { return {Caps::EcrPrgSend}; }
tEcrPrgCapSet tSelPrgTaxes::GetPrgCapSet() const { return {Caps::EcrPrgSend, Caps::EcrPrgMaint}; }
QString tSelRptFncl::GetRptName() const { return QStringLiteral("Financial"); }
QString tSelRptPlu::GetRptName() const { return QStringLiteral("PLU"); }

void tSelDriver::Create(TObject* owner) {
  tEcr::Create(owner);
  AddPrg(tEcrFnct::New<tSelPrgSales>(this));
  AddPrg(tEcrFnct::New<tSelPrgClerks>(this));
  AddPrg(tEcrFnct::New<tSelPrgTaxes>(this));
  AddRpt(tEcrFnct::New<tSelRptFncl>(this));
  AddRpt(tEcrFnct::New<tSelRptPlu>(this));
}

std::unique_ptr<tEcr> NewSelDriver() { return tEcr::New(tSelDriver::StaticClass()); }
