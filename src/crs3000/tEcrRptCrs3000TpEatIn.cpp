#include "crs3000/tEcrRptCrs3000TpEatIn.h"

#include "model/EcrClassDef.h"

// Not bound to the ROM versions: the time period poll makes them itself.
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TpEatIn, tEcrRptCrs3000TimePeriod)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TpTakeOut, tEcrRptCrs3000TpEatIn)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TpTrack1, tEcrRptCrs3000TpEatIn)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TpTrack2, tEcrRptCrs3000TpEatIn)
