#include "store/containers/TStringCombo.h"

#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/CompareRoutines.h"
#include "store/containers/ContainerItems.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(TStringCombo, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TStringCombo::StaticClass(), {&TStringCombo::ReadCombo},
                     {&TStringCombo::WriteCombo});
  RegisterCompareFunc(QStringLiteral("CompareStringCombo"), CompareStringCombo);
  RegisterCompareFunc(QStringLiteral("CompareStringComboNoCase"), CompareStringComboNoCase);
  return true;
}();
} // namespace

TStringCombo::~TStringCombo() {
  if (ownsObject_) delete obj_;
}

void TStringCombo::ReadCombo(TObject& obj, TObjectReader& reader) {
  auto& combo = static_cast<TStringCombo&>(obj);
  combo.ownsObject_ = true;
  combo.str_ = reader.ReadString();
  if (reader.ReadBoolean()) combo.obj_ = ReadStreamedObject(reader).release();
}

void TStringCombo::WriteCombo(const TObject& obj, TObjectWriter& writer) {
  const auto& combo = static_cast<const TStringCombo&>(obj);
  writer.WriteString(combo.str_);
  writer.WriteBoolean(combo.obj_ != nullptr);
  if (combo.obj_) WriteStreamedObject(writer, combo.obj_);
}

quint8 CompareStringCombo(const TObject& first, const TObject& second) {
  return CompareStrings(ItemAs<TStringCombo>(first).Str(), ItemAs<TStringCombo>(second).Str());
}

quint8 CompareStringComboNoCase(const TObject& first, const TObject& second) {
  return CompareTextNoCase(ItemAs<TStringCombo>(first).Str(), ItemAs<TStringCombo>(second).Str());
}
