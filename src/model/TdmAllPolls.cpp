#include "model/TdmAllPolls.h"

#include <memory>

namespace {
std::unique_ptr<TdmAllPolls>& Slot() {
  static std::unique_ptr<TdmAllPolls> instance;
  return instance;
}
} // namespace

TdmAllPolls* TdmAllPolls::Instance() { return Slot().get(); }

TdmAllPolls& TdmAllPolls::Create() {
  if (!Slot()) Slot().reset(new TdmAllPolls());
  return *Slot();
}

TdmAllPolls& dmAllPolls() { return TdmAllPolls::Create(); }
