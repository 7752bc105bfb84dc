#include "widgets/core/TWdgSparseArray.h"

#include "widgets/core/WdgExceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace {
using Items = std::map<int32_t, int>; // index -> tag of the item stored there

// Items are addresses inside one tag table, so a test can tell them apart.
int gTags[16];
TWdgSparseArray::Item ItemOf(int tag) { return &gTags[tag]; }
int TagOf(TWdgSparseArray::Item item) { return int(static_cast<int*>(item) - gTags); }

TWdgSparseArray Filled(const Items& items) {
  TWdgSparseArray array;
  for (const auto& [index, tag] : items)
    array.PutItem(index, ItemOf(tag));
  return array;
}

Items Contents(const TWdgSparseArray& array) {
  Items items;
  array.Iterate([&](int32_t index, TWdgSparseArray::Item item) {
    items[index] = TagOf(item);
    return true;
  });
  return items;
}

TEST(TWdgSparseArray, NewArrayIsEmpty) {
  const TWdgSparseArray array;
  for (int32_t index : {0, 31, 32, 319999})
    EXPECT_EQ(array.GetItem(index), nullptr);
  EXPECT_EQ(array.Count(), 0);
  EXPECT_EQ(array.ItemCount(), 0);
  bool called = false;
  EXPECT_EQ(array.Iterate([&](int32_t, TWdgSparseArray::Item) { return called = true; }), -1);
  EXPECT_FALSE(called);
}

struct ShiftCase {
  const char* name;
  Items before;
  std::function<void(TWdgSparseArray&)> operation;
  Items after;
  int32_t count;
};

TEST(TWdgSparseArray, ShiftCases) {
  const ShiftCase cases[] = {
      {"delete between moves the upper item down",
       {{5, 1}, {70, 2}},
       [](auto& a) { a.DeleteItem(10); },
       {{5, 1}, {69, 2}},
       70},
      {"delete below moves both",
       {{5, 1}, {70, 2}},
       [](auto& a) { a.DeleteItem(3); },
       {{4, 1}, {69, 2}},
       70},
      {"delete an item; the next crosses a page start",
       {{10, 1}, {64, 2}},
       [](auto& a) { a.DeleteItem(10); },
       {{63, 2}},
       64},
      {"delete at or above the count does nothing",
       {{5, 1}},
       [](auto& a) { a.DeleteItem(5000); },
       {{5, 1}},
       6},
      {"delete the last item", {{5, 1}, {70, 2}}, [](auto& a) { a.DeleteItem(70); }, {{5, 1}}, 6},
      {"insert above the count is a put",
       {{5, 1}},
       [](auto& a) { a.InsertItem(40, ItemOf(3)); },
       {{5, 1}, {40, 3}},
       41},
      {"insert below shifts up",
       {{5, 1}, {31, 2}, {63, 4}},
       [](auto& a) { a.InsertItem(0, ItemOf(3)); },
       {{0, 3}, {6, 1}, {32, 2}, {64, 4}},
       65},
      {"insert nil below shifts and grows the count",
       {{5, 1}, {70, 2}},
       [](auto& a) { a.InsertItem(5, nullptr); },
       {{6, 1}, {71, 2}},
       72},
      {"nil into the only item drops it",
       {{5, 1}, {70, 2}},
       [](auto& a) { a.PutItem(70, nullptr); },
       {{5, 1}},
       6},
      {"nil into an empty slot does nothing",
       {{5, 1}},
       [](auto& a) { a.PutItem(900, nullptr); },
       {{5, 1}},
       6},
      {"exchange moves an item into an empty slot",
       {{5, 1}},
       [](auto& a) { a.ExchangeItems(5, 99); },
       {{99, 1}},
       100},
      {"exchange swaps two items",
       {{5, 1}, {70, 2}},
       [](auto& a) { a.ExchangeItems(70, 5); },
       {{5, 2}, {70, 1}},
       71},
      {"clear empties", {{5, 1}, {70, 2}}, [](auto& a) { a.Clear(); }, {}, 0},
  };
  for (const auto& c : cases) {
    TWdgSparseArray array = Filled(c.before);
    c.operation(array);
    EXPECT_EQ(Contents(array), c.after) << c.name;
    EXPECT_EQ(array.Count(), c.count) << c.name;
    EXPECT_EQ(array.ItemCount(), int32_t(c.after.size())) << c.name;
    for (const auto& [index, tag] : c.after)
      EXPECT_EQ(array.GetItem(index), ItemOf(tag)) << c.name;
  }
}

