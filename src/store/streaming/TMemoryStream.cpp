#include "store/streaming/TMemoryStream.h"

#include "store/streaming/StreamErrors.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectWriter.h"

#include <cstring>

TB_DEFINE_CLASS(TMemoryStream, TObject)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TMemoryStream::StaticClass(), {&TMemoryStream::ReadMemoryStream},
                     {&TMemoryStream::WriteMemoryStream});
  return true;
}();
} // namespace

qint64 TMemoryStream::Read(void* buffer, qint64 count) {
  const qint64 available = qMax<qint64>(0, Size() - position_);
  const qint64 n = qBound<qint64>(0, count, available);
  if (n > 0) std::memcpy(buffer, data_.constData() + position_, size_t(n));
  position_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, qint64 count) {
  if (count <= 0) return;
  const qint64 end = position_ + count;
  // Grown by doubling here: left to itself, appending to the byte array copied far more.
  if (end > data_.capacity()) data_.reserve(qMax(end, 2 * data_.capacity()));
  if (position_ == Size()) {
    data_.append(static_cast<const char*>(buffer), count);
  } else {
    if (end > Size()) SetSize(end);
    std::memcpy(data_.data() + position_, buffer, size_t(count));
  }
  position_ += count;
}

void TMemoryStream::SetSize(qint64 size) {
  const qint64 old = Size();
  data_.resize(qMax<qint64>(0, size));
  if (size > old) std::memset(data_.data() + old, 0, size_t(size - old));
}

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::ReadMemoryStream(TObject& obj, TObjectReader& reader) {
  auto& stream = static_cast<TMemoryStream&>(obj);
  const qint32 size = reader.ReadInteger();
  if (size < 0) ReadErrors::InvalidPropertyValue();
  stream.data_ = reader.ReadBytes(size);
  stream.position_ = 0;
}

void TMemoryStream::WriteMemoryStream(const TObject& obj, TObjectWriter& writer) {
  const auto& stream = static_cast<const TMemoryStream&>(obj);
  writer.WriteInteger(qint32(stream.Size()));
  writer.Write(stream.data_.constData(), stream.Size());
  stream.position_ = 0;
}
