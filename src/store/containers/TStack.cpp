#include "store/containers/TStack.h"

#include "store/containers/ContainerErrors.h"
#include "store/containers/ContainerStreamForm.h"
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

TB_DEFINE_CLASS(TStack, TContainer)

namespace {
[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TStack::StaticClass(), {&TStack::ReadStack}, {&TStack::WriteStack});
  return true;
}();
} // namespace

TStack::TStack(const TClass& elementClass, TCompareFunc compare)
    : TContainer(elementClass, compare),
      list_(std::make_unique<TUnorderedList>(elementClass, compare)) {}

qint32 TStack::Count() const { return list_ ? list_->Count() : 0; }

bool TStack::GetOwnsItems() const { return list_ ? list_->GetOwnsItems() : ownsItems_; }

void TStack::SetOwnsItems(bool owns) {
  ownsItems_ = owns;
  if (list_) list_->SetOwnsItems(owns);
}

void TStack::ForEach(TForEachProc proc, void* parameter) {
  if (list_) list_->ForEach(proc, parameter);
}

void TStack::ForEachMethod(void* parameter, const TForEachMethod& method) {
  if (list_) list_->ForEachMethod(parameter, method);
}

void TStack::Clear() {
  if (list_) list_->Clear();
}

void TStack::Push(TObject* obj) {
  CheckItemClass(obj);
  list_->Append(obj);
}

TObject* TStack::Pop() {
  if (!list_ || !list_->Last()) throw EContainerIsEmpty();
  return list_->DetachCurrent();
}

TObject* TStack::Top() const {
  if (!list_ || !list_->Last()) throw EContainerIsEmpty();
  return list_->Current();
}

void TStack::ReadStack(TObject& obj, TObjectReader& reader) {
  auto& stack = static_cast<TStack&>(obj);
  const ContainerStreamForm::THead head = ContainerStreamForm::ReadHead(reader);
  stack.SetUp(*head.ElementClass, head.Compare);
  std::unique_ptr<TObject> inner = ReadStreamedObject(reader);
  if (!inner || !inner->InheritsFrom(TUnorderedList::StaticClass())) throw EInvalidObjectType();
  stack.list_.reset(static_cast<TUnorderedList*>(inner.release()));
}

void TStack::WriteStack(const TObject& obj, TObjectWriter& writer) {
  const auto& stack = static_cast<const TStack&>(obj);
  ContainerStreamForm::WriteHead(writer, stack);
  WriteStreamedObject(writer, stack.list_.get());
}
