#pragma once
// An array of up to 320,000 pointer slots of which only a few are ever filled. Only the filled
// slots take memory; they are kept in an ordered map, so any number of them fits. The array
// does not own what the slots point to: clearing or destroying it frees none of the items.
#include <cstdint>
#include <functional>
#include <map>

class TWdgSparseArray {
public:
  using Item = void*;
  // (index, item) -> true to go on.
  using Visitor = std::function<bool(int32_t, Item)>;

  static constexpr int32_t kMaxCount = 320000;

  // The item at the index, nullptr when the slot is empty. ESAEOutOfBounds outside 0..319,999.
  Item GetItem(int32_t index) const;
  // Stores the item; nullptr empties the slot.
  void PutItem(int32_t index, Item item);
  // Moves every item at index..Count()-1 up by one and stores the item (nullptr included) at
  // the index; above Count() it is a plain put. ESAEAtMaxSize when Count() is 320,000.
  void InsertItem(int32_t index, Item item);
  // Removes the slot at the index and moves every item above it down by one.
  void DeleteItem(int32_t index);
  void ExchangeItems(int32_t index1, int32_t index2);
  void Clear();

  // One more than the highest index holding an item; 0 when empty.
  int32_t Count() const;
  // The number of filled slots.
  int32_t ItemCount() const { return int32_t(items_.size()); }

  // Visits the filled slots in index order (descending when backwards). Returns the index at
  // which the visitor answered false, or -1 after a full walk.
  int32_t Iterate(const Visitor& visitor, bool backwards = false) const;

private:
  static void CheckIndex(int32_t index);
  // Adds delta to the index of every item at or above `from`.
  void ShiftFrom(int32_t from, int32_t delta);

  std::map<int32_t, Item> items_;
};
