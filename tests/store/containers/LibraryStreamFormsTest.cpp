// The stream forms of the library's own classes.
#include "StreamTestItems.h"
#include "TestSupport.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/ContainerErrors.h"
#include "store/streaming/StreamErrors.h"
#include "store/containers/TArray.h"
#include "store/containers/TCircularList.h"
#include "store/streaming/TMemoryStream.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TSavedGraphic.h"
#include "store/containers/TStack.h"
#include "store/containers/TStringCombo.h"
#include "store/containers/TypedBuckets.h"
#include "store/StreamedObjects.h"

#include <gtest/gtest.h>
#include <tuple>

using TestSupport::Hex;

namespace {
using StreamedObjects::Written;
using StreamedObjects::HexOf;



std::unique_ptr<TObject> ReadBytes(const QByteArray& bytes) {
  TObjectStream stream(std::make_unique<TMemoryStream>(bytes));
  return stream.ReadObject();
}

template <class T> std::unique_ptr<T> CopyAs(const TObject& obj) {
  std::unique_ptr<TObject> copy = CopyObject(&obj);
  EXPECT_TRUE(copy && copy->ClassType().InheritsFrom(T::StaticClass()));
  EXPECT_EQ(copy->ClassName(), obj.ClassName());
  return std::unique_ptr<T>(static_cast<T*>(copy.release()));
}

QByteArray Str(const char* text) {
  return QByteArray(1, char(0x06)) + QByteArray(1, char(qstrlen(text))) + QByteArray(text);
}

// What an object's writer put out: the bytes after the signature, class name and version.
QByteArray Body(const TObject& obj) {
  return Written(&obj).mid(4 + Str(obj.ClassName().toLatin1().constData()).size() + 2);
}

class LibraryStreamForms : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_EQ(TStreamTestItem::Live, liveBefore_); }
  int liveBefore_ = TStreamTestItem::Live;
};
} // namespace

TEST_F(LibraryStreamForms, ArrayBytes) {
  TArray array(TBucket::StaticClass(), &CompareEqual, 3, 2);
  array.Add(new TBucket(1, "\x7F"));
  EXPECT_EQ(HexOf(Written(&array)),
            HexOf(QByteArray("TPF0") + Str("TArray") + Hex("01 00") + Str("TBucket") + Str("CompareEqual") +
                  Hex("02 01  02 03  02 02  09") + QByteArray("TPF0") + Str("TBucket") + Hex("01 00  02 01  7F")));
}

TEST_F(LibraryStreamForms, ArrayCopyKeepsCapacityDeltaSortedAndOwnsItsItems) {
  auto original = std::make_unique<TStreamTestItem>(2, QStringLiteral("b"));
  TArray array(TStreamTestItem::StaticClass(), &CompareStreamTestItem, 7, 3);
  array.SetOwnsItems(false);
  array.Add(original.get());
  array.Add(new TStreamTestItem(1, QStringLiteral("a"))); // out of order: sorted clears
  ASSERT_FALSE(array.Sorted());
  auto copy = CopyAs<TArray>(array);
  EXPECT_EQ(copy->Count(), 2);
  EXPECT_EQ(copy->Capacity(), 7);
  EXPECT_EQ(copy->Delta(), 3);
  EXPECT_FALSE(copy->Sorted());
  EXPECT_TRUE(copy->GetOwnsItems());
  EXPECT_EQ(copy->ElementClass(), &TStreamTestItem::StaticClass());
  EXPECT_EQ(copy->CompareFunc(), &CompareStreamTestItem);
  EXPECT_NE(copy->GetItem(1), original.get());
  EXPECT_EQ(KeyOf(copy->GetItem(1)), 2);
  EXPECT_EQ(KeyOf(copy->GetItem(2)), 1);
  delete array.GetItem(2); // the array written did not own its items
}

