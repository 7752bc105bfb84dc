#pragma once
// A value holder: a copy of up to 65,535 bytes of raw data. The typed buckets
// (TypedBuckets.h) read their value from the first bytes of it.
#include "platform/sys/TObject.h"

#include <QByteArray>

class TObjectReader;
class TObjectWriter;

class TBucket : public TObject {
  TB_OBJECT(TBucket)
public:
  static constexpr int MaxSize = 65535;

  // Copies size bytes from the source.
  TBucket(quint16 size, const void* source);
  explicit TBucket(TBlank blank) : TObject(blank) {}

  quint16 Size() const { return quint16(data_.size()); }
  const QByteArray& Data() const { return data_; }

  // The stream form of every bucket: the data size, then the data as raw bytes. A stored
  // size outside 0..65535 is an invalid value.
  static void ReadBucket(TObject& obj, TObjectReader& reader);
  static void WriteBucket(const TObject& obj, TObjectWriter& writer);

private:
  QByteArray data_;
};
