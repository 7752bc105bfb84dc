#include "model/EcrStreamForm.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "store/StreamRegistry.h"
#include "store/TArray.h"
#include "store/TObjectReader.h"
#include "store/TObjectStream.h"
#include "store/TObjectWriter.h"

#include <cmath>

namespace {
tEcr* beingRead = nullptr;

// Holds the driver being read for as long as it lives.
class BeingReadScope {
public:
  explicit BeingReadScope(tEcr* ecr) : previous_(beingRead) { beingRead = ecr; }
  ~BeingReadScope() { beingRead = previous_; }
  BeingReadScope(const BeingReadScope&) = delete;
  BeingReadScope& operator=(const BeingReadScope&) = delete;

private:
  tEcr* previous_;
};

enum class ListRead {
  Read,     // the list is in the slot
  Unusable, // something else was stored (nil, or not a list of the element class)
  Failed    // the stream could not be read; it stands where the list began
};

ListRead ReadList(TObjectReader& reader, const TClass& element, std::unique_ptr<TArray>& slot) {
  std::unique_ptr<TObject> obj;
  try {
    obj = ReadStreamedObject(reader);
  } catch (const Exception&) {
    return ListRead::Failed;
  }
  auto* list = dynamic_cast<TArray*>(obj.get());
  if (!list || !list->ElementClass() || !list->ElementClass()->InheritsFrom(element)) return ListRead::Unusable;
  slot.reset(list);
  (void)obj.release();
  return ListRead::Read;
}

// A deep copy of the list whose items get the driver being read as their owner.
std::unique_ptr<TArray> CopyList(const TArray& list) {
  std::unique_ptr<TObject> copy = CopyObject(&list);
  return std::unique_ptr<TArray>(static_cast<TArray*>(copy.release()));
}
} // namespace

tEcr* EcrStreamForm::BeingRead() { return beingRead; }

void EcrStreamForm::WriteEcr(const TObject& obj, TObjectWriter& writer) {
  const auto& ecr = static_cast<const tEcr&>(obj);
  WriteStreamedObject(writer, ecr.prgs_.get());
  WriteStreamedObject(writer, ecr.rpts_.get());
}

void EcrStreamForm::ReadEcr(TObject& obj, TObjectReader& reader) {
  auto& ecr = static_cast<tEcr&>(obj);
  BeingReadScope scope(&ecr);
  const ListRead prgs = ReadList(reader, tEcrPrg::StaticClass(), ecr.prgs_);
  // After a failed list the stream no longer stands where the report list begins.
  const ListRead rpts =
      prgs == ListRead::Failed ? ListRead::Failed : ReadList(reader, tEcrRpt::StaticClass(), ecr.rpts_);

  const std::unique_ptr<tEcr> fresh = tEcr::New(ecr.ClassType());
  if (fresh->PrgCount() == 0) {
    ecr.prgs_.reset(); // the machine reader replaces such a driver by a new one
    return;
  }
  RebuildPrgs(ecr, *fresh, prgs == ListRead::Read);
  RebuildRpts(ecr, *fresh, rpts == ListRead::Read);
  Adopt(ecr);
}

void EcrStreamForm::Adopt(tEcr& ecr) {
  for (int i = 1; i <= ecr.PrgCount(); ++i) ecr.Prg(i)->SetOwner(&ecr);
  for (int i = 1; i <= ecr.RptCount(); ++i) ecr.Rpt(i)->SetOwner(&ecr);
}

void EcrStreamForm::RebuildPrgs(tEcr& ecr, const tEcr& fresh, bool storedUsable) {
  if (storedUsable && ecr.PrgCount() == fresh.PrgCount()) return;
  if (storedUsable) {
    for (int i = 1; i <= ecr.PrgCount(); ++i)
      if (tEcrPrg* same = fresh.FindPrgByClass(ecr.Prg(i)->ClassName()))
        same->SetProgramID(ecr.Prg(i)->GetProgramID());
  }
  ecr.prgs_ = CopyList(*fresh.prgs_);
}

void EcrStreamForm::RebuildRpts(tEcr& ecr, const tEcr& fresh, bool storedUsable) {
  if (storedUsable && ecr.RptCount() == fresh.RptCount()) return;
  ecr.rpts_ = CopyList(*fresh.rpts_);
}

void EcrStreamForm::RegisterPrg(const TClass& cls) { RegisterStreamable(cls, {&ReadEcrPrg}, {&WriteEcrPrg}); }

void EcrStreamForm::RegisterRpt(const TClass& cls) { RegisterStreamable(cls, {&ReadEcrRpt}, {&WriteEcrRpt}); }

void EcrStreamForm::CreateForReading(tEcrFnct& obj) {
  try {
    obj.Create(beingRead);
  } catch (const Exception&) {
    obj.Create(nullptr);
  }
}

void EcrStreamForm::ReadParams(tEcrFnct& obj, TObjectReader& reader) {
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) {
    if (reader.NextValue() != TValueType::Float) continue; // keeps its constructed value
    const double value = reader.ReadFloat();
    if (std::isfinite(value) && std::fabs(value) < 9.2e18) obj.SetCompParam(i, qint64(std::llround(value)));
  }
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) obj.SetIntParam(i, reader.ReadInteger());
}

void EcrStreamForm::WriteParams(const tEcrFnct& obj, TObjectWriter& writer) {
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) writer.WriteFloat(double(obj.GetCompParamValue(i)));
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) writer.WriteInteger(obj.GetIntParam(i));
}

void EcrStreamForm::ReadEcrPrg(TObject& obj, TObjectReader& reader) {
  auto& prg = static_cast<tEcrPrg&>(obj);
  CreateForReading(prg);
  prg.SetProgramID(reader.ReadString());
  prg.SetLastMod(TDateTime(reader.ReadFloat()));
  prg.SetLastSvd(TDateTime(reader.ReadFloat()));
  prg.SetLastSnt(TDateTime(reader.ReadFloat()));
  ReadParams(prg, reader);
}

void EcrStreamForm::WriteEcrPrg(const TObject& obj, TObjectWriter& writer) {
  const auto& prg = static_cast<const tEcrPrg&>(obj);
  writer.WriteString(prg.GetProgramID());
  writer.WriteFloat(prg.LastMod().Days());
  writer.WriteFloat(prg.LastSvd().Days());
  writer.WriteFloat(prg.LastSnt().Days());
  WriteParams(prg, writer);
}

void EcrStreamForm::ReadEcrRpt(TObject& obj, TObjectReader& reader) {
  auto& rpt = static_cast<tEcrRpt&>(obj);
  CreateForReading(rpt);
  rpt.LastRead = TDateTime(reader.ReadFloat());
  ReadParams(rpt, reader);
}

void EcrStreamForm::WriteEcrRpt(const TObject& obj, TObjectWriter& writer) {
  const auto& rpt = static_cast<const tEcrRpt&>(obj);
  writer.WriteFloat(rpt.LastRead.Days());
  WriteParams(rpt, writer);
}
