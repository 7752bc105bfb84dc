#include "crs3000/tEcrRptCrs3000SpcItmStk.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000SpcItmStk, tEcrRptCrs3000)

namespace {
const QString kPluNumber = QStringLiteral("PLU Number");
const QString kDescriptor = QStringLiteral("Descriptor");
} // namespace

const EcrLayout* tEcrRptCrs3000SpcItmStk::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{3}, {{"Stock", T::Long, 0, C::SignedBcd, {{0, 3}}}}};
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000SpcItmStk::LookUpFields() const {
  return {{kPluNumber, TFieldType::Long, 0}, {kDescriptor, TFieldType::Alpha, 12}};
}

void tEcrRptCrs3000SpcItmStk::FillLookUps(TTable& table, int recordNumber) {
  const QVariantList item =
      stock_.FindFieldsInBlock(*this, QStringLiteral("tEcrPrgCrs3000SpItmStk"), recordNumber, GetRecsInBlk(),
                                              {QStringLiteral("PLU Code")});
  const qint64 plu = item.isEmpty() ? 0 : item[0].toLongLong();
  table.FieldByName(kPluNumber).SetAsInteger(plu);
  table.FieldByName(kDescriptor)
      .SetAsString(plus_.Find(*this, QStringLiteral("tEcrPrgCrs3000PLU"), plu, kDescriptor));
}
