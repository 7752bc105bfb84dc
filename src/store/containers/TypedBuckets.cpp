#include "store/containers/TypedBuckets.h"

#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/CompareRoutines.h"
#include "store/containers/ContainerItems.h"
#include "store/streaming/StreamRegistry.h"

namespace {
// Any bucket is ordered by the key of the first bytes of its data; compare functions may
// be handed any object (a list's ReplaceCurrent does not check), so the class is checked.
template <class Tag> auto KeyOf(const TObject& obj) {
  using Bucket = TTypedBucket<Tag>;
  return Bucket::Codec::Key(Bucket::Padded(ItemAs<TBucket>(obj).Data()).data());
}

template <class Tag> quint8 CompareTypedBucket(const TObject& first, const TObject& second) {
  return CompareValues(KeyOf<Tag>(first), KeyOf<Tag>(second));
}

template <class Tag> void RegisterBucket() {
  RegisterStreamable(TTypedBucket<Tag>::StaticClass(), {&TBucket::ReadBucket}, {&TBucket::WriteBucket});
  const QString name = QString::fromLatin1(Tag::Name);
  RegisterCompareFunc(QStringLiteral("Compare") + name.mid(1), &CompareTypedBucket<Tag>);
}

template <class... Tags> bool RegisterBuckets() {
  (RegisterBucket<Tags>(), ...);
  return true;
}

[[maybe_unused]] const bool registered =
    RegisterBuckets<TShortIntBucketTag, TIntegerBucketTag, TLongIntBucketTag, TByteBucketTag,
                    TWordBucketTag, TCharBucketTag, TBooleanBucketTag, TWordBoolBucketTag,
                    TLongBoolBucketTag, TRealBucketTag, TSingleBucketTag, TDoubleBucketTag,
                    TExtendedBucketTag, TCompBucketTag, TDateTimeBucketTag>();
} // namespace