TEST_F(LibraryStreamForms, ArrayReadBackGrowsByItsDelta) {
  TArray array(TStreamTestItem::StaticClass(), &CompareStreamTestItem, 1, 1);
  for (qint32 key = 1; key <= 5; ++key) array.Add(new TStreamTestItem(key));
  EXPECT_EQ(array.Capacity(), 5);
  auto copy = CopyAs<TArray>(array);
  EXPECT_EQ(copy->Capacity(), 5);
  EXPECT_TRUE(copy->Sorted());
  TStreamTestItem key(4);
  EXPECT_EQ(copy->Search(&key), 4);
}

TEST_F(LibraryStreamForms, StoredSortedFlagIsRecheckedItemByItem) {
  // Stored as sorted, but the items are not: reading clears the flag at the second item.
  const QByteArray bytes = QByteArray("TPF0") + Str("TArray") + Hex("01 00") + Str("TIntegerBucket") +
                           Str("CompareIntegerBucket") + Hex("02 02  02 02  02 00  09") +
                           QByteArray("TPF0") + Str("TIntegerBucket") + Hex("01 00  02 04  05 00 00 00") +
                           QByteArray("TPF0") + Str("TIntegerBucket") + Hex("01 00  02 04  01 00 00 00");
  auto obj = ReadBytes(bytes);
  auto& array = static_cast<TArray&>(*obj);
  EXPECT_EQ(array.Count(), 2);
  EXPECT_FALSE(array.Sorted());
}

TEST_F(LibraryStreamForms, ArrayWithMoreItemsThanItMayHold) {
  const QByteArray bytes = QByteArray("TPF0") + Str("TArray") + Hex("01 00") + Str("TStreamTestItem") +
                           Str("CompareStreamTestItem") + Hex("02 02  02 01  02 00  09") + Written(nullptr);
  TStreamTestItem one(1);
  const QByteArray withItems = bytes.left(bytes.size() - Written(nullptr).size()) + Written(&one) + Written(&one);
  ExpectRaises<EContainerIsFull>([&] { ReadBytes(withItems); }, "TContainer is full");
  ExpectRaises<EInvalidObjectType>([&] { ReadBytes(bytes); }, "Invalid object type in TContainer"); // a nil item
}

TEST_F(LibraryStreamForms, StoredCapacityAndCountAreChecked) {
  const QByteArray head = QByteArray("TPF0") + Str("TArray") + Hex("01 00") + Str("TStreamTestItem") +
                          Str("CompareStreamTestItem");
  ExpectRaises<EInvalidArrayCapacity>([&] { ReadBytes(head + Hex("02 00  02 00  02 00  09")); },
                                      "Invalid array capacity in TArray");
  ExpectRaises<EReadError>([&] { ReadBytes(head + Hex("02 FF  02 01  02 00  09")); }, "Invalid property value");
  // A huge capacity and count with nothing behind them: no gigabytes, just the end of the stream.
  ExpectRaises<EReadError>([&] { ReadBytes(head + Hex("04 FF FF FF 1F  04 FF FF FF 1F  02 00  09")); },
                           "Stream read error");
  ExpectRaises<ECompareFuncNotRegistered>(
      [] { ReadBytes(QByteArray("TPF0") + Str("TArray") + Hex("01 00") + Str("TStreamTestItem") + Str("NoSuchCompare")); },
      "Compare function not registered");
  ExpectRaises<EClassNotRegistered>(
      [] { ReadBytes(QByteArray("TPF0") + Str("TArray") + Hex("01 00") + Str("TObject") + Str("CompareEqual")); },
      "Class not registered");
}

TEST_F(LibraryStreamForms, ContainerWithAnUnnamedCompareFunctionCannotBeWritten) {
  TArray array(TStreamTestItem::StaticClass(), [](const TObject&, const TObject&) -> quint8 { return 0; }, 1, 0);
  ExpectRaises<ECompareFuncNotRegistered>([&] { Written(&array); }, "Compare function not registered");
}

