#include "store/containers/TArray.h"

#include "StreamTestItems.h"
#include "store/containers/CompareFuncRegistry.h"
#include "store/containers/ContainerErrors.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {
class TArrayTest : public ::testing::Test {
protected:
  void TearDown() override { EXPECT_EQ(TStreamTestItem::Live, liveBefore_); }

  static std::unique_ptr<TArray> Make(qint32 capacity, qint32 delta, std::vector<qint32> keys = {}) {
    auto array = std::make_unique<TArray>(TStreamTestItem::StaticClass(), &CompareStreamTestItem, capacity, delta);
    for (qint32 key : keys) array->Add(new TStreamTestItem(key));
    return array;
  }
  static std::vector<qint32> Keys(const TArray& array) {
    std::vector<qint32> keys;
    for (qint32 i = 1; i <= array.Count(); ++i) keys.push_back(KeyOf(array.GetItem(i)));
    return keys;
  }

  int liveBefore_ = TStreamTestItem::Live;
};
} // namespace

TEST_F(TArrayTest, FullWithoutDeltaRefusesAndKeepsTheItem) {
  auto array = Make(2, 0, {1, 2});
  auto third = std::make_unique<TStreamTestItem>(3);
  ExpectRaises<EContainerIsFull>([&] { array->Add(third.get()); }, "TContainer is full");
  EXPECT_EQ(array->Count(), 2);
  EXPECT_EQ(array->Capacity(), 2);
}

TEST_F(TArrayTest, GrowsByTheFixedDelta) {
  auto array = Make(2, 3, {1, 2});
  EXPECT_EQ(array->Capacity(), 2);
  array->Add(new TStreamTestItem(3));
  EXPECT_EQ(array->Capacity(), 5);
  array->Add(new TStreamTestItem(4));
  array->Add(new TStreamTestItem(5));
  EXPECT_EQ(array->Capacity(), 5);
  array->Add(new TStreamTestItem(6));
  EXPECT_EQ(array->Capacity(), 8);
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TArrayTest, AHugeCapacityCostsNothingUpFront) {
  TArray array(TStreamTestItem::StaticClass(), &CompareStreamTestItem, TArray::MaxCount - 1, 1000);
  EXPECT_EQ(array.Capacity(), TArray::MaxCount - 1);
  array.SetCapacity(1);
  EXPECT_EQ(array.Capacity(), 1);
}

TEST_F(TArrayTest, CapacityErrors) {
  for (qint32 capacity : {0, -1})
    ExpectRaises<EInvalidArrayCapacity>([capacity] { Make(capacity, 1); }, "Invalid array capacity in TArray");
  auto array = Make(4, 0, {1, 2, 3});
  ExpectRaises<EInvalidArrayCapacity>([&] { array->SetCapacity(0); }, "Invalid array capacity in TArray");
  ExpectRaises<ENewArraySizeTooSmall>([&] { array->SetCapacity(2); }, "TArray new size is too small");
  array->SetCapacity(3);
  EXPECT_EQ(array->Capacity(), 3);
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{1, 2, 3}));
}

TEST_F(TArrayTest, DeleteMovesTheLastItemIntoTheHole) {
  auto array = Make(5, 0, {10, 20, 30, 40, 50});
  array->Delete(2);
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{10, 50, 30, 40}));
  array->Delete(4);
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{10, 50, 30}));
  EXPECT_EQ(TStreamTestItem::Live, liveBefore_ + 3); // the two deleted items were freed
}

TEST_F(TArrayTest, SortedFlagFollowsTheAlgorithm) {
  auto array = Make(10, 10, {5});
  EXPECT_TRUE(array->Sorted());
  array->Add(new TStreamTestItem(3)); // descending: cleared at the second Add
  EXPECT_FALSE(array->Sorted());
  TStreamTestItem key(3);
  ExpectRaises<EArrayNotSorted>([&] { array->Search(&key); }, "TArray is not sorted");
  array->Sort();
  EXPECT_TRUE(array->Sorted());
  EXPECT_EQ(array->Search(&key), 1);
  array->Add(new TStreamTestItem(9));
  EXPECT_TRUE(array->Sorted());
  array->Delete(1); // 9 moves to slot 1, before 5
  EXPECT_FALSE(array->Sorted());
  array->Delete(1); // one item left: sorted again
  EXPECT_TRUE(array->Sorted());
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{5}));
}

TEST_F(TArrayTest, SearchOnAnEmptyArrayAnswersZeroWhateverTheFlag) {
  auto array = Make(4, 0, {2, 1});
  EXPECT_FALSE(array->Sorted());
  array->Clear();
  EXPECT_TRUE(array->Sorted());
  TStreamTestItem key(1);
  EXPECT_EQ(array->Search(&key), 0);
  EXPECT_EQ(array->Capacity(), 4);
}

