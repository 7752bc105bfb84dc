#pragma once
// The fifteen typed buckets. Each adds no field to TBucket: it reads its value from the
// first bytes of the data (bytes that a short bucket lacks read as zero) and is ordered by
// the compare function registered as "Compare" + its name without the leading T, e.g.
// "CompareIntegerBucket".
#include "store/containers/BucketCodec.h"
#include "store/containers/TBucket.h"

#include <array>
#include <cstring>

struct TShortIntBucketTag { using Codec = BucketCodec::Plain<qint8>; static constexpr const char* Name = "TShortIntBucket"; };
struct TIntegerBucketTag { using Codec = BucketCodec::Plain<qint32>; static constexpr const char* Name = "TIntegerBucket"; };
struct TLongIntBucketTag { using Codec = BucketCodec::Plain<qint32>; static constexpr const char* Name = "TLongIntBucket"; };
struct TByteBucketTag { using Codec = BucketCodec::Plain<quint8>; static constexpr const char* Name = "TByteBucket"; };
struct TWordBucketTag { using Codec = BucketCodec::Plain<quint16>; static constexpr const char* Name = "TWordBucket"; };
struct TCharBucketTag { using Codec = BucketCodec::Char; static constexpr const char* Name = "TCharBucket"; };
struct TBooleanBucketTag { using Codec = BucketCodec::ByteBool; static constexpr const char* Name = "TBooleanBucket"; };
struct TWordBoolBucketTag { using Codec = BucketCodec::WideBool<quint16>; static constexpr const char* Name = "TWordBoolBucket"; };
struct TLongBoolBucketTag { using Codec = BucketCodec::WideBool<quint32>; static constexpr const char* Name = "TLongBoolBucket"; };
struct TRealBucketTag { using Codec = BucketCodec::Real6; static constexpr const char* Name = "TRealBucket"; };
struct TSingleBucketTag { using Codec = BucketCodec::Plain<float>; static constexpr const char* Name = "TSingleBucket"; };
struct TDoubleBucketTag { using Codec = BucketCodec::Plain<double>; static constexpr const char* Name = "TDoubleBucket"; };
struct TExtendedBucketTag { using Codec = BucketCodec::Extended; static constexpr const char* Name = "TExtendedBucket"; };
struct TCompBucketTag { using Codec = BucketCodec::Plain<qint64>; static constexpr const char* Name = "TCompBucket"; };
struct TDateTimeBucketTag { using Codec = BucketCodec::DateTime; static constexpr const char* Name = "TDateTimeBucket"; };

template <class Tag> class TTypedBucket final : public TBucket {
public:
  using Codec = typename Tag::Codec;
  using Value = typename Codec::Value;

  static const TClass& StaticClass() {
    static const TClass cls(Tag::Name, &TBucket::StaticClass(),
                            []() -> TObject* { return new TTypedBucket(TBlank{}); });
    return cls;
  }
  const TClass& ClassType() const override { return StaticClass(); }

  explicit TTypedBucket(TBlank blank) : TBucket(blank) {}
  TTypedBucket(quint16 size, const void* source) : TBucket(size, source) {}
  explicit TTypedBucket(Value value) : TTypedBucket(Encoded(value)) {}

  Value GetValue() const { return Codec::Get(Padded(Data()).data()); }

  // The first Codec::Size bytes of a bucket's data, zero-filled where it is shorter.
  static std::array<quint8, Codec::Size> Padded(const QByteArray& data) {
    std::array<quint8, Codec::Size> bytes{};
    std::memcpy(bytes.data(), data.constData(), size_t(qMin<qsizetype>(data.size(), Codec::Size)));
    return bytes;
  }

private:
  explicit TTypedBucket(const std::array<quint8, Codec::Size>& bytes) : TBucket(Codec::Size, bytes.data()) {}
  static std::array<quint8, Codec::Size> Encoded(Value value) {
    std::array<quint8, Codec::Size> bytes{};
    Codec::Put(value, bytes.data());
    return bytes;
  }
};

using TShortIntBucket = TTypedBucket<TShortIntBucketTag>;
using TIntegerBucket = TTypedBucket<TIntegerBucketTag>;
using TLongIntBucket = TTypedBucket<TLongIntBucketTag>;
using TByteBucket = TTypedBucket<TByteBucketTag>;
using TWordBucket = TTypedBucket<TWordBucketTag>;
using TCharBucket = TTypedBucket<TCharBucketTag>;
using TBooleanBucket = TTypedBucket<TBooleanBucketTag>;
using TWordBoolBucket = TTypedBucket<TWordBoolBucketTag>;
using TLongBoolBucket = TTypedBucket<TLongBoolBucketTag>;
using TRealBucket = TTypedBucket<TRealBucketTag>;
using TSingleBucket = TTypedBucket<TSingleBucketTag>;
using TDoubleBucket = TTypedBucket<TDoubleBucketTag>;
using TExtendedBucket = TTypedBucket<TExtendedBucketTag>;
using TCompBucket = TTypedBucket<TCompBucketTag>;
using TDateTimeBucket = TTypedBucket<TDateTimeBucketTag>;
