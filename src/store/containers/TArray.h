#pragma once
// The growable array of the register model and the object database: items in 1-based
// slots 1..count, a capacity that grows by a fixed delta (0 = never grows), and a sorted
// flag that tells whether the items are known to be in compare order (Search needs it).
#include "store/containers/TContainer.h"

#include <vector>

class TObjectReader;
class TObjectWriter;

class TArray : public TContainer {
  TB_OBJECT(TArray)
public:
  static constexpr qint32 MaxCount = 536870911; // 2^29 - 1

  // EInvalidArrayCapacity for a capacity below 1. A negative delta never grows, as 0.
  TArray(const TClass& elementClass, TCompareFunc compare, qint32 capacity, qint32 delta);
  explicit TArray(TBlank blank) : TContainer(blank) {}
  ~TArray() override;

  void ForEach(TForEachProc proc, void* parameter) override;
  void ForEachMethod(void* parameter, const TForEachMethod& method) override;
  // Frees owned items; count 0, sorted set, the capacity stays.
  void Clear() override;

  // EInvalidIndex outside 1..count.
  TObject* GetItem(qint32 index) const;
  // Class check, index check, the old item through DisposeItem, then the sorted check.
  virtual void SetItem(qint32 index, TObject* obj);
  // Appends; EContainerIsFull when the array is at its capacity and may not grow, or holds
  // MaxCount items.
  void Add(TObject* obj);
  // Removes one item; the last item moves into the hole, so the order is not kept.
  void Delete(qint32 index);
  // EInvalidArrayCapacity below 1, ENewArraySizeTooSmall below the count.
  void SetCapacity(qint32 n);
  // Binary search with compare (key, item); the index found or 0. EArrayNotSorted on a
  // non-empty array whose sorted flag is clear.
  qint32 Search(const TObject* key) const;
  // Linear search with compare (item, key), needing no order; the first index or 0.
  qint32 IndexOf(const TObject* key) const;
  // Swaps two slots; the sorted flag is left as it is. EInvalidIndex outside 1..count.
  void Exchange(qint32 i, qint32 j);
  // Ascending by the compare function (not stable); sets the sorted flag.
  void Sort();

  qint32 Capacity() const { return capacity_; }
  qint32 Delta() const { return delta_; }
  bool Sorted() const { return sorted_; }

  // The stream form: element class name, compare function name, count, capacity, delta,
  // sorted flag, then items 1..count as nested objects, put back in with Add.
  static void ReadArray(TObject& obj, TObjectReader& reader);
  static void WriteArray(const TObject& obj, TObjectWriter& writer);

protected:
  void CheckIndex(qint32 index) const;
  // Clears the sorted flag when the item at the index is out of order with its neighbours.
  void CheckSortedAt(qint32 index);

private:
  TObject*& Slot(qint32 index) { return items_[size_t(index - 1)]; }
  TObject* Slot(qint32 index) const { return items_[size_t(index - 1)]; }
  bool Greater(qint32 i, qint32 j) const;
  void Reserve(qint32 slots);

  std::vector<TObject*> items_; // items 1..count; its size is the count
  qint32 capacity_ = 0;
  qint32 delta_ = 0;
  bool sorted_ = true;
};
