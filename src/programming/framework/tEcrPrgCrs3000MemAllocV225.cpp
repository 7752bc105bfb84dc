#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"

#include "model/EcrStreamForm.h"

TB_DEFINE_CLASS(tEcrPrgCrs3000MemAllocV225, tEcrPrgCrs3000MemAllocV221)

namespace {
// Stored with the drivers of its ROMs.
const struct Registration {
  Registration() { EcrStreamForm::RegisterPrg(tEcrPrgCrs3000MemAllocV225::StaticClass()); }
} registration;
} // namespace
