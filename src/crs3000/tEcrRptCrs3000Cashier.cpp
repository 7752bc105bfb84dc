#include "crs3000/tEcrRptCrs3000Cashier.h"

#include "crs3000/Crs3000CashierRecord.h"
#include "crs3000/Crs3000ClassDef.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Cashier, tEcrRptCrs3000)

const EcrLayout* tEcrRptCrs3000Cashier::RecordLayout() const { return &Crs3000CashierRecord::Layout763(); }

QList<TFieldDef> tEcrRptCrs3000Cashier::LookUpFields() const {
  using namespace Crs3000CashierRecord;
  return {{QLatin1String(kNameColumn), TFieldType::Alpha, kNameSize}};
}

void tEcrRptCrs3000Cashier::FillLookUps(TTable& table, int recordNumber) {
  using namespace Crs3000CashierRecord;
  table.FieldByName(QLatin1String(kNameColumn))
      .SetAsString(names_.Find(*this, QLatin1String(kNameProgram), recordNumber, QLatin1String(kNameColumn)));
}
