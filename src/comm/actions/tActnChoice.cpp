#include "comm/actions/tActnChoice.h"

#include "comm/actions/ActnMachineId.h"
#include "comm/actions/tActn.h"
#include "comm/actions/tActnPrgRec.h"
#include "comm/actions/tActnPrgSnd.h"
#include "comm/actions/tActnRpt.h"
#include "model/EcrErrors.h"
#include "store/streaming/TObjectStream.h"

TB_DEFINE_CLASS(tActnChoice, TObject)

tActnChoice::tActnChoice(QString machineId, const tEcr& driver) : machineId_(std::move(machineId)), driver_(&driver) {
  for (const TClass* cls : {&tActnPrgSnd::StaticClass(), &tActnPrgRec::StaticClass(), &tActnRpt::StaticClass()})
    actions_.push_back(tActn::New(*cls, nullptr, &driver));
}

tActnChoice::tActnChoice(TBlank blank) : TObject(blank) {}
tActnChoice::~tActnChoice() = default;

QString tActnChoice::Caption() { return QStringLiteral("Select Action"); }

tActn& tActnChoice::At(int index) const {
  if (index < 0 || index >= Count()) throw ERangeError();
  return *actions_[size_t(index)];
}

QString tActnChoice::Title(int index) const { return At(index).GetTitle(); }

bool tActnChoice::Choose(int index) {
  tActn& actn = At(index);
  result_.reset();
  if (!driver_ || !actn.SelectTarget(*driver_)) return false;
  const TActnMachineScope scope(machineId_);
  std::unique_ptr<TObject> copy = CopyObject(&actn);
  result_.reset(static_cast<tActn*>(copy.release()));
  return true;
}

std::unique_ptr<tActn> tActnChoice::TakeResult() { return std::move(result_); }
