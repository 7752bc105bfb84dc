#include "reports/RptLineTests.h"

bool RptPresentNotZero(const RptValue& value) { return !value.IsNull() && value.ToDouble() != 0; }

bool RptAnyPresentNotZero(const RptRowSource& rows, const QStringList& fields) {
  for (const QString& field : fields)
    if (RptPresentNotZero(rows.Field(field))) return true;
  return false;
}
