#include "widgets/core/TWdgSparseArray.h"

#include "widgets/core/WdgExceptions.h"

#include <iterator>

void TWdgSparseArray::CheckIndex(int32_t index) {
  if (index < 0 || index >= kMaxCount) throw ESAEOutOfBounds();
}

TWdgSparseArray::Item TWdgSparseArray::GetItem(int32_t index) const {
  CheckIndex(index);
  const auto found = items_.find(index);
  return found == items_.end() ? nullptr : found->second;
}

void TWdgSparseArray::PutItem(int32_t index, Item item) {
  CheckIndex(index);
  if (item)
    items_[index] = item;
  else
    items_.erase(index);
}

void TWdgSparseArray::InsertItem(int32_t index, Item item) {
  CheckIndex(index);
  if (Count() >= kMaxCount) throw ESAEAtMaxSize();
  if (index < Count()) ShiftFrom(index, +1);
  PutItem(index, item);
}

void TWdgSparseArray::DeleteItem(int32_t index) {
  CheckIndex(index);
  if (index >= Count()) return;
  items_.erase(index);
  ShiftFrom(index + 1, -1);
}

void TWdgSparseArray::ExchangeItems(int32_t index1, int32_t index2) {
  if (index1 == index2) return;
  const Item item1 = GetItem(index1);
  const Item item2 = GetItem(index2);
  PutItem(index2, item1);
  PutItem(index1, item2);
}

void TWdgSparseArray::Clear() { items_.clear(); }

int32_t TWdgSparseArray::Count() const {
  return items_.empty() ? 0 : std::prev(items_.end())->first + 1;
}

int32_t TWdgSparseArray::Iterate(const Visitor& visitor, bool backwards) const {
  if (backwards) {
    for (auto it = items_.rbegin(); it != items_.rend(); ++it)
      if (!visitor(it->first, it->second)) return it->first;
  } else {
    for (const auto& [index, item] : items_)
      if (!visitor(index, item)) return index;
  }
  return -1;
}

void TWdgSparseArray::ShiftFrom(int32_t from, int32_t delta) {
  std::map<int32_t, Item> moved;
  for (auto it = items_.lower_bound(from); it != items_.end(); it = items_.erase(it))
    moved.emplace(it->first + delta, it->second);
  items_.merge(moved);
}
