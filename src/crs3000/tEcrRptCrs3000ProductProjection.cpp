#include "crs3000/tEcrRptCrs3000ProductProjection.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

#include <string>

// The parent is no ROM's report; the weekdays are every ROM's.
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000ProductProjection, tEcrRptCrs3000)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjSun, tEcrRptCrs3000ProductProjection)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjMon, tEcrRptCrs3000ProductProjection)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjTue, tEcrRptCrs3000ProductProjection)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjWed, tEcrRptCrs3000ProductProjection)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjThu, tEcrRptCrs3000ProductProjection)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjFri, tEcrRptCrs3000ProductProjection)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000PrdPrjSat, tEcrRptCrs3000ProductProjection)

namespace {
const QString kDay = QStringLiteral("Day");
const QString kName = QStringLiteral("Name");
constexpr int kPeriods = 48;
constexpr int kWeeks = 4;
constexpr int kValueBytes = 2; // signed BCD, 3 digits; FF FF reads 65535

// "Period PP Week W" at 8 (p - 1) + 2 (w - 1), then 8 bytes the report does not use.
EcrLayout MakeLayout() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (int p = 1; p <= kPeriods; ++p)
      for (int w = 1; w <= kWeeks; ++w)
        all.push_back(QStringLiteral("Period %1 Week %2").arg(p, 2, 10, QLatin1Char('0')).arg(w).toStdString());
    return all;
  }();
  std::vector<EcrColumn> columns;
  for (size_t i = 0; i < names.size(); ++i)
    columns.push_back({names[i].c_str(), TFieldType::Long, 0, EcrCoding::SignedBcd, {{int(i) * kValueBytes, kValueBytes}}});
  const int values = kPeriods * kWeeks * kValueBytes;
  columns.push_back({nullptr, TFieldType::Long, 0, EcrCoding::Reserved, {{values, 8}}});
  return EcrLayout({values + 8}, std::move(columns));
}
} // namespace

const EcrLayout* tEcrRptCrs3000ProductProjection::RecordLayout() const {
  static const EcrLayout layout = MakeLayout();
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000ProductProjection::LookUpFields() const {
  return {{kDay, TFieldType::Short, 0}, {kName, TFieldType::Alpha, 12}};
}

QStringList tEcrRptCrs3000ProductProjection::KeyFields() const {
  return {QStringLiteral("Poll Id"), kDay, QStringLiteral("Memory Number")};
}

std::optional<TTableDef> tEcrRptCrs3000ProductProjection::DescribeTable() const {
  std::optional<TTableDef> def = tEcrRptCrs3000::DescribeTable();
  def->fields.move(def->FieldIndex(kDay), 1);
  return def;
}

void tEcrRptCrs3000ProductProjection::FillLookUps(TTable& table, int recordNumber) {
  table.FieldByName(kDay).SetAsInteger(GetWeekDay());
  table.FieldByName(kName).SetAsString(
      names_.Find(*this, QStringLiteral("tEcrPrgCrs3000ProductMix"), recordNumber, QStringLiteral("Descriptor")));
}
