#include "programming/framework/tEcrPrgCrs3000MemAllocV221.h"

#include "crs3000/Crs3000ClassDef.h"

// Stored with the drivers of its ROMs.
TB_DEFINE_CRS3000_PRG_CLASS(tEcrPrgCrs3000MemAllocV221, tEcrPrgCrs3000MemAlloc)
