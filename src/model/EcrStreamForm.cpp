#include "model/EcrStreamForm.h"

#include "model/tEcr.h"
#include "model/tEcrPrg.h"
#include "model/tEcrRpt.h"
#include "store/streaming/Extended80.h"
#include "store/streaming/StreamRegistry.h"
#include "store/containers/TArray.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"
#include "store/streaming/TValueType.h"

#include <array>
#include <cmath>
#include <optional>

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

constexpr int kExtBias = 16383;

// A 64-bit parameter as a stored float: 80 bits hold every 64-bit value exactly, which a
// double on the way would not (values past 2^53 would lose their low bits).
void WriteCompParam(TObjectWriter& writer, qint64 value) {
  std::array<quint8, 11> bytes{}; // the type byte, then the ten bytes of the float
  bytes[0] = quint8(TValueType::Float);
  if (value != 0) {
    quint64 mantissa = value < 0 ? 0 - quint64(value) : quint64(value);
    int exponent = kExtBias + 63;
    for (; !(mantissa >> 63); mantissa <<= 1) --exponent;
    for (int i = 0; i < 8; ++i) bytes[size_t(1 + i)] = quint8(mantissa >> (8 * i));
    const int signAndExponent = exponent | (value < 0 ? 0x8000 : 0);
    bytes[9] = quint8(signAndExponent);
    bytes[10] = quint8(signAndExponent >> 8);
  }
  writer.Write(bytes.data(), qint64(bytes.size()));
}

// The whole number a stored float holds exactly, when it lies in the 64-bit range.
std::optional<qint64> ExactWholeNumber(const Extended80::TBytes& bytes) {
  quint64 mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[size_t(i)];
  if (mantissa == 0) return 0;
  const int signAndExponent = bytes[8] | (bytes[9] << 8);
  const bool negative = signAndExponent & 0x8000;
  const int shift = kExtBias + 63 - (signAndExponent & 0x7FFF); // value = mantissa / 2^shift
  if (shift < 0 || shift > 63) return std::nullopt;
  if (shift > 0 && (mantissa << (64 - shift)) != 0) return std::nullopt; // a fraction
  const quint64 magnitude = mantissa >> shift;
  if (magnitude > (negative ? quint64(1) << 63 : (quint64(1) << 63) - 1)) return std::nullopt;
  return negative ? qint64(0 - magnitude) : qint64(magnitude);
}

// A stored 64-bit parameter: exact when the float holds a whole number in range, else the
// nearest one when it is finite and in range, else none.
std::optional<qint64> ReadCompParam(TObjectReader& reader) {
  quint8 type = 0;
  reader.Read(&type, 1);
  Extended80::TBytes bytes{};
  reader.Read(bytes.data(), qint64(bytes.size()));
  if (const std::optional<qint64> exact = ExactWholeNumber(bytes)) return exact;
  const double value = Extended80::ToDouble(bytes);
  if (std::isfinite(value) && std::fabs(value) < 9.2e18) return qint64(std::llround(value));
  return std::nullopt;
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
    if (const std::optional<qint64> value = ReadCompParam(reader)) obj.SetCompParam(i, *value);
  }
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) obj.SetIntParam(i, reader.ReadInteger());
}

void EcrStreamForm::WriteParams(const tEcrFnct& obj, TObjectWriter& writer) {
  for (int i = 0; i < tEcrFnct::kParamCount; ++i) WriteCompParam(writer, obj.GetCompParamValue(i));
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