TEST_F(LibraryStreamForms, OrderedListComesBackSorted) {
  // Stored out of order (as another build might have): 3, 1, 2.
  QByteArray bytes = QByteArray("TPF0") + Str("TOrderedList") + Hex("01 00") + Str("TStreamTestItem") +
                     Str("CompareStreamTestItem") + Hex("02 03");
  for (qint32 key : {3, 1, 2}) {
    TStreamTestItem item(key);
    bytes += Written(&item);
  }
  auto obj = ReadBytes(bytes);
  auto& list = static_cast<TOrderedList&>(*obj);
  EXPECT_EQ(list.Count(), 3);
  for (qint32 n = 1; n <= 3; ++n) EXPECT_EQ(KeyOf(list.GoToIndex(n)), n);
  EXPECT_TRUE(list.GetOwnsItems());
}

TEST_F(LibraryStreamForms, UnorderedAndCircularListsKeepTheirOrder) {
  TUnorderedList unordered(TStreamTestItem::StaticClass(), &CompareLess);
  TCircularList circular(TStreamTestItem::StaticClass(), &CompareLess);
  for (qint32 key : {3, 1, 2}) {
    unordered.Add(new TStreamTestItem(key));
    circular.Add(new TStreamTestItem(key));
  }
  unordered.GoToIndex(1); // the cursor is not part of the stream
  for (TNodeContainer* list : {static_cast<TNodeContainer*>(&unordered), static_cast<TNodeContainer*>(&circular)}) {
    auto copy = CopyAs<TNodeContainer>(*list);
    ASSERT_EQ(copy->Count(), 3);
    EXPECT_EQ(KeyOf(copy->GoToIndex(1)), 3);
    EXPECT_EQ(KeyOf(copy->GoToIndex(2)), 1);
    EXPECT_EQ(KeyOf(copy->GoToIndex(3)), 2);
    EXPECT_EQ(copy->CompareFunc(), &CompareLess);
  }
}

TEST_F(LibraryStreamForms, StackKeepsItsItemsInOrder) {
  TStack stack(TStreamTestItem::StaticClass(), &CompareStreamTestItem);
  for (qint32 key : {1, 2, 3}) stack.Push(new TStreamTestItem(key));
  const QByteArray bytes = Written(&stack);
  const QByteArray head = QByteArray("TPF0") + Str("TStack") + Hex("01 00") + Str("TStreamTestItem") +
                         Str("CompareStreamTestItem") + QByteArray("TPF0") + Str("TUnorderedList");
  EXPECT_EQ(HexOf(bytes.left(head.size())), HexOf(head));
  auto copy = CopyAs<TStack>(stack);
  EXPECT_EQ(copy->Count(), 3);
  std::unique_ptr<TObject> top(copy->Pop());
  EXPECT_EQ(KeyOf(top.get()), 3);
  EXPECT_EQ(KeyOf(copy->Top()), 2);
  // The inner list must be a list.
  TStreamTestItem stray(1);
  const QByteArray bad = QByteArray("TPF0") + Str("TStack") + Hex("01 00") + Str("TStreamTestItem") +
                         Str("CompareStreamTestItem") + Written(&stray);
  ExpectRaises<EInvalidObjectType>([&] { ReadBytes(bad); }, "Invalid object type in TContainer");
}

TEST_F(LibraryStreamForms, StringComboWithAnObject) {
  TStringCombo combo(QStringLiteral("key"), new TStreamTestItem(5, QStringLiteral("five")));
  combo.SetOwnsObject(true);
  EXPECT_EQ(Body(combo).left(6), Str("key") + Hex("09"));
  auto copy = CopyAs<TStringCombo>(combo);
  EXPECT_EQ(copy->Str().toStdString(), "key");
  EXPECT_TRUE(copy->OwnsObject());
  ASSERT_TRUE(copy->Obj());
  EXPECT_NE(copy->Obj(), combo.Obj());
  EXPECT_EQ(KeyOf(copy->Obj()), 5);
  TStringCombo bare(QStringLiteral("x"));
  bare.SetOwnsObject(false);
  auto bareCopy = CopyAs<TStringCombo>(bare);
  EXPECT_EQ(bareCopy->Obj(), nullptr);
  EXPECT_TRUE(bareCopy->OwnsObject());
}

