#include "model/tEcr.h"

#include "model/EcrDataLists.h"
#include "model/EcrErrors.h"
#include "model/EcrForms.h"
#include "model/EcrStreamForm.h"
#include "model/tEcrModelChoice.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "model/tEcrSelection.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/ScopeGuard.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/TObjectStream.h"

TB_DEFINE_CLASS(tEcr, TObject)

namespace {
quint8 Ordinal(const QString& first, const QString& second) {
  const int c = QString::compare(first, second, Qt::CaseSensitive);
  return c == 0 ? CompareResult::Equal : c < 0 ? CompareResult::Less : CompareResult::Greater;
}

QString PrgNameOf(const TObject& obj) {
  const auto* prg = dynamic_cast<const tEcrPrg*>(&obj);
  return prg ? prg->GetPrgName() : QString();
}

QString RptNameOf(const TObject& obj) {
  const auto* rpt = dynamic_cast<const tEcrRpt*>(&obj);
  return rpt ? rpt->GetRptName() : QString();
}

quint8 ComparePrgs(const TObject& first, const TObject& second) {
  return Ordinal(PrgNameOf(first), PrgNameOf(second));
}

quint8 CompareRpts(const TObject& first, const TObject& second) {
  return Ordinal(RptNameOf(first), RptNameOf(second));
}

const struct Registration {
  Registration() {
    RegisterCompareFunc(QStringLiteral("ComparePrgs"), &ComparePrgs);
    RegisterCompareFunc(QStringLiteral("CompareRpts"), &CompareRpts);
    RegisterStreamable(tEcr::StaticClass(), {&EcrStreamForm::ReadEcr}, {&EcrStreamForm::WriteEcr});
    // The element classes of the two lists, which the lists' stream form names.
    EcrStreamForm::RegisterPrg(tEcrPrg::StaticClass());
    EcrStreamForm::RegisterRpt(tEcrRpt::StaticClass());
  }
} registration;

template <class T> std::unique_ptr<T> CopyAs(const T* obj) {
  std::unique_ptr<TObject> copy = CopyObject(obj);
  return std::unique_ptr<T>(dynamic_cast<T*>(copy.release()));
}
} // namespace

tEcr::tEcr(TBlank blank) : TObject(blank) {}

tEcr::~tEcr() = default;

void tEcr::Create(TObject* owner) {
  owner_ = owner;
  CreateLists();
}

void tEcr::CreateBare(TObject* owner) { owner_ = owner; }

void tEcr::CreateLists() {
  if (!prgs_)
    prgs_ = std::make_unique<TArray>(tEcrPrg::StaticClass(), CompareFuncByName(QStringLiteral("ComparePrgs")), 1, 1);
  if (!rpts_)
    rpts_ = std::make_unique<TArray>(tEcrRpt::StaticClass(), CompareFuncByName(QStringLiteral("CompareRpts")), 1, 1);
}

std::unique_ptr<tEcr> tEcr::New(const TClass& cls, TObject* owner) {
  if (!cls.InheritsFrom(tEcr::StaticClass()) || cls.IsAbstract())
    throw EClassNotEcr(cls.ClassName() + QStringLiteral(" is not a register driver class"));
  std::unique_ptr<tEcr> ecr(static_cast<tEcr*>(cls.NewBlank()));
  ecr->Create(owner);
  return ecr;
}

std::unique_ptr<tEcr> tEcr::CreateChosen(TObject* owner) {
  std::unique_ptr<tEcr> base = New(tEcr::StaticClass(), owner);
  tEcr* result = nullptr;
  base->SelectModel(result, 0);
  if (result == base.get()) return base;
  return std::unique_ptr<tEcr>(result);
}

QString tEcr::GetMfgName() const { return QStringLiteral("Manufacturer Undefined"); }
QString tEcr::GetModelName() const { return QStringLiteral("Model Undefined"); }
QString tEcr::GetRomName() const { return QStringLiteral("ROM UNDEFINED"); }

QList<const TClass*> tEcr::GetSubModels() const {
  try {
    return {&ClassByName(QStringLiteral("tEcrCrs"))};
  } catch (const EClassNotRegistered&) {
    return {}; // no maker's drivers are built into this program
  }
}

QObject* tEcr::CreateCommModule(QObject*) { return nullptr; }

QString tEcr::GetClassSuffix() const { return QString(); }

void tEcr::GetModel(tEcr*& result) { SelectModel(result, 0); }

