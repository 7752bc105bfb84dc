#include "programming/framework/tEcrPrgCrs3000MemAllocV302.h"

#include "model/EcrStreamForm.h"

TB_DEFINE_CLASS(tEcrPrgCrs3000MemAllocV302, tEcrPrgCrs3000MemAllocV225)

namespace {
// Stored with the drivers of its ROMs.
const struct Registration {
  Registration() { EcrStreamForm::RegisterPrg(tEcrPrgCrs3000MemAllocV302::StaticClass()); }
} registration;
} // namespace
