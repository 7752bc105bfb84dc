#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"

#include "model/EcrClassDef.h"

// Stored with the drivers of its ROMs.
TB_DEFINE_PRG_CLASS(tEcrPrgCrs3000MemAllocV221, tEcrPrgCrs3000MemAlloc)