int tEcr::PrgCount() const { return prgs_ ? prgs_->Count() : 0; }
int tEcr::RptCount() const { return rpts_ ? rpts_->Count() : 0; }

tEcrPrg* tEcr::Prg(int index) const {
  if (!prgs_) throw ERangeError();
  return static_cast<tEcrPrg*>(prgs_->GetItem(index));
}

tEcrRpt* tEcr::Rpt(int index) const {
  if (!rpts_) throw ERangeError();
  return static_cast<tEcrRpt*>(rpts_->GetItem(index));
}

void tEcr::AddPrg(std::unique_ptr<tEcrPrg> prg) {
  CreateLists();
  prgs_->Add(prg.get());
  (void)prg.release(); // the array owns it now
}

void tEcr::AddRpt(std::unique_ptr<tEcrRpt> rpt) {
  CreateLists();
  rpts_->Add(rpt.get());
  (void)rpt.release();
}

void tEcr::PrgsToSend(QStringList& list) const {
  for (int i = 1; i <= PrgCount(); ++i)
    if (Prg(i)->GetPrgCapSet().Has(tEcrPrgCaps::EcrPrgSend)) list.append(Prg(i)->GetPrgName());
}

void tEcr::PrgsToSendAll(QStringList& list) const {
  for (int i = 1; i <= PrgCount(); ++i) {
    const tEcrPrgCapSet caps = Prg(i)->GetPrgCapSet();
    if (caps.Has(tEcrPrgCaps::EcrPrgSend) && !caps.Has(tEcrPrgCaps::EcrPrgNotSendAll))
      list.append(Prg(i)->GetPrgName());
  }
}

void tEcr::PrgsToSave(QStringList& list) const {
  for (int i = 1; i <= PrgCount(); ++i)
    if (Prg(i)->GetPrgCapSet().Has(tEcrPrgCaps::EcrPrgReceive)) list.append(Prg(i)->GetPrgName());
}

void tEcr::PrgsToMaint(QStringList& list) const {
  list.clear();
  for (int i = 1; i <= PrgCount(); ++i)
    if (Prg(i)->GetPrgCapSet().Has(tEcrPrgCaps::EcrPrgMaint)) list.append(Prg(i)->GetPrgName());
}

tEcrPrg* tEcr::FindPrgByClass(const QString& className) const {
  for (int i = 1; i <= PrgCount(); ++i)
    if (Prg(i)->ClassName() == className) return Prg(i);
  return nullptr;
}

tEcrRpt* tEcr::FindRptByClass(const QString& className) const {
  for (int i = 1; i <= RptCount(); ++i)
    if (Rpt(i)->ClassName().compare(className, Qt::CaseInsensitive) == 0) return Rpt(i);
  return nullptr;
}

std::unique_ptr<tEcrPrg> tEcr::FindPrgByName(const QString& name) const {
  for (int i = 1; i <= PrgCount(); ++i)
    if (Prg(i)->GetPrgName().compare(name, Qt::CaseInsensitive) == 0) return CopyAs(Prg(i));
  return nullptr;
}

std::unique_ptr<tEcrRpt> tEcr::FindRptByName(const QString& name) const {
  for (int i = 1; i <= RptCount(); ++i)
    if (Rpt(i)->GetRptName().compare(name, Qt::CaseInsensitive) == 0) return CopyAs(Rpt(i));
  return nullptr;
}

void tEcr::MakeRptLstBx(QStringList& list) const {
  list.clear();
  for (int i = 1; i <= RptCount(); ++i) {
    const QString name = Rpt(i)->GetRptName();
    if (!list.contains(name, Qt::CaseInsensitive)) list.append(name);
  }
}

void tEcr::SelectModel(tEcr*& result, int level) {
  static const char* const words[] = {"Manufacturer", "Model", "ROM Version"};
  if (level < 0 || level > 2) throw EAssertionFailed(QStringLiteral("Unknown Mode in SelectModel"));
  tEcrModelChoice choice(QString::fromLatin1(words[level]), result);
  {
    const auto restore = OnScopeFailure([&] { choice.DropResult(); });
    for (const TClass* cls : GetSubModels()) {
      std::unique_ptr<tEcr> candidate = New(*cls);
      const QString text = level == 0 ? candidate->MfgName()
                           : level == 1 ? candidate->ModelName()
                                        : candidate->RomName();
      choice.Add(std::move(candidate), text);
    }
    ModelChoiceRequest request{choice, choice.Caption()};
    if (FormRegistry::Show(request) != EcrForms::FormOk) choice.DropResult();
  }
}

