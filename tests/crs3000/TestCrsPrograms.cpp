#include "TestCrsPrograms.h"

#include "model/EcrErrors.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CLASS(tTestCrsPrg, tEcrPrgCrs3000)
TB_DEFINE_CLASS(tTestCrsPrgB, tTestCrsPrg)
TB_DEFINE_CLASS(tTestCrsLookups, tTestCrsPrg)

std::optional<TTableDef> tTestCrsPrg::DescribeTable() const {
  TTableDef def{LocalTableName(), {}, {}};
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Text"), TFieldType::Alpha, 48}};
  def.indexes = {{QString(), {QStringLiteral("Number")}, true, true}};
  return def;
}

void tTestCrsPrg::EncodeRecord(TTable& table, TEcrBlock& buffer, int, int& position) {
  const QString text = table.FieldByName(QStringLiteral("Text")).AsString();
  if (text == QLatin1String("FAIL")) throw ERangeError();
  EncodeBcd(buffer, position, 2, false, table.FieldByName(QStringLiteral("Number")).AsInteger());
  EncodeText(buffer, position + 2, 48, text);
  position += 50;
}

// Rows are numbered by their place in the transfer, as the register's tables are.
void tTestCrsPrg::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  table.FieldByName(QStringLiteral("Number")).SetAsInteger((BlkCount - GetFirstBlk()) * GetMaxRecsInBlk() + recordIndex + 1);
  table.FieldByName(QStringLiteral("Text")).SetAsString(DecodeText(buffer, position + 2, 48));
  position += 50;
}

void tTestCrsLookups::Create(TObject* owner) {
  tTestCrsPrg::Create(owner);
  ChainContinue = true;
}

void tTestCrsLookups::WriteBlockFile(QFile& file, bool isNew) {
  ChainContinue = true;
  tTestCrsPrg::WriteBlockFile(file, isNew);
}
