#include "crs3000/tEcrRptCrs3000Coupon.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Coupon, tEcrRptCrs3000)

const EcrLayout* tEcrRptCrs3000Coupon::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{11},
                                {{"Total", T::Money, 0, C::SignedBcd, {{0, 6}}, 100},
                                 {"Count", T::Long, 0, C::SignedBcd, {{6, 5}}}}};
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000Coupon::LookUpFields() const { return {{QStringLiteral("Name"), TFieldType::Alpha, 12}}; }

QString tEcrRptCrs3000Coupon::NameProgramClass(const QString& romName) {
  static const QStringList older{QStringLiteral("2.21 Not Recommended"), QStringLiteral("2.23"), QStringLiteral("2.24")};
  return older.contains(romName) ? QStringLiteral("tEcrPrgCrs3000Coupon224") : QStringLiteral("tEcrPrgCrs3000Coupon");
}

void tEcrRptCrs3000Coupon::FillLookUps(TTable& table, int recordNumber) {
  table.FieldByName(QStringLiteral("Name"))
      .SetAsString(names_.Find(*this, NameProgramClass(RomName()), recordNumber, QStringLiteral("Descriptor")));
}
