#include "crs3000/tEcrRptCrs3000ClkPnchs.h"

#include "crs3000/Crs3000RomVersions.h"
#include "model/EcrClassDef.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

// Not bound to the ROM versions: no ROM list names the report, the time-keeping poll
// makes it itself.
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000ClkPnchs, tEcrRptCrs3000)

namespace {
const QString kEmployeeNo = QStringLiteral("Employee No");
const QString kJobCode = QStringLiteral("Job Code");
const QString kSequence = QStringLiteral("Sequence");
const QString kName = QStringLiteral("Name");
const QString kJobName = QStringLiteral("Job Name");
constexpr int kSlotsPerEmployee = 4;
} // namespace

const EcrLayout* tEcrRptCrs3000ClkPnchs::RecordLayout() const {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{6},
                                {{"Job Code", T::Short, 0, C::Bcd, {{5, 1}}},
                                 {"Start Time", T::Time, 0, C::Time, {{0, 2}}},
                                 {"Stop Time", T::Time, 0, C::Time, {{2, 2}}},
                                 {"Break", T::Logical, 0, C::Bit, {{4, 1}}}}};
  return &layout;
}

QList<TFieldDef> tEcrRptCrs3000ClkPnchs::LookUpFields() const {
  return {{kEmployeeNo, TFieldType::Short, 0},
          {kSequence, TFieldType::Short, 0},
          {kName, TFieldType::Alpha, 12},
          {kJobName, TFieldType::Alpha, 12}};
}

QStringList tEcrRptCrs3000ClkPnchs::KeyFields() const {
  return {QStringLiteral("Poll Id"), kEmployeeNo, kJobCode, kSequence};
}

std::optional<TTableDef> tEcrRptCrs3000ClkPnchs::DescribeTable() const {
  std::optional<TTableDef> def = tEcrRptCrs3000::DescribeTable();
  def->fields.move(def->FieldIndex(kJobCode), def->FieldIndex(kEmployeeNo) + 1);
  return def;
}

// A full block holds whole employees, so the record's number across blocks gives the
// employee and the slot.
void tEcrRptCrs3000ClkPnchs::FillLookUps(TTable& table, int recordNumber) {
  const int employee = (recordNumber - 1) / kSlotsPerEmployee + 1;
  table.FieldByName(kEmployeeNo).SetAsInteger(employee);
  table.FieldByName(kSequence).SetAsInteger((recordNumber - 1) % kSlotsPerEmployee + 1);
  table.FieldByName(kName).SetAsString(
      employees_.Find(*this, QStringLiteral("tEcrPrgCrs3000Employee"), employee, QStringLiteral("Name")));
}

void tEcrRptCrs3000ClkPnchs::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  tEcrRptCrs3000::DecodeRecord(table, buffer, recordIndex, position);
  table.FieldByName(kJobName).SetAsString(
      jobs_.Find(*this, JobCodesClass(RomName()), table.FieldByName(kJobCode).AsInteger(), QStringLiteral("Descriptor")));
}

QString tEcrRptCrs3000ClkPnchs::JobCodesClass(const QString& romName) {
  return Crs3000RomVersions::Has304Tables(romName) ? QStringLiteral("tEcrPrgCrs3000JobCodes304")
                                                    : QStringLiteral("tEcrPrgCrs3000JobCodes");
}
