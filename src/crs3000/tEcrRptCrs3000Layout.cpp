// A CRS 3000 report decoder written as a record layout: the table and the record decode
// that the base derives from the layout.
#include "crs3000/tEcrRptCrs3000.h"

#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

namespace {
const QString kPollId = QStringLiteral("Poll Id");
const QString kMemoryNumber = QStringLiteral("Memory Number");
} // namespace

std::optional<TFieldType> tEcrRptCrs3000::RecordNumberType() const { return std::nullopt; }

QList<TFieldDef> tEcrRptCrs3000::LookUpFields() const { return {}; }
void tEcrRptCrs3000::FillLookUps(TTable&, int) {}

QStringList tEcrRptCrs3000::KeyFields() const {
  if (!RecordNumberType()) return {};
  return {kPollId, kMemoryNumber};
}

int tEcrRptCrs3000::GetPrgRecSize() const {
  const EcrLayout* layout = RecordLayout();
  return layout ? layout->RecordSize(LayoutVariant()) : tEcrCrsReport::GetPrgRecSize();
}

std::optional<TTableDef> tEcrRptCrs3000::DescribeTable() const {
  const EcrLayout* layout = RecordLayout();
  if (!layout) return tEcrCrsReport::DescribeTable();
  TTableDef def{GetTableName(), {{kPollId, TFieldType::Long, 0}}, {}};
  if (const std::optional<TFieldType> numberType = RecordNumberType()) def.fields.append({kMemoryNumber, *numberType, 0});
  def.fields.append(LookUpFields());
  def.fields.append(layout->FieldDefs());
  if (const QStringList keys = KeyFields(); !keys.isEmpty()) def.indexes.append({QString(), keys, true, true});
  return def;
}

void tEcrRptCrs3000::DefineTable(TTable& table) {
  const std::optional<TTableDef> def = DescribeTable();
  if (!def) return tEcrCrsReport::DefineTable(table);
  table.FieldDefs() = def->fields;
  table.IndexDefs() = def->indexes;
}

void tEcrRptCrs3000::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  const EcrLayout* layout = RecordLayout();
  if (!layout) return tEcrCrsReport::DecodeRecord(table, buffer, recordIndex, position);
  table.FieldByName(kPollId).SetAsInteger(PollId);
  const int number = RecordNumber(recordIndex);
  if (RecordNumberType()) table.FieldByName(kMemoryNumber).SetAsInteger(number);
  FillLookUps(table, number);
  layout->DecodeInto(table, *this, buffer, position, LayoutVariant());
  position += layout->RecordSize(LayoutVariant());
}
