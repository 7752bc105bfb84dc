#pragma once
// A doubly linked list kept in ascending compare order; a new item goes before the items
// equal to it. Searches and insertions pass the key or new item as the compare function's
// first argument.
#include "store/containers/TNodeContainer.h"

class TObjectReader;
class TObjectWriter;

class TOrderedList : public TNodeContainer {
  TB_OBJECT(TOrderedList)
public:
  TOrderedList(const TClass& elementClass, TCompareFunc compare) : TNodeContainer(elementClass, compare) {}
  explicit TOrderedList(TBlank blank) : TNodeContainer(blank) {}
  ~TOrderedList() override;

  // Walks the items from first to last; the cursor ends on the last item.
  void ForEach(TForEachProc proc, void* parameter) override;
  void ForEachMethod(void* parameter, const TForEachMethod& method) override;
  void Clear() override;

  TObject* GoToIndex(qint32 n) override;
  void Add(TObject* obj) override;
  bool Remove(const TObject* key, qint32 occurrence) override;
  TObject* DetachCurrent() override;
  bool Find(const TObject* key, qint32 occurrence) override;
  bool First() override;
  bool Last() override;
  bool Next() override;
  bool Prior() override;

  // The stream form: element class name, compare function name, count, then the items
  // from first to last as nested objects. Reading adds each item with Add.
  static void ReadList(TObject& obj, TObjectReader& reader);
  static void WriteList(const TObject& obj, TObjectWriter& writer);

protected:
  // Links a new node for the item before the given node, or after the last node when
  // there is none; the new node becomes current.
  void InsertBefore(TListNode* before, TObject* obj);
  // Links a new node for the item right after the given node, or in front of the first
  // node when none is given; the new node becomes current.
  void InsertAfter(TListNode* after, TObject* obj);
  // The walk of ForEach, first to last.
  template <class Visit> void VisitAll(Visit&& visit);

  TListNode* first_ = nullptr;
  TListNode* last_ = nullptr;
};
