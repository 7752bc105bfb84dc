#include "store/containers/TOrderedList.h"

#include "store/containers/ContainerErrors.h"
#include "store/containers/ContainerStreamForm.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(TOrderedList, TNodeContainer)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TOrderedList::StaticClass(), {&TOrderedList::ReadList},
                     {&TOrderedList::WriteList});
  return true;
}();
} // namespace

TOrderedList::~TOrderedList() { Clear(); }

// Follows the cursor, so that a call that deletes the current item leaves the walk on the
// list; the moves are this class's own, so that a circular list is walked once.
template <class Visit> void TOrderedList::VisitAll(Visit&& visit) {
  for (bool more = TOrderedList::First(); more; more = TOrderedList::Next()) visit(current_->Item);
}

void TOrderedList::ForEach(TForEachProc proc, void* parameter) {
  VisitAll([&](TObject* item) { proc(item, parameter); });
}

void TOrderedList::ForEachMethod(void* parameter, const TForEachMethod& method) {
  VisitAll([&](TObject* item) { method(item, parameter); });
}

void TOrderedList::Clear() {
  TListNode* node = first_;
  first_ = last_ = current_ = nullptr;
  count_ = 0;
  while (node) {
    TListNode* next = node->Next;
    DisposeItem(node->Item);
    delete node;
    node = next;
  }
}

TObject* TOrderedList::GoToIndex(qint32 n) {
  if (n < 1 || n > count_) throw EInvalidIndex();
  if (n < count_ / 2) {
    First();
    for (qint32 i = 1; i < n; ++i) current_ = current_->Next;
  } else {
    Last();
    for (qint32 i = count_; i > n; --i) current_ = current_->Prev;
  }
  return current_->Item;
}

void TOrderedList::InsertBefore(TListNode* before, TObject* obj) {
  if (!before) return InsertAfter(last_, obj);
  auto* node = new TListNode;
  node->Item = obj;
  node->Next = before;
  node->Prev = before->Prev;
  (before->Prev ? before->Prev->Next : first_) = node;
  before->Prev = node;
  current_ = node;
  ++count_;
}

void TOrderedList::InsertAfter(TListNode* after, TObject* obj) {
  auto* node = new TListNode;
  node->Item = obj;
  node->Prev = after;
  node->Next = after ? after->Next : first_;
  if (after)
    after->Next = node;
  else
    first_ = node;
  (node->Next ? node->Next->Prev : last_) = node;
  current_ = node;
  ++count_;
}

void TOrderedList::Add(TObject* obj) {
  CheckItemClass(obj);
  TListNode* node = first_;
  while (node && compare_(*obj, *node->Item) == CompareResult::Greater) node = node->Next;
  InsertBefore(node, obj);
}

bool TOrderedList::Find(const TObject* key, qint32 occurrence) {
  CheckItemClass(key);
  if (occurrence < 1) throw EInvalidOccurrenceSought();
  // Equal and greater items both count down, so the walk ends at the first greater item
  // once the occurrences are used up: the list is in order.
  qint32 n = occurrence;
  quint8 last = CompareResult::Greater;
  TListNode* node = first_;
  while (node) {
    last = compare_(*key, *node->Item);
    if (last != CompareResult::Greater) --n;
    if (n == 0) break;
    node = node->Next;
  }
  if (!node || last != CompareResult::Equal) return false;
  current_ = node;
  return true;
}

bool TOrderedList::Remove(const TObject* key, qint32 occurrence) {
  CheckItemClass(key);
  if (!Find(key, occurrence)) return false;
  DeleteCurrent();
  return true;
}

TObject* TOrderedList::DetachCurrent() {
  if (!current_) throw EContainerIsEmpty();
  TListNode* node = current_;
  (node->Prev ? node->Prev->Next : first_) = node->Next;
  (node->Next ? node->Next->Prev : last_) = node->Prev;
  current_ = node->Next ? node->Next : last_;
  --count_;
  TObject* item = node->Item;
  delete node;
  return item;
}

bool TOrderedList::First() {
  current_ = first_;
  return current_ != nullptr;
}

bool TOrderedList::Last() {
  current_ = last_;
  return current_ != nullptr;
}

bool TOrderedList::Next() {
  if (!current_ || !current_->Next) return false;
  current_ = current_->Next;
  return true;
}

bool TOrderedList::Prior() {
  if (!current_ || !current_->Prev) return false;
  current_ = current_->Prev;
  return true;
}

void TOrderedList::ReadList(TObject& obj, TObjectReader& reader) {
  auto& list = static_cast<TOrderedList&>(obj);
  const ContainerStreamForm::THead head = ContainerStreamForm::ReadHead(reader);
  list.SetUp(*head.ElementClass, head.Compare);
  const qint32 count = ContainerStreamForm::ReadCount(reader);
  ContainerStreamForm::ReadItems(reader, count, [&list](TObject* item) { list.Add(item); });
}

void TOrderedList::WriteList(const TObject& obj, TObjectWriter& writer) {
  const auto& list = static_cast<const TOrderedList&>(obj);
  ContainerStreamForm::WriteHead(writer, list);
  writer.WriteInteger(list.count_);
  for (const TListNode* node = list.first_; node; node = node->Next)
    WriteStreamedObject(writer, node->Item);
}
