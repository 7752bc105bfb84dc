#include "programming/framework/tEcrPrgCrs3000MemAllocV402.h"

#include "model/EcrStreamForm.h"

TB_DEFINE_CLASS(tEcrPrgCrs3000MemAllocV402, tEcrPrgCrs3000MemAllocV221)

namespace {
// Stored with the drivers of its ROMs.
const struct Registration {
  Registration() { EcrStreamForm::RegisterPrg(tEcrPrgCrs3000MemAllocV402::StaticClass()); }
} registration;
} // namespace

QString tEcrPrgCrs3000MemAllocV402::GetMaintFormClass() const { return QStringLiteral("TFmEcrPrgCrs3000MemAllocV402"); }
