#include "store/containers/TContainer.h"

#include "store/containers/ContainerErrors.h"

TB_DEFINE_ABSTRACT_CLASS(TContainer, TObject)

TContainer::TContainer(const TClass& elementClass, TCompareFunc compare) {
  SetUp(elementClass, compare);
}

void TContainer::SetUp(const TClass& elementClass, TCompareFunc compare) {
  if (!compare) throw ECompareFuncNotRegistered();
  elementClass_ = &elementClass;
  compare_ = compare;
  ownsItems_ = true;
}

void TContainer::CheckItemClass(const TObject* obj) const {
  if (!obj || !elementClass_ || !obj->InheritsFrom(*elementClass_)) throw EInvalidObjectType();
}

void TContainer::DisposeItem(TObject* obj) const {
  if (ownsItems_) delete obj;
}