TEST_F(TArrayTest, SetItemChecksAndDisposes) {
  auto array = Make(4, 0, {1, 2, 3});
  array->SetItem(2, new TStreamTestItem(2)); // the old 2 is freed
  EXPECT_EQ(TStreamTestItem::Live, liveBefore_ + 3);
  EXPECT_TRUE(array->Sorted());
  array->SetItem(1, new TStreamTestItem(7));
  EXPECT_FALSE(array->Sorted());
  // Putting back the item already in the slot frees nothing.
  array->SetItem(3, array->GetItem(3));
  EXPECT_EQ(KeyOf(array->GetItem(3)), 3);
  TStreamTestOther other;
  ExpectRaises<EInvalidObjectType>([&] { array->SetItem(1, &other); }, "Invalid object type in TContainer");
  auto extra = std::make_unique<TStreamTestItem>(4);
  for (qint32 index : {0, 4})
    ExpectRaises<EInvalidIndex>([&] { array->SetItem(index, extra.get()); }, "Invalid index in TContainer");
}

TEST_F(TArrayTest, IndexErrors) {
  auto array = Make(4, 0, {1, 2});
  for (qint32 index : {0, -1, 3}) {
    ExpectRaises<EInvalidIndex>([&] { array->GetItem(index); }, "Invalid index in TContainer");
    ExpectRaises<EInvalidIndex>([&] { array->Delete(index); }, "Invalid index in TContainer");
    ExpectRaises<EInvalidIndex>([&] { array->Exchange(1, index); }, "Invalid index in TContainer");
  }
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{1, 2}));
}

TEST_F(TArrayTest, SearchAndIndexOfPassTheKeyOnDifferentSides) {
  // With "near" compare, compare (a, b) is 1 when a < b + 10, else 0 (equal).
  TArray array(TStreamTestItem::StaticClass(), &CompareStreamTestNear, 4, 0);
  array.Add(new TStreamTestItem(100));
  array.Sort();
  TStreamTestItem key(50);
  // IndexOf asks compare (item 100, key 50): 100 < 60 is false, so equal: found.
  EXPECT_EQ(array.IndexOf(&key), 1);
  // Search asks compare (key 50, item 100): 50 < 110, so less: not found.
  EXPECT_EQ(array.Search(&key), 0);
}

TEST_F(TArrayTest, SearchFindsEveryKeyOfASortedArray) {
  auto array = Make(1, 1);
  for (qint32 key : {8, 3, 5, 1, 9, 2, 7, 4, 6, 0}) array->Add(new TStreamTestItem(key * 10));
  array->Sort();
  EXPECT_EQ(Keys(*array), (std::vector<qint32>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
  for (qint32 i = 0; i < 10; ++i) {
    TStreamTestItem present(i * 10), absent(i * 10 + 5);
    EXPECT_EQ(array->Search(&present), i + 1);
    EXPECT_EQ(array->Search(&absent), 0);
  }
  TStreamTestOther other;
  ExpectRaises<EInvalidObjectType>([&] { array->Search(&other); }, "Invalid object type in TContainer");
  ExpectRaises<EInvalidObjectType>([&] { array->IndexOf(nullptr); }, "Invalid object type in TContainer");
}

TEST_F(TArrayTest, SortEndsEvenWithAContradictoryCompareFunction) {
  TArray array(TStreamTestItem::StaticClass(), &CompareGreater, 8, 0);
  for (qint32 key = 0; key < 8; ++key) array.Add(new TStreamTestItem(key));
  array.Sort();
  EXPECT_TRUE(array.Sorted());
  EXPECT_EQ(array.Count(), 8);
}

TEST_F(TArrayTest, OwnsItemsDecidesWhatIsFreed) {
  auto keep1 = std::make_unique<TStreamTestItem>(1);
  auto keep2 = std::make_unique<TStreamTestItem>(2);
  {
    auto array = Make(4, 0);
    array->SetOwnsItems(false);
    array->Add(keep1.get());
    array->Add(keep2.get());
    array->Delete(1);
    array->Clear();
    array->Add(keep1.get());
  }
  EXPECT_EQ(keep1->key, 1); // still alive: the array did not own it
  EXPECT_EQ(TStreamTestItem::Live, liveBefore_ + 2);
}

TEST_F(TArrayTest, ClassCheckAcceptsDescendants) {
  auto array = Make(4, 0);
  array->Add(new TStreamTestDerived(4));
  auto other = std::make_unique<TStreamTestOther>();
  ExpectRaises<EInvalidObjectType>([&] { array->Add(other.get()); }, "Invalid object type in TContainer");
  ExpectRaises<EInvalidObjectType>([&] { array->Add(nullptr); }, "Invalid object type in TContainer");
  EXPECT_EQ(array->Count(), 1);
}

TEST_F(TArrayTest, ForEachVisitsInIndexOrder) {
  auto array = Make(4, 0, {3, 1, 2});
  std::vector<qint32> seen;
  array->ForEach([](TObject* item, void* p) { static_cast<std::vector<qint32>*>(p)->push_back(KeyOf(item)); }, &seen);
  array->ForEachMethod(&seen, [](TObject* item, void* p) {
    static_cast<std::vector<qint32>*>(p)->push_back(-KeyOf(item));
  });
  EXPECT_EQ(seen, (std::vector<qint32>{3, 1, 2, -3, -1, -2}));
}
