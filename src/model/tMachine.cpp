#include "model/tMachine.h"

#include "model/EcrForms.h"
#include "model/MachineList.h"
#include "model/tEcr.h"
#include "platform/sys/FormRegistry.h"
#include "platform/sys/EUserAbort.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(tMachine, TObject)

namespace {
const struct Registration {
  Registration() { RegisterStreamable(tMachine::StaticClass(), {&tMachine::ReadMachine}, {&tMachine::WriteMachine}); }
} registration;

// The stored driver; a base driver when it cannot be read.
std::unique_ptr<tEcr> ReadDriver(TObjectReader& reader) {
  try {
    std::unique_ptr<TObject> obj = ReadStreamedObject(reader);
    if (!obj) return nullptr;
    if (auto* ecr = dynamic_cast<tEcr*>(obj.get())) {
      (void)obj.release();
      return std::unique_ptr<tEcr>(ecr);
    }
  } catch (const Exception&) {
  }
  return tEcr::New(tEcr::StaticClass());
}
} // namespace

tMachine::tMachine() = default;
tMachine::tMachine(TBlank blank) : TObject(blank) {}
tMachine::~tMachine() = default;

void tMachine::SetEcr(std::unique_ptr<tEcr> ecr) {
  ecr_ = std::move(ecr);
  if (ecr_) ecr_->CreateBare(this);
}

bool tMachine::DoMaint(bool isNew, const QStringList& usedIds) {
  if (!ecr_) {
    std::unique_ptr<tEcr> chosen = tEcr::CreateChosen(this);
    if (!chosen) throw EUserAbort();
    SetEcr(std::move(chosen));
  }
  MachineMaintRequest request{*this, isNew, usedIds};
  return FormRegistry::Show(request) == EcrForms::FormOk;
}

void tMachine::Update() { UpdateMachine(*this); }

void tMachine::ReadMachine(TObject& obj, TObjectReader& reader) {
  auto& m = static_cast<tMachine&>(obj);
  m.MachineId = reader.ReadString();
  m.CommPort = reader.ReadString();
  m.BaudRate = reader.ReadInteger();
  m.ROMVersion = reader.ReadString();
  m.StoreNumber = reader.ReadInteger();
  m.MachineNumber = reader.ReadInteger();
  m.DialStr = reader.ReadString();
  m.ProgramID = reader.ReadString();
  m.Contact1 = reader.ReadString();
  m.Contact2 = reader.ReadString();
  m.SwitchNumber = reader.ReadInteger();
  m.Address = reader.ReadString();
  m.State = reader.ReadString();
  m.City = reader.ReadString();
  m.Currency = quint8(reader.ReadInteger());
  m.Zip = reader.ReadInteger();
  m.Phone = reader.ReadString();
  m.Fax = reader.ReadString();
  m.SwitchType = reader.ReadString();
  std::unique_ptr<tEcr> ecr = ReadDriver(reader);
  // A driver stored without programs comes back with today's lists of its class.
  if (ecr && !ecr->Prgs()) ecr = tEcr::New(ClassByName(ecr->ClassName() + ecr->GetClassSuffix()));
  m.SetEcr(std::move(ecr));
}

void tMachine::WriteMachine(const TObject& obj, TObjectWriter& writer) {
  const auto& m = static_cast<const tMachine&>(obj);
  writer.WriteString(m.MachineId);
  writer.WriteString(m.CommPort);
  writer.WriteInteger(m.BaudRate);
  writer.WriteString(m.ROMVersion);
  writer.WriteInteger(m.StoreNumber);
  writer.WriteInteger(m.MachineNumber);
  writer.WriteString(m.DialStr);
  writer.WriteString(m.ProgramID);
  writer.WriteString(m.Contact1);
  writer.WriteString(m.Contact2);
  writer.WriteInteger(m.SwitchNumber);
  writer.WriteString(m.Address);
  writer.WriteString(m.State);
  writer.WriteString(m.City);
  writer.WriteInteger(m.Currency);
  writer.WriteInteger(m.Zip);
  writer.WriteString(m.Phone);
  writer.WriteString(m.Fax);
  writer.WriteString(m.SwitchType);
  WriteStreamedObject(writer, m.ecr_.get());
}
