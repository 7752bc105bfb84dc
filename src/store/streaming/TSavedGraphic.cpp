#include "store/streaming/TSavedGraphic.h"

#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_ABSTRACT_CLASS(TSavedGraphic, TObject)
TB_DEFINE_CLASS(TBitmap, TSavedGraphic)
TB_DEFINE_CLASS(TIcon, TSavedGraphic)
TB_DEFINE_CLASS(TMetafile, TSavedGraphic)

namespace {
[[maybe_unused]] const bool registered = [] {
  for (const TClass* cls : {&TBitmap::StaticClass(), &TIcon::StaticClass(), &TMetafile::StaticClass()})
    RegisterStreamable(*cls, {&TSavedGraphic::ReadGraphic}, {&TSavedGraphic::WriteGraphic});
  return true;
}();
} // namespace

void TSavedGraphic::ReadGraphic(TObject& obj, TObjectReader& reader) {
  auto& graphic = static_cast<TSavedGraphic&>(obj);
  const qint32 size = reader.ReadInteger();
  if (size < 0) ReadErrors::InvalidPropertyValue();
  graphic.saved_ = reader.ReadBytes(size);
}

void TSavedGraphic::WriteGraphic(const TObject& obj, TObjectWriter& writer) {
  const auto& graphic = static_cast<const TSavedGraphic&>(obj);
  writer.WriteInteger(qint32(graphic.saved_.size()));
  writer.Write(graphic.saved_.constData(), graphic.saved_.size());
}
