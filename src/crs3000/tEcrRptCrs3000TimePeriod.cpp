#include "crs3000/tEcrRptCrs3000TimePeriod.h"

#include "crs3000/Crs3000ClassDef.h"
#include "crs3000/Crs3000TableNames.h"
#include "model/EcrLayout.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000TimePeriod, tEcrRptCrs3000)

QString tEcrRptCrs3000TimePeriod::GetTableName() const {
  return Crs3000TableNames::Choose(QStringLiteral("tEcrRptCrs3000TimePer"), QStringLiteral("tEcrRptCrs3000TimePeriod"));
}

const EcrLayout* tEcrRptCrs3000TimePeriod::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{9},
                                {{"Customer", T::Long, 0, C::SignedBcd, {{0, 3}}},
                                 {"Total", T::Money, 0, C::SignedBcd, {{3, 6}}, 100}}};
  return &layout;
}

void tEcrRptCrs3000TimePeriod::SetSQLGroupList() {
  tEcrRptCrs3000::SetSQLGroupList();
  SQLGroupList = {QStringLiteral("Memory Number")};
}

void tEcrRptCrs3000TimePeriod::SetSQLFieldsList() {
  tEcrRptCrs3000::SetSQLFieldsList();
  SQLFieldsList = {QStringLiteral("Memory Number"), QStringLiteral("Customer"), QStringLiteral("Total")};
}

void tEcrRptCrs3000TimePeriod::SetSQLSumFieldsList() {
  tEcrRptCrs3000::SetSQLSumFieldsList();
  SQLSumFieldsList = {QStringLiteral("Customer"), QStringLiteral("Total")};
}
