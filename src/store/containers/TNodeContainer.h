#pragma once
// The base of the linked lists: a container with a cursor, the current node (none after
// creation). Indexes are 1-based.
#include "store/containers/TContainer.h"
#include "store/containers/TListNode.h"

class TNodeContainer : public TContainer {
  TB_OBJECT(TNodeContainer)
public:
  using TContainer::TContainer;

  // The item at the cursor; EContainerIsEmpty without a current node.
  virtual TObject* Current() const;
  // Puts another item into the current node (no class check, no re-sorting); the old item
  // goes through DisposeItem. EContainerIsEmpty without a current node; a nil item is
  // refused with EInvalidObjectType; the item that is already there is left alone.
  virtual void ReplaceCurrent(TObject* obj);
  // Moves the cursor to the n-th item and answers it; EInvalidIndex outside 1..count.
  virtual TObject* GoToIndex(qint32 n) = 0;
  // Adds an item, which becomes current.
  virtual void Add(TObject* obj) = 0;
  // Deletes the occurrence-th item matching the key; false when there is none.
  virtual bool Remove(const TObject* key, qint32 occurrence) = 0;
  // Unlinks the current node and answers its item, which is not freed (the caller has it).
  virtual TObject* DetachCurrent() = 0;
  // DetachCurrent, then DisposeItem of the item.
  virtual void DeleteCurrent();
  // Puts the cursor on the occurrence-th item matching the key; on failure the cursor
  // stays where it was.
  virtual bool Find(const TObject* key, qint32 occurrence) = 0;
  virtual bool First() = 0;
  virtual bool Last() = 0;
  virtual bool Next() = 0;
  virtual bool Prior() = 0;

protected:
  TListNode* current_ = nullptr;
};
