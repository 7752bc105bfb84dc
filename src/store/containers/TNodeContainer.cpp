#include "store/containers/TNodeContainer.h"

#include "store/containers/ContainerErrors.h"

TB_DEFINE_ABSTRACT_CLASS(TNodeContainer, TContainer)

TObject* TNodeContainer::Current() const {
  if (!current_) throw EContainerIsEmpty();
  return current_->Item;
}

void TNodeContainer::ReplaceCurrent(TObject* obj) {
  if (!current_) throw EContainerIsEmpty();
  if (!obj) throw EInvalidObjectType();
  if (obj == current_->Item) return;
  TObject* old = current_->Item;
  current_->Item = obj;
  DisposeItem(old);
}

void TNodeContainer::DeleteCurrent() { DisposeItem(DetachCurrent()); }
