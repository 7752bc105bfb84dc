#include "crs3000/tEcrRptCrs3000PLU.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PLU, tEcrRptCrs3000)

namespace {
const QString kPluCode = QStringLiteral("PluCode");
const QString kName = QStringLiteral("Name");

QStringList SummedFields() {
  return {QStringLiteral("Total"),  QStringLiteral("Count"),  QStringLiteral("Promotion"),
          QStringLiteral("Waste"),  QStringLiteral("Weight"), QStringLiteral("Promotion Weight"),
          QStringLiteral("Waste Weight")};
}
} // namespace

const EcrLayout* tEcrRptCrs3000PLU::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{39},
                                {{"Total", T::Money, 0, C::SignedBcd, {{0, 6}}, 100},
                                 {"Count", T::Long, 0, C::SignedBcd, {{6, 5}}},
                                 {"Promotion", T::Long, 0, C::SignedBcd, {{11, 5}}},
                                 {"Waste", T::Long, 0, C::SignedBcd, {{16, 5}}},
                                 {"Weight", T::Long, 0, C::SignedBcd, {{21, 6}}},
                                 {"Promotion Weight", T::Long, 0, C::SignedBcd, {{27, 6}}},
                                 {"Waste Weight", T::Long, 0, C::SignedBcd, {{33, 6}}}}};
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000PLU::LookUpFields() const {
  return {{kPluCode, TFieldType::Long, 0}, {kName, TFieldType::Alpha, 12}};
}

void tEcrRptCrs3000PLU::FillLookUps(TTable& table, int recordNumber) {
  const QVariantList found = plus_.FindFieldsInBlock(*this, QStringLiteral("tEcrPrgCrs3000PLU"), recordNumber, GetRecsInBlk(),
                                              {kPluCode, QStringLiteral("Descriptor")});
  table.FieldByName(kPluCode).SetAsInteger(found.isEmpty() ? 0 : found[0].toLongLong());
  table.FieldByName(kName).SetAsString(found.isEmpty() ? QStringLiteral("Undefined") : found[1].toString());
}

void tEcrRptCrs3000PLU::SetSQLGroupList() { SQLGroupList = {QStringLiteral("Memory Number"), kPluCode, kName}; }

void tEcrRptCrs3000PLU::SetSQLSumFieldsList() { SQLSumFieldsList = SummedFields(); }

void tEcrRptCrs3000PLU::SetSQLFieldsList() {
  SQLFieldsList = QStringList{QStringLiteral("Memory Number"), kPluCode, kName} + SummedFields();
}
