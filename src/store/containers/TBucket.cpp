#include "store/containers/TBucket.h"

#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(TBucket, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TBucket::StaticClass(), {&TBucket::ReadBucket}, {&TBucket::WriteBucket});
  return true;
}();
} // namespace

TBucket::TBucket(quint16 size, const void* source)
    : data_(static_cast<const char*>(source), size) {}

void TBucket::ReadBucket(TObject& obj, TObjectReader& reader) {
  auto& bucket = static_cast<TBucket&>(obj);
  const qint32 size = reader.ReadInteger();
  if (size < 0 || size > MaxSize) ReadErrors::InvalidPropertyValue();
  bucket.data_ = reader.ReadBytes(size);
}

void TBucket::WriteBucket(const TObject& obj, TObjectWriter& writer) {
  const auto& bucket = static_cast<const TBucket&>(obj);
  writer.WriteInteger(bucket.data_.size());
  writer.Write(bucket.data_.constData(), bucket.data_.size());
}