std::unique_ptr<tEcrPrg> tEcr::SelectAPrg(PrgMode mode) const {
  tEcrSelection selection(*this, mode, false, OfferedPrgs(mode));
  PrgSelectRequest request{selection};
  if (FormRegistry::Show(request) != EcrForms::FormOk) return nullptr;
  if (selection.Chosen.isEmpty()) return nullptr;
  return FindPrgByName(selection.Chosen.first());
}

std::optional<std::vector<tEcr::ChosenPrg>> tEcr::SelectPrgs(PrgMode mode) const {
  tEcrSelection selection(*this, mode, true, OfferedPrgs(mode));
  PrgSelectRequest request{selection};
  if (FormRegistry::Show(request) != EcrForms::FormOk) return std::nullopt;
  std::vector<ChosenPrg> chosen;
  for (const QString& name : selection.Chosen)
    if (std::unique_ptr<tEcrPrg> copy = FindPrgByName(name)) chosen.push_back(ChosenPrg{name, std::move(copy)});
  return chosen;
}

std::unique_ptr<tEcrRpt> tEcr::SelectARpt() const {
  QStringList offered;
  MakeRptLstBx(offered);
  tEcrSelection selection(*this, 0, false, offered);
  RptSelectRequest request{selection};
  if (FormRegistry::Show(request) != EcrForms::FormOk) return nullptr;
  if (selection.Chosen.isEmpty()) return nullptr;
  return FindRptByName(selection.Chosen.first());
}

void tEcr::EditProgramIDs(const QString& defaultID) {
  PrgIdRequest request{*this, defaultID};
  FormRegistry::Show(request);
}

QStringList tEcr::OfferedPrgs(PrgMode mode) const {
  QStringList names;
  if (mode == ModeSend)
    PrgsToSend(names);
  else if (mode == ModeSave)
    PrgsToSave(names);
  else
    PrgsToMaint(names);
  return names;
}

// The base maps name nothing; the structs start with the base values.
void tEcr::GetPLUPrgFields(TEcrPrgItemFields& fields) const { fields = TEcrPrgItemFields(); }
void tEcr::GetUPCPrgFields(TEcrPrgItemFields& fields) const { fields = TEcrPrgItemFields(); }
void tEcr::GetPLURptFields(TEcrPLURptFields& fields) const { fields = TEcrPLURptFields(); }
void tEcr::GetFnclRptFields(TEcrFnclRptFields& fields) const { fields = TEcrFnclRptFields(); }
void tEcr::GetGroupPrgFields(TEcrGroupPrgFields& fields) const { fields = TEcrGroupPrgFields(); }
void tEcr::GetGroupRptFields(TEcrGroupRptFields& fields) const { fields = TEcrGroupRptFields(); }
void tEcr::GetEmplPrgFields(TEcrEmplPrgFields& fields) const { fields = TEcrEmplPrgFields(); }
void tEcr::GetEmplRptFields(TEcrEmplRptFields& fields) const { fields = TEcrEmplRptFields(); }

void tEcr::GetFnclList(QStringList& list) const { EcrDataLists::GetFnclList(*this, list); }
void tEcr::GetPLUList(QStringList& list) const { EcrDataLists::GetPLUList(*this, list); }
void tEcr::GetUPCList(QStringList& list) const { EcrDataLists::GetUPCList(*this, list); }
void tEcr::GetGroupList(QStringList& list) const { EcrDataLists::GetGroupList(*this, list); }
void tEcr::GetEmplList(QStringList& list) const { EcrDataLists::GetEmplList(*this, list); }
void tEcr::GetPLUPoll(QStringList& list, const QString& pollId) const { EcrDataLists::GetPLUPoll(*this, list, pollId); }
void tEcr::GetFnclPoll(QStringList& list, const QString& pollId) const {
  EcrDataLists::GetFnclPoll(*this, list, pollId);
}
void tEcr::GetGroupPoll(QStringList& list, const QString& pollId) const {
  EcrDataLists::GetGroupPoll(*this, list, pollId);
}
void tEcr::GetTKPoll(QStringList& list, const QString& pollId) const { EcrDataLists::GetTKPoll(*this, list, pollId); }
void tEcr::GetPLUPrgInfo(QStringList& list) const { EcrDataLists::GetPLUPrgInfo(*this, list); }
void tEcr::GetUPCPrgInfo(QStringList& list) const { EcrDataLists::GetUPCPrgInfo(*this, list); }
