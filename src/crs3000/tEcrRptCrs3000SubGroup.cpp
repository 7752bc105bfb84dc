#include "crs3000/tEcrRptCrs3000SubGroup.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000SubGroup, tEcrRptCrs3000)

const EcrLayout& tEcrRptCrs3000SubGroup::GroupLayout() {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{17},
                                {{"Total", T::Money, 0, C::SignedBcd, {{0, 6}}, 100},
                                 {"Count", T::Long, 0, C::SignedBcd, {{6, 5}}},
                                 {"Weight", T::Long, 0, C::SignedBcd, {{11, 6}}}}};
  return layout;
}

const EcrLayout* tEcrRptCrs3000SubGroup::RecordLayout() const { return &GroupLayout(); }

QList<TFieldDef> tEcrRptCrs3000SubGroup::LookUpFields() const {
  return {{QStringLiteral("Name"), TFieldType::Alpha, 12}};
}

void tEcrRptCrs3000SubGroup::FillLookUps(TTable& table, int recordNumber) {
  const QVariantList found = names_.FindFieldsInBlock(*this, QStringLiteral("tEcrPrgCrs3000SubGrp"), recordNumber,
                                                      GetRecsInBlk(), {QStringLiteral("Descriptor")});
  table.FieldByName(QStringLiteral("Name")).SetAsString(found.isEmpty() ? QStringLiteral("Undefined") : found[0].toString());
}
