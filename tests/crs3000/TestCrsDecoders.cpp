#include "TestCrsDecoders.h"

#include "platform/engine/TTable.h"

TB_DEFINE_CLASS(tTestCpnDecoder, tEcrRptCrs3000)
TB_DEFINE_CLASS(tTestChainBase, tEcrRptCrs3000)
TB_DEFINE_CLASS(tTestChain0, tTestChainBase)
TB_DEFINE_CLASS(tTestChain1, tTestChainBase)
TB_DEFINE_CLASS(tTestChain2, tTestChainBase)
TB_DEFINE_CLASS(tTestChain3, tTestChainBase)
TB_DEFINE_CLASS(tTestChain4, tTestChainBase)
TB_DEFINE_CLASS(tTestChain5, tTestChainBase)

QList<tTestChainBase::Seen> tTestChainBase::seen;

std::optional<TTableDef> tTestCpnDecoder::DescribeTable() const {
  TTableDef def{GetTableName(), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long},
                {QStringLiteral("Memory Number"), TFieldType::Long},
                {QStringLiteral("Name"), TFieldType::Alpha, 12}};
  AddTotalizerDefs(def.fields, QStringLiteral("Coupon"), 0);
  def.indexes = {{QString(), {QStringLiteral("Poll Id"), QStringLiteral("Memory Number")}, true, true}};
  return def;
}

void tTestCpnDecoder::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  const int number = RecordNumber(recordIndex);
  table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(PollId);
  table.FieldByName(QStringLiteral("Memory Number")).SetAsInteger(number);
  table.FieldByName(QStringLiteral("Name"))
      .SetAsString(names.Find(*this, QStringLiteral("tTestCrsPrg"), number, QStringLiteral("Text")));
  DecodeTotalizer(table, buffer, position, QStringLiteral("Coupon"), 0, 5, 6, 1, 100);
  position -= shortBy;
}

std::optional<TTableDef> tTestChainBase::DescribeTable() const {
  TTableDef def{GetTableName(), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long}, {QStringLiteral("Value"), TFieldType::Long}};
  def.indexes = {{QString(), {QStringLiteral("Poll Id")}, true, true}};
  return def;
}

void tTestChainBase::DecodeRecord(TTable& table, const TEcrBlock& buffer, int, int& position) {
  if (seen.isEmpty() || seen.last().className != ClassName())
    seen.append({ClassName(), AutoReport, AutoExport, AppendExport, ExportFile});
  table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(PollId);
  table.FieldByName(QStringLiteral("Value")).SetAsInteger(DecodeBcd(buffer, position, 4, false));
  position += 4;
}

const TClass* tTestChain0::NextRptClass() const { return &tTestChain1::StaticClass(); }
const TClass* tTestChain1::NextRptClass() const { return &tTestChain2::StaticClass(); }
const TClass* tTestChain2::NextRptClass() const { return &tTestChain3::StaticClass(); }
const TClass* tTestChain3::NextRptClass() const { return &tTestChain4::StaticClass(); }
const TClass* tTestChain4::NextRptClass() const { return &tTestChain5::StaticClass(); }
const TClass* tTestChain5::NextRptClass() const { return nullptr; }
