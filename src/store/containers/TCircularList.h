#pragma once
// An unordered list whose ends meet: Next on the last item moves to the first and Prior on
// the first moves to the last; both answer false only when the list is empty.
#include "store/containers/TUnorderedList.h"

class TCircularList : public TUnorderedList {
  TB_OBJECT(TCircularList)
public:
  TCircularList(const TClass& elementClass, TCompareFunc compare) : TUnorderedList(elementClass, compare) {}
  explicit TCircularList(TBlank blank) : TUnorderedList(blank) {}

  bool Next() override;
  bool Prior() override;
};
