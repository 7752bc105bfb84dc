#pragma once
// What the three kinds of action do alike with their target, a program or report object.
#include "store/streaming/StreamErrors.h"
#include "store/streaming/TObjectStream.h"

#include <memory>

class TObjectReader;
class tEcrFnct;
class tMachine;

namespace ActnTarget {
// Makes the target one of the machine's driver's objects (its owner the driver); nothing
// without a target, a machine or a driver: the target keeps the owner it had.
void MoveToMachine(tEcrFnct* target, const tMachine* machine);

// The object as T, or nullptr for none; "Invalid property value" when it is another kind.
template <class T> std::unique_ptr<T> As(std::unique_ptr<TObject> obj) {
  if (!obj) return nullptr;
  auto* target = dynamic_cast<T*>(obj.get());
  if (!target) ReadErrors::InvalidPropertyValue();
  (void)obj.release();
  return std::unique_ptr<T>(target);
}

// The nested target of an action's stream.
template <class T> std::unique_ptr<T> Read(TObjectReader& reader) { return As<T>(ReadStreamedObject(reader)); }

// A deep copy, as the object's stream form carries it; nullptr for none.
template <class T> std::unique_ptr<T> Copy(const T* obj) { return As<T>(CopyObject(obj)); }
} // namespace ActnTarget
