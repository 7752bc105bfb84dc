#include "store/containers/TUnorderedList.h"

#include "store/containers/ContainerErrors.h"
#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(TUnorderedList, TOrderedList)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TUnorderedList::StaticClass(), {&TOrderedList::ReadList},
                     {&TOrderedList::WriteList});
  return true;
}();
} // namespace

void TUnorderedList::Add(TObject* obj) {
  CheckItemClass(obj);
  // A list with items but no cursor cannot arise through the list's own operations; such
  // a list would take the item at its end.
  InsertAfter(current_ ? current_ : last_, obj);
}

bool TUnorderedList::Find(const TObject* key, qint32 occurrence) {
  CheckItemClass(key);
  if (occurrence < 1) throw EInvalidOccurrenceSought();
  qint32 seen = 0;
  for (TListNode* node = first_; node; node = node->Next) {
    if (compare_(*key, *node->Item) == CompareResult::Equal && ++seen == occurrence) {
      current_ = node;
      return true;
    }
  }
  return false;
}

void TUnorderedList::Append(TObject* obj) {
  CheckItemClass(obj);
  InsertAfter(last_, obj);
}
