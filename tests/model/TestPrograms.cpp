#include "TestPrograms.h"

#include "model/ERecMismatch.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CLASS(tTestPrg, tEcrPrg)

std::optional<TTableDef> tTestPrg::DescribeTable() const {
  TTableDef def{LocalTableName(), {}, {}};
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Value"), TFieldType::Long}};
  def.indexes = {{QString(), {QStringLiteral("Number")}, true, true}};
  return def;
}

void tTestPrg::DefineTable(TTable& table) {
  table.FieldDefs() = DescribeTable()->fields;
  table.IndexDefs() = DescribeTable()->indexes;
}

void tTestPrg::PreFillTable(TTable& table) {
  for (int i = 1; i <= GetInitRecs(); ++i) {
    table.Append();
    table.FieldByName(QStringLiteral("Number")).SetAsInteger(i);
    table.FieldByName(QStringLiteral("Value")).SetAsInteger(0);
    table.Post();
  }
  if (duringFill) duringFill();
}

void tTestPrg::EncodeRecord(TTable& table, TEcrBlock& buffer, int, int& position) {
  EncodeBcd(buffer, position, 4, false, table.FieldByName(QStringLiteral("Value")).AsInteger());
  position += 4;
}

void tTestPrg::EncodeBlock(TEcrBlock& buffer, int& blockCount, int& blockLength, TTable& table) {
  if (blockCount == 0) table.First();
  if (table.Eof() || table.IsEmpty()) {
    blockLength = 0;
    return;
  }
  int position = 0;
  EncodeRecord(table, buffer, 0, position);
  table.Next();
  ++blockCount;
  blockLength = position;
}

void tTestPrg::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == failAtBlock) throw ERecMismatch(QStringLiteral("Block Size Mismatch, got: 5  expecting: 4"));
  if (BlkCount == 1) number_ = 0;
  const int records = CountRecords(BlkLen, 4, 10);
  for (int i = 0; i < records; ++i) {
    table.Append();
    table.FieldByName(QStringLiteral("Number")).SetAsInteger(++number_);
    table.FieldByName(QStringLiteral("Value")).SetAsInteger(DecodeBcd(buffer, i * 4, 4, false));
    table.Post();
  }
}

void tTestPrg::AfterReadBlockFile(QFile& file) {
  if (next) ReadChained(*next, file);
}
