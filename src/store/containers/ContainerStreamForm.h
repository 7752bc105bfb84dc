#pragma once
// The parts that the stream forms of the containers share: the head (element class name
// and compare function name), the item count and the nested items.
#include "store/containers/TCompareFunc.h"

#include <QtGlobal>
#include <functional>

class TClass;
class TContainer;
class TObject;
class TObjectReader;
class TObjectWriter;

namespace ContainerStreamForm {
struct THead {
  const TClass* ElementClass = nullptr;
  TCompareFunc Compare = nullptr;
};

// ECompareFuncNotRegistered when the compare function has no registered name.
void WriteHead(TObjectWriter& writer, const TContainer& container);
// The element class must be registered for streaming (EClassNotRegistered) and the
// compare function by name (ECompareFuncNotRegistered).
THead ReadHead(TObjectReader& reader);
// A stored item count; a negative one is an invalid value.
qint32 ReadCount(TObjectReader& reader);
// Reads count nested objects and hands each to add, which takes it or raises; an item that
// was not taken is freed.
void ReadItems(TObjectReader& reader, qint32 count, const std::function<void(TObject*)>& add);
} // namespace ContainerStreamForm
