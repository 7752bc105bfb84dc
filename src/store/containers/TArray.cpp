#include "store/containers/TArray.h"

#include "store/containers/ContainerErrors.h"
#include "store/containers/ContainerStreamForm.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

#include <algorithm>

TB_DEFINE_CLASS(TArray, TContainer)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TArray::StaticClass(), {&TArray::ReadArray}, {&TArray::WriteArray});
  return true;
}();

// Slots are allocated up front only up to this many. The capacity itself is a number that
// governs when the array is full; slots beyond the bound are allocated as items arrive,
// so that a large stored capacity in a damaged stream cannot claim gigabytes.
constexpr qint32 kEagerSlots = 65536;
} // namespace

TArray::TArray(const TClass& elementClass, TCompareFunc compare, qint32 capacity, qint32 delta)
    : TContainer(elementClass, compare), delta_(delta) {
  if (capacity < 1) throw EInvalidArrayCapacity();
  capacity_ = capacity;
  Reserve(capacity);
}

TArray::~TArray() { Clear(); }

void TArray::Reserve(qint32 slots) {
  const qint32 eager = std::min(slots, kEagerSlots);
  if (eager > 0 && size_t(eager) > items_.capacity()) items_.reserve(size_t(eager));
}

void TArray::ForEach(TForEachProc proc, void* parameter) {
  for (qint32 i = 1; i <= count_; ++i) proc(Slot(i), parameter);
}

void TArray::ForEachMethod(void* parameter, const TForEachMethod& method) {
  for (qint32 i = 1; i <= count_; ++i) method(Slot(i), parameter);
}

void TArray::Clear() {
  std::vector<TObject*> leaving;
  leaving.swap(items_);
  count_ = 0;
  sorted_ = true;
  for (TObject* item : leaving) DisposeItem(item);
  leaving.clear();
  items_.swap(leaving); // keeps the allocated slots
}

void TArray::CheckIndex(qint32 index) const {
  if (index < 1 || index > count_) throw EInvalidIndex();
}

TObject* TArray::GetItem(qint32 index) const {
  CheckIndex(index);
  return Slot(index);
}

void TArray::SetItem(qint32 index, TObject* obj) {
  CheckItemClass(obj);
  CheckIndex(index);
  TObject* old = Slot(index);
  if (old != obj) {
    Slot(index) = obj;
    DisposeItem(old);
  }
  CheckSortedAt(index);
}

void TArray::Add(TObject* obj) {
  CheckItemClass(obj);
  if (count_ >= MaxCount) throw EContainerIsFull();
  if (count_ >= capacity_) {
    if (delta_ <= 0) throw EContainerIsFull();
    // Growth changes the capacity only; the slot table itself grows geometrically, so a
    // small delta does not make every Add copy the whole table.
    capacity_ = qint32(std::min<qint64>(qint64(capacity_) + delta_, MaxCount));
  }
  items_.push_back(obj);
  ++count_;
  CheckSortedAt(count_);
}

void TArray::Delete(qint32 index) {
  CheckIndex(index);
  DisposeItem(Slot(index));
  if (index < count_) {
    Slot(index) = Slot(count_);
    items_.pop_back();
    --count_;
    CheckSortedAt(index);
  } else {
    items_.pop_back();
    --count_;
  }
  if (count_ < 2) sorted_ = true;
}

void TArray::SetCapacity(qint32 n) {
  if (n < 1) throw EInvalidArrayCapacity();
  if (n == capacity_) return;
  if (n < count_) throw ENewArraySizeTooSmall();
  capacity_ = n;
  if (size_t(n) < items_.capacity()) items_.shrink_to_fit();
  Reserve(n);
}

bool TArray::Greater(qint32 i, qint32 j) const {
  return compare_(*Slot(i), *Slot(j)) == CompareResult::Greater;
}

void TArray::CheckSortedAt(qint32 index) {
  if (count_ <= 1 || !sorted_) return;
  if (index == count_)
    sorted_ = !Greater(count_ - 1, count_);
  else if (index == 1)
    sorted_ = !Greater(1, 2);
  else
    sorted_ = !Greater(index - 1, index) && !Greater(index, index + 1);
}

qint32 TArray::Search(const TObject* key) const {
  CheckItemClass(key);
  if (!sorted_ && count_ > 0) throw EArrayNotSorted();
  qint32 low = 1;
  qint32 high = count_;
  while (low <= high) {
    const qint32 middle = low + (high - low) / 2;
    const quint8 r = compare_(*key, *Slot(middle));
    if (r == CompareResult::Less)
      high = middle - 1;
    else if (r == CompareResult::Greater)
      low = middle + 1;
    else
      return middle;
  }
  return 0;
}

qint32 TArray::IndexOf(const TObject* key) const {
  CheckItemClass(key);
  for (qint32 i = 1; i <= count_; ++i)
    if (compare_(*Slot(i), *key) == CompareResult::Equal) return i;
  return 0;
}

void TArray::Exchange(qint32 i, qint32 j) {
  CheckIndex(i);
  CheckIndex(j);
  std::swap(Slot(i), Slot(j));
}

void TArray::Sort() {
  for (qint32 gap = count_ / 2; gap >= 1; gap /= 2) {
    // A consistent order needs at most count / gap + 1 passes at a gap; the bound keeps a
    // compare function that contradicts itself from looping for ever.
    const qint32 maxPasses = count_ / gap + 2;
    bool exchanged = true;
    for (qint32 pass = 0; exchanged && pass < maxPasses; ++pass) {
      exchanged = false;
      for (qint32 i = 1; i <= count_ - gap; ++i) {
        if (Greater(i, i + gap)) {
          std::swap(Slot(i), Slot(i + gap));
          exchanged = true;
        }
      }
    }
  }
  sorted_ = true;
}

void TArray::ReadArray(TObject& obj, TObjectReader& reader) {
  auto& array = static_cast<TArray&>(obj);
  const ContainerStreamForm::THead head = ContainerStreamForm::ReadHead(reader);
  array.SetUp(*head.ElementClass, head.Compare);
  const qint32 count = ContainerStreamForm::ReadCount(reader);
  const qint32 capacity = reader.ReadInteger();
  array.delta_ = reader.ReadInteger();
  array.sorted_ = reader.ReadBoolean();
  if (capacity < 1) throw EInvalidArrayCapacity();
  array.capacity_ = capacity;
  array.Reserve(std::min(count, capacity));
  ContainerStreamForm::ReadItems(reader, count, [&array](TObject* item) { array.Add(item); });
}

void TArray::WriteArray(const TObject& obj, TObjectWriter& writer) {
  const auto& array = static_cast<const TArray&>(obj);
  ContainerStreamForm::WriteHead(writer, array);
  writer.WriteInteger(array.count_);
  writer.WriteInteger(array.capacity_);
  writer.WriteInteger(array.delta_);
  writer.WriteBoolean(array.sorted_);
  for (qint32 i = 1; i <= array.count_; ++i) WriteStreamedObject(writer, array.Slot(i));
}
