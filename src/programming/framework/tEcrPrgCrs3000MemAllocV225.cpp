#include "programming/framework/tEcrPrgCrs3000MemAllocV225.h"

#include "model/EcrClassDef.h"

// Stored with the drivers of its ROMs.
TB_DEFINE_PRG_CLASS(tEcrPrgCrs3000MemAllocV225, tEcrPrgCrs3000MemAllocV221)
