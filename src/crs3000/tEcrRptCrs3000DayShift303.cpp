#include "crs3000/tEcrRptCrs3000DayShift303.h"

#include "crs3000/Crs3000CashierRecord.h"
#include "crs3000/Crs3000ClassDef.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000DayShift303, tEcrRptCrs3000DayShift)

const EcrLayout* tEcrRptCrs3000DayShift303::RecordLayout() const { return &Crs3000CashierRecord::Layout778(); }
