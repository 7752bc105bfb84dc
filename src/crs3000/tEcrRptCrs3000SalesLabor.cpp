#include "crs3000/tEcrRptCrs3000SalesLabor.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000SalesLabor, tEcrRptCrs3000)

namespace {
const QString kLaborHours = QStringLiteral("Labor Hours");
constexpr int kLaborHoursAt = 9;
constexpr int kLaborHoursBytes = 5;
} // namespace

// The labour hours are not a plain scaled number, so the layout only reserves their bytes.
const EcrLayout* tEcrRptCrs3000SalesLabor::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{20},
                                {{"Customers", T::Long, 0, C::SignedBcd, {{0, 3}}},
                                 {"Total", T::Money, 0, C::SignedBcd, {{3, 6}}, 100},
                                 {nullptr, T::Long, 0, C::Reserved, {{kLaborHoursAt, kLaborHoursBytes}}},
                                 {"Labor Cost", T::Money, 0, C::SignedBcd, {{14, 6}}, 100}}};
  return &layout;
}

std::optional<TTableDef> tEcrRptCrs3000SalesLabor::DescribeTable() const {
  std::optional<TTableDef> def = tEcrRptCrs3000::DescribeTable();
  def->fields.insert(def->fields.size() - 1, {kLaborHours, TFieldType::Money, 0});
  return def;
}

double tEcrRptCrs3000SalesLabor::LaborHours(qint64 thousandths) {
  // In whole thousandths first, so that 102.505 hours store 2.505 and not 2.50499...
  return double(thousandths > 0 ? thousandths - 100000 : thousandths) / 1000.0;
}

void tEcrRptCrs3000SalesLabor::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  const int start = position;
  tEcrRptCrs3000::DecodeRecord(table, buffer, recordIndex, position);
  table.FieldByName(kLaborHours).SetAsFloat(LaborHours(DecodeBcd(buffer, start + kLaborHoursAt, kLaborHoursBytes, false)));
}