TEST(TWdgSparseArray, IterateStopsWhereTheVisitorSaysSo) {
  const TWdgSparseArray array = Filled({{5, 1}, {40, 2}, {70, 3}});
  std::vector<int32_t> seen;
  const auto stopAt40 = [&](int32_t index, TWdgSparseArray::Item) {
    seen.push_back(index);
    return index != 40;
  };
  EXPECT_EQ(array.Iterate(stopAt40), 40);
  EXPECT_EQ(seen, (std::vector<int32_t>{5, 40}));
  seen.clear();
  EXPECT_EQ(array.Iterate(stopAt40, true), 40);
  EXPECT_EQ(seen, (std::vector<int32_t>{70, 40}));
}

TEST(TWdgSparseArray, IndexesOutsideTheRangeRaiseAndChangeNothing) {
  TWdgSparseArray array = Filled({{5, 1}});
  const std::function<void()> calls[] = {
      [&] { array.GetItem(-1); },
      [&] { array.GetItem(320000); },
      [&] { array.PutItem(320000, ItemOf(2)); },
      [&] { array.InsertItem(-1, ItemOf(2)); },
      [&] { array.DeleteItem(320000); },
      [&] { array.ExchangeItems(5, 320000); },
      [&] { array.ExchangeItems(-1, 5); },
  };
  for (const auto& call : calls) {
    EXPECT_THROW(call(), ESAEOutOfBounds);
    EXPECT_EQ(Contents(array), (Items{{5, 1}}));
  }
  try {
    array.GetItem(-1);
  } catch (const ESparseArrayError& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Index is out of bounds for sparse array"));
  }
}

TEST(TWdgSparseArray, InsertIntoAFullArrayRaisesAtMaxSize) {
  TWdgSparseArray array = Filled({{5, 1}, {319999, 2}});
  EXPECT_EQ(array.Count(), 320000);
  try {
    array.InsertItem(0, ItemOf(3));
    FAIL() << "no error";
  } catch (const ESAEAtMaxSize& error) {
    EXPECT_EQ(error.Message(), QStringLiteral("Sparse array is at the maximum size"));
  }
  EXPECT_EQ(Contents(array), (Items{{5, 1}, {319999, 2}}));
  // One slot below the maximum still shifts up into the last index.
  array.DeleteItem(0);
  array.InsertItem(0, ItemOf(3));
  EXPECT_EQ(Contents(array), (Items{{0, 3}, {5, 1}, {319999, 2}}));
}

// A fixed directory of 8,191 blocks of 32 slots would overrun when an item lands in the
// 8,192nd block; every block of the index range must be storable and read back.
TEST(TWdgSparseArray, EveryBlockOfTheIndexRangeHoldsItems) {
  TWdgSparseArray array;
  for (int32_t block = 0; block < 10000; ++block)
    array.PutItem(block * 32 + 31, ItemOf(block % 16));
  EXPECT_EQ(array.ItemCount(), 10000);
  EXPECT_EQ(array.Count(), 320000);
  for (int32_t block = 0; block < 10000; ++block)
    ASSERT_EQ(array.GetItem(block * 32 + 31), ItemOf(block % 16)) << block;
  array.DeleteItem(0);
  EXPECT_EQ(array.GetItem(30), ItemOf(0));
  EXPECT_EQ(array.GetItem(319998), ItemOf(9999 % 16));
  EXPECT_EQ(array.Count(), 319999);
}
} // namespace
