#include "store/containers/TOrderedList.h"

#include "ListTestSupport.h"
#include "store/containers/ContainerErrors.h"

#include <gtest/gtest.h>
#include <memory>

namespace {
class TOrderedListTest : public ::testing::Test {
protected:
  void TearDown() override {
    list_.reset();
    EXPECT_EQ(TStreamTestItem::Live, liveBefore_);
  }
  TStreamTestItem* AddKey(qint32 key, const char* text = "") {
    auto* item = new TStreamTestItem(key, QString::fromLatin1(text));
    list_->Add(item);
    return item;
  }

  int liveBefore_ = TStreamTestItem::Live;
  std::unique_ptr<TOrderedList> list_ =
      std::make_unique<TOrderedList>(TStreamTestItem::StaticClass(), &CompareStreamTestItem);
};
} // namespace

TEST_F(TOrderedListTest, NewItemGoesBeforeEqualItems) {
  TStreamTestItem* old5 = AddKey(5, "old");
  AddKey(3);
  TStreamTestItem* new5 = AddKey(5, "new");
  EXPECT_EQ(list_->Current(), new5);
  EXPECT_EQ(ListKeys(*list_), (std::vector<qint32>{3, 5, 5}));
  EXPECT_EQ(list_->GoToIndex(2), new5);
  EXPECT_EQ(list_->GoToIndex(3), old5);
}

TEST_F(TOrderedListTest, FindCountsOccurrencesAndRestoresTheCursorOnFailure) {
  TStreamTestItem* old5 = AddKey(5, "old");
  TStreamTestItem* three = AddKey(3);
  TStreamTestItem* new5 = AddKey(5, "new");
  TStreamTestItem key5(5), key4(4), key9(9);
  EXPECT_TRUE(list_->Find(&key5, 2));
  EXPECT_EQ(list_->Current(), old5);
  EXPECT_TRUE(list_->Find(&key5, 1));
  EXPECT_EQ(list_->Current(), new5);
  list_->GoToIndex(1);
  EXPECT_FALSE(list_->Find(&key4, 1));
  EXPECT_EQ(list_->Current(), three);
  EXPECT_FALSE(list_->Find(&key5, 3));
  EXPECT_FALSE(list_->Find(&key9, 1));
  EXPECT_EQ(list_->Current(), three);
  ExpectRaises<EInvalidOccurrenceSought>([&] { list_->Find(&key5, 0); }, "Invalid occurrence sought in TContainer");
  ExpectRaises<EInvalidOccurrenceSought>([&] { list_->Remove(&key5, 0); }, "Invalid occurrence sought in TContainer");
  TStreamTestOther other;
  ExpectRaises<EInvalidObjectType>([&] { list_->Find(&other, 1); }, "Invalid object type in TContainer");
}

TEST_F(TOrderedListTest, RemoveDeletesTheOccurrence) {
  AddKey(5, "old");
  AddKey(3);
  AddKey(5, "new");
  TStreamTestItem key5(5), key4(4);
  EXPECT_FALSE(list_->Remove(&key4, 1));
  EXPECT_TRUE(list_->Remove(&key5, 2));
  EXPECT_EQ(list_->Count(), 2);
  EXPECT_EQ(static_cast<TStreamTestItem*>(list_->GoToIndex(2))->text.toStdString(), "new");
  EXPECT_EQ(TStreamTestItem::Live, liveBefore_ + 2 + 2);
}

TEST_F(TOrderedListTest, GoToIndexWalksFromEitherEnd) {
  for (qint32 key = 1; key <= 7; ++key) AddKey(key);
  for (qint32 n = 1; n <= 7; ++n) EXPECT_EQ(KeyOf(list_->GoToIndex(n)), n);
  for (qint32 n : {0, 8, -1})
    ExpectRaises<EInvalidIndex>([&] { list_->GoToIndex(n); }, "Invalid index in TContainer");
}

