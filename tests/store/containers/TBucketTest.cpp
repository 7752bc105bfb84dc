#include "store/containers/TypedBuckets.h"

#include "StreamTestItems.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/ContainerErrors.h"
#include "TestSupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The data of two buckets and the expected compare result (compare functions read the
// data of any bucket).
struct CompareCase {
  const char* compareName;
  const char* first; // hex data
  const char* second;
  quint8 expected;
};

std::unique_ptr<TBucket> FromHex(const char* hex) {
  const QByteArray data = TestSupport::Hex(hex);
  return std::make_unique<TBucket>(quint16(data.size()), data.constData());
}
} // namespace

TEST(TBucket, CopiesTheData) {
  char source[] = {1, 2, 3};
  TBucket bucket(3, source);
  source[0] = 9;
  EXPECT_EQ(bucket.Size(), 3);
  EXPECT_EQ(bucket.Data(), QByteArray("\x01\x02\x03", 3));
}

TEST(TBucket, TypedValuesFromTheirBytes) {
  EXPECT_EQ(TShortIntBucket(-5).Data(), TestSupport::Hex("FB"));
  EXPECT_EQ(TIntegerBucket(0x01020304).Data(), TestSupport::Hex("04 03 02 01"));
  EXPECT_EQ(TWordBucket(0xABCD).Data(), TestSupport::Hex("CD AB"));
  EXPECT_EQ(TCompBucket(-2).Data(), TestSupport::Hex("FE FF FF FF FF FF FF FF"));
  EXPECT_EQ(TWordBoolBucket(true).Data(), TestSupport::Hex("FF FF"));
  EXPECT_EQ(TLongBoolBucket(false).Data(), TestSupport::Hex("00 00 00 00"));
  EXPECT_EQ(TRealBucket(1.0).Data(), TestSupport::Hex("81 00 00 00 00 00"));
  EXPECT_EQ(TExtendedBucket(1.0).Data(), TestSupport::Hex("00 00 00 00 00 00 00 80 FF 3F"));
  EXPECT_EQ(TDoubleBucket(1.0).Data(), TestSupport::Hex("00 00 00 00 00 00 F0 3F"));
  EXPECT_EQ(TSingleBucket(1.0f).Data(), TestSupport::Hex("00 00 80 3F"));
  EXPECT_EQ(TDateTimeBucket(TDateTime(36526.0)).GetValue().Days(), 36526.0);
  EXPECT_EQ(TCharBucket('\xE9').GetValue(), '\xE9');
  EXPECT_EQ(TLongIntBucket(-7).GetValue(), -7);
  EXPECT_EQ(TByteBucket(200).GetValue(), 200);
  EXPECT_TRUE(TBooleanBucket(true).GetValue());
  const quint8 two[] = {2, 0};
  EXPECT_TRUE(TWordBoolBucket(2, two).GetValue());
}

TEST(TBucket, ShortDataReadsAsZeroFilled) {
  const quint8 one[] = {0x05};
  EXPECT_EQ(TIntegerBucket(1, one).GetValue(), 5);
  EXPECT_EQ(TIntegerBucket(0, nullptr).GetValue(), 0);
  EXPECT_EQ(TExtendedBucket(0, nullptr).GetValue(), 0.0);
}

TEST(TBucket, RealBucketRefusesAValueItCannotHold) {
  ExpectRaises<EReal48Overflow>([] { TRealBucket(1e300); }, "Value out of range of a 6-byte real");
}

TEST(TBucket, ClassNamesAndParent) {
  EXPECT_EQ(TShortIntBucket::StaticClass().ClassName().toStdString(), "TShortIntBucket");
  EXPECT_EQ(TDateTimeBucket(TDateTime(1.0)).ClassName().toStdString(), "TDateTimeBucket");
  EXPECT_TRUE(TCompBucket::StaticClass().InheritsFrom(TBucket::StaticClass()));
  std::unique_ptr<TObject> blank(TWordBoolBucket::StaticClass().NewBlank());
  EXPECT_EQ(blank->ClassName().toStdString(), "TWordBoolBucket");
}

TEST(TBucket, CompareFunctionsOrderByValue) {
  const CompareCase cases[] = {
      {"CompareShortIntBucket", "FF", "01", 1},
      {"CompareIntegerBucket", "00 00 00 80", "FF FF FF 7F", 1},
      {"CompareLongIntBucket", "02 00 00 00", "01 00 00 00", 2},
      {"CompareByteBucket", "FF", "01", 2},
      {"CompareWordBucket", "00 80", "FF 7F", 2},
      {"CompareCharBucket", "E9", "7A", 2},
      {"CompareBooleanBucket", "01", "02", 1},
      {"CompareWordBoolBucket", "01 00", "FF FF", 0},
      {"CompareWordBoolBucket", "00 00", "00 01", 1},
      {"CompareLongBoolBucket", "00 00 00 01", "00 00 00 00", 2},
      {"CompareRealBucket", "81 00 00 00 00 80", "81 00 00 00 00 00", 1},
      {"CompareRealBucket", "00 00 00 00 00 80", "00 00 00 00 00 00", 0},
      {"CompareSingleBucket", "00 00 80 BF", "00 00 80 3F", 1},
      {"CompareDoubleBucket", "00 00 00 00 00 00 00 40", "00 00 00 00 00 00 F0 3F", 2},
      {"CompareExtendedBucket", "00 00 00 00 00 00 00 80 FF 3F",
       "00 00 00 00 00 00 00 80 FF 3F", 0},
      {"CompareExtendedBucket", "00 00 00 00 00 00 00 80 FF BF",
       "00 00 00 00 00 00 00 80 FF 3F", 1},
      {"CompareCompBucket", "FF FF FF FF FF FF FF FF", "00 00 00 00 00 00 00 00", 1},
      {"CompareDateTimeBucket", "00 00 00 00 00 D6 E1 40",
       "00 00 00 00 00 00 F0 3F", 2},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(std::string(c.compareName) + " " + c.first + " / " + c.second);
    const TCompareFunc compare = CompareFuncByName(QString::fromLatin1(c.compareName));
    const auto first = FromHex(c.first);
    const auto second = FromHex(c.second);
    EXPECT_EQ(compare(*first, *second), c.expected);
    EXPECT_EQ(compare(*second, *first), c.expected == 0 ? 0 : 3 - c.expected);
  }
}

TEST(TBucket, CompareFunctionsRefuseOtherClasses) {
  TStreamTestOther other;
  TIntegerBucket bucket(1);
  const TCompareFunc compare = CompareFuncByName(QStringLiteral("CompareIntegerBucket"));
  ExpectRaises<EInvalidObjectType>([&] { compare(bucket, other); }, "Invalid object type in TContainer");
}
