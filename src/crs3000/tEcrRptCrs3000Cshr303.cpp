#include "crs3000/tEcrRptCrs3000Cshr303.h"

#include "crs3000/Crs3000CashierRecord.h"
#include "crs3000/Crs3000ClassDef.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Cshr303, tEcrRptCrs3000Cashier)

const EcrLayout* tEcrRptCrs3000Cshr303::RecordLayout() const { return &Crs3000CashierRecord::Layout778(); }
