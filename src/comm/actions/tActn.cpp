#include "comm/actions/tActn.h"

#include "comm/actions/ActnMachineId.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "model/tMachine.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(tActn, TObject)

namespace {
const struct Registration {
  Registration() { RegisterStreamable(tActn::StaticClass(), {&tActn::ReadActn}, {&tActn::WriteActn}); }
} registration;

std::unique_ptr<tMachine> CopyMachine(const tMachine& machine) {
  std::unique_ptr<TObject> copy = CopyObject(&machine);
  return std::unique_ptr<tMachine>(static_cast<tMachine*>(copy.release()));
}
} // namespace

tActn::tActn(TBlank blank) : TObject(blank) {}
tActn::~tActn() = default;

std::unique_ptr<tActn> tActn::New(const TClass& cls, const tMachine* machine, const tEcr* driver) {
  std::unique_ptr<TObject> obj(cls.NewBlank());
  auto* actn = dynamic_cast<tActn*>(obj.get());
  if (!actn) throw EClassNotRegistered();
  (void)obj.release();
  std::unique_ptr<tActn> result(actn);
  result->Create(machine, driver);
  return result;
}

void tActn::Create(const tMachine* machine, const tEcr* driver) {
  machine_ = machine ? CopyMachine(*machine) : nullptr;
  if (machine) SetLastActnMachineId(machine->MachineId);
  EcrClass = driver ? &driver->ClassType() : nullptr;
  ModelName = driver ? driver->GetModelName() : QString();
}

void tActn::SetMachine(std::unique_ptr<tMachine> machine) { machine_ = std::move(machine); }

tEcr* tActn::MachineEcr() const { return machine_ ? machine_->Ecr() : nullptr; }

QString tActn::GetSubTitle() const { return QString(); }
QString tActn::GetTitle() const { return QStringLiteral("UNDEFINED"); }
bool tActn::SelectTarget(const tEcr&) { return false; }
bool tActn::TargetAttached() const { return false; }
bool tActn::EditActn() { return false; }

QString tActn::DispTitle() const {
  const QString sub = GetSubTitle();
  return sub.isEmpty() ? GetTitle() : GetTitle() + QStringLiteral(" - ") + sub;
}

void tActn::ReadActn(TObject& obj, TObjectReader& reader) {
  auto& actn = static_cast<tActn&>(obj);
  actn.ModelName = reader.ReadString();
  const QString ecrClass = reader.ReadString();
  actn.EcrClass = ecrClass.isEmpty() ? nullptr : &ClassByName(ecrClass);
  if (!actn.machine_) {
    const QString machineId = LastActnMachineId();
    if (!machineId.isEmpty()) actn.machine_ = FindMachine(machineId);
  }
}

void tActn::WriteActn(const TObject& obj, TObjectWriter& writer) {
  const auto& actn = static_cast<const tActn&>(obj);
  writer.WriteString(actn.ModelName);
  writer.WriteString(actn.EcrClass ? actn.EcrClass->ClassName() : QString());
}

std::unique_ptr<tActn> CopyActn(const tActn& actn) {
  const TActnMachineScope scope(actn.Machine() ? actn.Machine()->MachineId : QString());
  std::unique_ptr<TObject> copy = CopyObject(&actn);
  return std::unique_ptr<tActn>(static_cast<tActn*>(copy.release()));
}
