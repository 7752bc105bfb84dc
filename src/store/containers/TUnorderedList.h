#pragma once
// A linked list in insertion order: Add links the new item after the cursor, so successive
// Adds keep their order; Append links it after the last item whatever the cursor.
#include "store/containers/TOrderedList.h"

class TUnorderedList : public TOrderedList {
  TB_OBJECT(TUnorderedList)
public:
  TUnorderedList(const TClass& elementClass, TCompareFunc compare) : TOrderedList(elementClass, compare) {}
  explicit TUnorderedList(TBlank blank) : TOrderedList(blank) {}

  void Add(TObject* obj) override;
  // The occurrence-th item for which compare (key, item) is 0, counted from the first.
  bool Find(const TObject* key, qint32 occurrence) override;
  void Append(TObject* obj);
};
