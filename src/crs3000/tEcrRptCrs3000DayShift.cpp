#include "crs3000/tEcrRptCrs3000DayShift.h"

#include "crs3000/Crs3000CashierRecord.h"
#include "crs3000/Crs3000ClassDef.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000DayShift, tEcrRptCrs3000)

namespace {
const QString kDayShiftId = QStringLiteral("Day Shift Id");
} // namespace

const EcrLayout* tEcrRptCrs3000DayShift::RecordLayout() const { return &Crs3000CashierRecord::Layout763(); }

QList<TFieldDef> tEcrRptCrs3000DayShift::LookUpFields() const {
  using namespace Crs3000CashierRecord;
  return {{kDayShiftId, TFieldType::Long, 0}, {QLatin1String(kNameColumn), TFieldType::Alpha, kNameSize}};
}

void tEcrRptCrs3000DayShift::FillLookUps(TTable& table, int recordNumber) {
  using namespace Crs3000CashierRecord;
  table.FieldByName(kDayShiftId).SetAsInteger(recordNumber);
  table.FieldByName(QLatin1String(kNameColumn))
      .SetAsString(names_.Find(*this, QLatin1String(kNameProgram), recordNumber, QLatin1String(kNameColumn)));
}

QStringList tEcrRptCrs3000DayShift::KeyFields() const { return {QStringLiteral("Poll Id"), kDayShiftId}; }
