#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"

#include "model/EcrStreamForm.h"

TB_DEFINE_CLASS(tEcrPrgCrs3000MemAllocV221, tEcrPrgCrs3000MemAlloc)

namespace {
// Stored with the drivers of its ROMs.
const struct Registration {
  Registration() { EcrStreamForm::RegisterPrg(tEcrPrgCrs3000MemAllocV221::StaticClass()); }
} registration;
} // namespace
