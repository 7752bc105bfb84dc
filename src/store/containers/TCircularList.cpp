#include "store/containers/TCircularList.h"

#include "store/streaming/StreamRegistry.h"

TB_DEFINE_CLASS(TCircularList, TUnorderedList)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TCircularList::StaticClass(), {&TOrderedList::ReadList},
                     {&TOrderedList::WriteList});
  return true;
}();
} // namespace

// Without a cursor, both moves start from the matching end.
bool TCircularList::Next() {
  current_ = (current_ && current_->Next) ? current_->Next : first_;
  return current_ != nullptr;
}

bool TCircularList::Prior() {
  current_ = (current_ && current_->Prev) ? current_->Prev : last_;
  return current_ != nullptr;
}
