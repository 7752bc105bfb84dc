#include "store/containers/TCircularList.h"
#include "store/containers/TUnorderedList.h"

#include "ListTestSupport.h"
#include "store/containers/ContainerErrors.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
template <class List> class ListFixture : public ::testing::Test {
protected:
  void TearDown() override {
    list_.reset();
    EXPECT_EQ(TStreamTestItem::Live, liveBefore_);
  }
  TStreamTestItem* AddKey(qint32 key) {
    auto* item = new TStreamTestItem(key);
    list_->Add(item);
    return item;
  }

  int liveBefore_ = TStreamTestItem::Live;
  std::unique_ptr<List> list_ = std::make_unique<List>(TStreamTestItem::StaticClass(), &CompareStreamTestItem);
};

using TUnorderedListTest = ListFixture<TUnorderedList>;
using TCircularListTest = ListFixture<TCircularList>;
} // namespace

TEST_F(TUnorderedListTest, SuccessiveAddsKeepTheirOrder) {
  for (qint32 key : {5, 3, 9, 1}) AddKey(key);
  EXPECT_EQ(ListKeys(*list_), (std::vector<qint32>{5, 3, 9, 1}));
}

TEST_F(TUnorderedListTest, AddGoesAfterTheCursorAppendAfterTheLast) {
  for (qint32 key : {1, 2, 3}) AddKey(key);
  list_->GoToIndex(1);
  AddKey(10);
  EXPECT_EQ(KeyOf(list_->Current()), 10);
  list_->Append(new TStreamTestItem(20));
  EXPECT_EQ(KeyOf(list_->Current()), 20);
  EXPECT_EQ(ListKeys(*list_), (std::vector<qint32>{1, 10, 2, 3, 20}));
  auto other = std::make_unique<TStreamTestOther>();
  ExpectRaises<EInvalidObjectType>([&] { list_->Append(other.get()); }, "Invalid object type in TContainer");
}

TEST_F(TUnorderedListTest, FindCountsEqualItemsOnly) {
  for (qint32 key : {7, 3, 7, 1, 7}) AddKey(key);
  TStreamTestItem key7(7), key4(4);
  ASSERT_TRUE(list_->Find(&key7, 3));
  EXPECT_EQ(KeyOf(list_->Current()), 7);
  list_->Prior();
  EXPECT_EQ(KeyOf(list_->Current()), 1); // the third 7 is the fifth item
  list_->GoToIndex(2);
  EXPECT_FALSE(list_->Find(&key7, 4));
  EXPECT_FALSE(list_->Find(&key4, 1));
  EXPECT_EQ(KeyOf(list_->Current()), 3);
  ExpectRaises<EInvalidOccurrenceSought>([&] { list_->Find(&key7, 0); }, "Invalid occurrence sought in TContainer");
  EXPECT_TRUE(list_->Remove(&key7, 2));
  EXPECT_EQ(ListKeys(*list_), (std::vector<qint32>{7, 3, 1, 7}));
}

TEST_F(TCircularListTest, EndsMeet) {
  EXPECT_FALSE(list_->Next());
  EXPECT_FALSE(list_->Prior());
  for (qint32 key : {1, 2, 3}) AddKey(key);
  ASSERT_TRUE(list_->Last());
  EXPECT_TRUE(list_->Next());
  EXPECT_EQ(KeyOf(list_->Current()), 1);
  EXPECT_TRUE(list_->Prior());
  EXPECT_EQ(KeyOf(list_->Current()), 3);
}

TEST_F(TCircularListTest, ForEachVisitsEachItemOnce) {
  for (qint32 key : {1, 2, 3}) AddKey(key);
  std::vector<qint32> seen;
  list_->ForEachMethod(&seen, [](TObject* item, void* p) {
    static_cast<std::vector<qint32>*>(p)->push_back(KeyOf(item));
  });
  EXPECT_EQ(seen, (std::vector<qint32>{1, 2, 3}));
}

TEST_F(TCircularListTest, DetachCurrentOnTheLastItem) {
  for (qint32 key : {1, 2, 3}) AddKey(key);
  list_->DeleteCurrent();
  EXPECT_EQ(KeyOf(list_->Current()), 2);
  list_->DeleteCurrent();
  list_->DeleteCurrent();
  ExpectRaises<EContainerIsEmpty>([&] { list_->Current(); }, "TContainer is empty");
  EXPECT_FALSE(list_->Next());
}
