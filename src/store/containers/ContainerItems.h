#pragma once
// Reaching a container's items as their own class.
#include "store/containers/ContainerErrors.h"
#include "store/containers/TContainer.h"

#include <QList>

// The object as an item of class T, for compare functions: they may be handed any object
// (a list's ReplaceCurrent does not check), so the class is checked rather than trusted
// (EInvalidObjectType).
template <class T> const T& ItemAs(const TObject& obj) {
  const auto* item = dynamic_cast<const T*>(&obj);
  if (!item) throw EInvalidObjectType();
  return *item;
}

// The items of a container whose element class is T (or a descendant), in container
// order. The walk changes no item (at most a list's cursor), so a const container may be
// walked.
template <class T> QList<T*> ItemsOf(const TContainer& container) {
  QList<T*> items;
  const_cast<TContainer&>(container).ForEachMethod(nullptr, [&items](TObject* item, void*) {
    items.append(static_cast<T*>(item));
  });
  return items;
}