TEST_F(LibraryStreamForms, EveryBucketClassRoundTrips) {
  const std::tuple<TShortIntBucket, TIntegerBucket, TLongIntBucket, TByteBucket, TWordBucket, TCharBucket,
                   TBooleanBucket, TWordBoolBucket, TLongBoolBucket, TRealBucket, TSingleBucket, TDoubleBucket,
                   TExtendedBucket, TCompBucket, TDateTimeBucket>
      buckets{TShortIntBucket(-3), TIntegerBucket(-70000), TLongIntBucket(12), TByteBucket(250), TWordBucket(60000),
              TCharBucket('q'), TBooleanBucket(true), TWordBoolBucket(true), TLongBoolBucket(false),
              TRealBucket(-10.0), TSingleBucket(0.5f), TDoubleBucket(0.1), TExtendedBucket(1e-300),
              TCompBucket(-5000000000LL), TDateTimeBucket(TDateTime(45000.75))};
  std::apply(
      [](const auto&... bucket) {
        (
            [&] {
              using Bucket = std::decay_t<decltype(bucket)>;
              auto copy = CopyAs<Bucket>(bucket);
              EXPECT_EQ(copy->Data(), bucket.Data()) << bucket.ClassName().toStdString();
              EXPECT_TRUE(copy->GetValue() == bucket.GetValue()) << bucket.ClassName().toStdString();
            }(),
            ...);
      },
      buckets);
}

TEST_F(LibraryStreamForms, BucketBytesAndLimits) {
  TBucket bucket(3, "\x01\x02\x03");
  EXPECT_EQ(Body(bucket), Hex("02 03 01 02 03"));
  const QByteArray head = QByteArray("TPF0") + Str("TBucket") + Hex("01 00");
  for (const char* size : {"02 FF", "04 00 00 01 00"})
    ExpectRaises<EReadError>([&] { ReadBytes(head + Hex(size)); }, "Invalid property value");
  ExpectRaises<EReadError>([&] { ReadBytes(head + Hex("04 FF FF 00 00 01 02")); }, "Stream read error");
  const QByteArray big(65535, 'x');
  TBucket largest(65535, big.constData());
  auto copy = CopyAs<TBucket>(largest);
  EXPECT_EQ(copy->Size(), 65535);
}

TEST_F(LibraryStreamForms, MemoryStreamForm) {
  TMemoryStream stream(QByteArray("hello"));
  stream.SetPosition(3);
  EXPECT_EQ(Body(stream), Hex("02 05") + QByteArray("hello"));
  EXPECT_EQ(stream.Position(), 0); // writing rewinds it
  auto copy = CopyAs<TMemoryStream>(stream);
  EXPECT_EQ(copy->Bytes(), QByteArray("hello"));
  EXPECT_EQ(copy->Position(), 0);
}

TEST_F(LibraryStreamForms, SavedGraphicsKeepTheirBytesAndClass) {
  const QByteArray picture = Hex("42 4D 3A 00 00 00 00 00");
  TBitmap bitmap(picture);
  TIcon icon(picture);
  TMetafile metafile(QByteArray(300, '\x01'));
  EXPECT_EQ(Body(bitmap), Hex("02 08") + picture);
  EXPECT_EQ(CopyAs<TBitmap>(bitmap)->SavedData(), picture);
  EXPECT_EQ(CopyAs<TIcon>(icon)->SavedData(), picture);
  EXPECT_EQ(CopyAs<TMetafile>(metafile)->SavedData().size(), 300);
}
