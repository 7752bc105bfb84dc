#include "crs3000/tEcrRptCrs3000Lane12.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

// The common parent is no report of any ROM list.
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000Lane12, tEcrRptCrs3000)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000OpnOrdTrk1, tEcrRptCrs3000Lane12)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000OpnOrdTrk1V4, tEcrRptCrs3000OpnOrdTrk1)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000OpnOrdTrk2, tEcrRptCrs3000Lane12)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000OpnOrdTrk2V4, tEcrRptCrs3000OpnOrdTrk2)

namespace {
const QString kTrack = QStringLiteral("Track");
} // namespace

const EcrLayout* tEcrRptCrs3000Lane12::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  // Variant 0: 29-byte records; variant 1 (ROM version 4): 30 bytes.
  static const EcrLayout layout{{29, 30},
                                {{"Tracking Number", T::Alpha, 8, C::TermText, {{0, 7}, {0, 8}}},
                                 {"Order", T::Long, 0, C::Bcd, {{7, 2}, {8, 2}}},
                                 {"Cashier", T::Alpha, 12, C::TermText, {{9, 12}, {10, 12}}},
                                 {"Time", T::Time, 0, C::Time, {{21, 2}, {22, 2}}},
                                 {"Balance", T::Money, 0, C::SignedBcd, {{23, 6}, {24, 6}}, 100}}};
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000Lane12::LookUpFields() const { return {{kTrack, TFieldType::Long, 0}}; }

void tEcrRptCrs3000Lane12::FillLookUps(TTable& table, int) { table.FieldByName(kTrack).SetAsInteger(GetTrackNo()); }

QStringList tEcrRptCrs3000Lane12::KeyFields() const {
  return {QStringLiteral("Poll Id"), kTrack, QStringLiteral("Memory Number")};
}

std::optional<TTableDef> tEcrRptCrs3000Lane12::DescribeTable() const {
  std::optional<TTableDef> def = tEcrRptCrs3000::DescribeTable();
  // The base gives Poll Id, Memory Number, Track, Tracking Number, ...: the tracking
  // number comes second, the track before the memory number.
  def->fields.move(3, 1);
  def->fields.move(3, 2);
  return def;
}