TEST_F(TOrderedListTest, DetachCurrent) {
  AddKey(1);
  AddKey(2);
  TStreamTestItem* three = AddKey(3);
  ASSERT_TRUE(list_->Last());
  std::unique_ptr<TObject> detached(list_->DetachCurrent());
  EXPECT_EQ(detached.get(), three); // handed over, not freed
  EXPECT_EQ(KeyOf(list_->Current()), 2); // the new last node
  list_->GoToIndex(1);
  list_->DeleteCurrent();
  EXPECT_EQ(KeyOf(list_->Current()), 2); // the following node
  list_->DeleteCurrent();
  EXPECT_TRUE(list_->IsEmpty());
  ExpectRaises<EContainerIsEmpty>([&] { list_->Current(); }, "TContainer is empty");
  ExpectRaises<EContainerIsEmpty>([&] { list_->DetachCurrent(); }, "TContainer is empty");
  ExpectRaises<EContainerIsEmpty>([&] { list_->ReplaceCurrent(nullptr); }, "TContainer is empty");
  EXPECT_FALSE(list_->First());
  EXPECT_FALSE(list_->Last());
  EXPECT_FALSE(list_->Next());
  EXPECT_FALSE(list_->Prior());
}

TEST_F(TOrderedListTest, CursorMovesStopAtTheEnds) {
  AddKey(1);
  AddKey(2);
  ASSERT_TRUE(list_->First());
  EXPECT_FALSE(list_->Prior());
  EXPECT_TRUE(list_->Next());
  EXPECT_FALSE(list_->Next());
  EXPECT_EQ(KeyOf(list_->Current()), 2);
}

TEST_F(TOrderedListTest, ReplaceCurrentSkipsTheClassCheckAndDoesNotResort) {
  AddKey(1);
  AddKey(2);
  list_->GoToIndex(1);
  list_->ReplaceCurrent(new TStreamTestItem(9)); // the old 1 is freed
  EXPECT_EQ(ListKeys(*list_), (std::vector<qint32>{9, 2}));
  EXPECT_EQ(TStreamTestItem::Live, liveBefore_ + 2);
  list_->GoToIndex(2);
  list_->ReplaceCurrent(list_->Current()); // the same item: nothing freed
  EXPECT_EQ(KeyOf(list_->Current()), 2);
  ExpectRaises<EInvalidObjectType>([&] { list_->ReplaceCurrent(nullptr); }, "Invalid object type in TContainer");
}

TEST_F(TOrderedListTest, ForEachWalksInOrderAndClearFreesEverything) {
  for (qint32 key : {4, 2, 3, 1}) AddKey(key);
  std::vector<qint32> seen;
  list_->ForEach([](TObject* item, void* p) { static_cast<std::vector<qint32>*>(p)->push_back(KeyOf(item)); }, &seen);
  EXPECT_EQ(seen, (std::vector<qint32>{1, 2, 3, 4}));
  EXPECT_EQ(KeyOf(list_->Current()), 4);
  list_->Clear();
  EXPECT_EQ(list_->Count(), 0);
  EXPECT_EQ(TStreamTestItem::Live, liveBefore_);
  ExpectRaises<EContainerIsEmpty>([&] { list_->Current(); }, "TContainer is empty");
}

TEST_F(TOrderedListTest, RefusedItemStaysWithTheCaller) {
  auto other = std::make_unique<TStreamTestOther>();
  ExpectRaises<EInvalidObjectType>([&] { list_->Add(other.get()); }, "Invalid object type in TContainer");
  list_->Add(new TStreamTestDerived(1));
  EXPECT_EQ(list_->Count(), 1);
}

TEST_F(TOrderedListTest, ForEachSurvivesDeletingTheCurrentItem) {
  for (qint32 key : {1, 2, 3, 4}) AddKey(key);
  // Each deletion moves the cursor on, and the walk then moves once more.
  list_->ForEach([](TObject*, void* p) { static_cast<TOrderedList*>(p)->DeleteCurrent(); }, list_.get());
  EXPECT_EQ(ListKeys(*list_), (std::vector<qint32>{2, 4}));
}
