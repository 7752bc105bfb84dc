#include "programming/framework/tEcrPrgCrs3000MemAllocV402.h"

#include "model/EcrClassDef.h"

// Stored with the drivers of its ROMs.
TB_DEFINE_PRG_CLASS(tEcrPrgCrs3000MemAllocV402, tEcrPrgCrs3000MemAllocV221)

QString tEcrPrgCrs3000MemAllocV402::GetMaintFormClass() const { return QStringLiteral("TFmEcrPrgCrs3000MemAllocV402"); }
