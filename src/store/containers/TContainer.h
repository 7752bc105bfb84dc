#pragma once
// The base of the typed containers: every item is an instance of the element class (or of
// a descendant), order and equality come from a registered compare function, and a
// container that owns its items frees each item that leaves it through a delete, a
// replacement or a clear, and all of them when it is destroyed.
//
// Ownership in C++ terms: an item handed to a container that owns its items belongs to the
// container once the call has returned; when the call raises, the item was not taken and
// still belongs to the caller. An object may be held only once by owning containers.
#include "platform/sys/TObject.h"
#include "store/containers/TCompareFunc.h"

#include <functional>

using TForEachProc = void (*)(TObject* item, void* parameter);
using TForEachMethod = std::function<void(TObject* item, void* parameter)>;

class TContainer : public TObject {
  TB_OBJECT(TContainer)
public:
  // Raises ECompareFuncNotRegistered for a missing compare function.
  TContainer(const TClass& elementClass, TCompareFunc compare);
  // For stream readers, which set up the whole container themselves.
  explicit TContainer(TBlank blank) : TObject(blank) {}
  TContainer(const TContainer&) = delete;
  TContainer& operator=(const TContainer&) = delete;

  virtual qint32 Count() const { return count_; }
  virtual bool IsEmpty() const { return Count() == 0; }
  virtual bool GetOwnsItems() const { return ownsItems_; }
  virtual void SetOwnsItems(bool owns) { ownsItems_ = owns; }
  // Calls the procedure or method for every item, in container order.
  virtual void ForEach(TForEachProc proc, void* parameter) = 0;
  virtual void ForEachMethod(void* parameter, const TForEachMethod& method) = 0;
  // Removes every item, freeing each one when the container owns its items.
  virtual void Clear() = 0;

  // EInvalidObjectType unless the object is an instance of the element class or of a
  // descendant; nil is refused too.
  void CheckItemClass(const TObject* obj) const;
  // Frees the object when the container owns its items.
  void DisposeItem(TObject* obj) const;

  const TClass* ElementClass() const { return elementClass_; }
  TCompareFunc CompareFunc() const { return compare_; }

protected:
  // Sets what a stream reader found; owns-items is set, as it is not stored.
  void SetUp(const TClass& elementClass, TCompareFunc compare);

  const TClass* elementClass_ = nullptr;
  TCompareFunc compare_ = nullptr;
  qint32 count_ = 0;
  bool ownsItems_ = true;
};
