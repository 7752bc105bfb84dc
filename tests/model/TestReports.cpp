#include "TestReports.h"

#include "platform/engine/TTable.h"

TB_DEFINE_CLASS(tTestRpt, tEcrRpt)
TB_DEFINE_CLASS(tEcrRptCrs3000FnclTest, tTestRpt)
TB_DEFINE_CLASS(tEcrRptCrs3000SalesTest, tTestRpt)
TB_DEFINE_CLASS(tEcrRptCrs3000MemoTest, tTestRpt)
TB_DEFINE_CLASS(tEcrRptCrs3000SalesLaborTest, tTestRpt)

std::function<void()> tTestRpt::OnNextBlock;

std::optional<TTableDef> tTestRpt::DescribeTable() const {
  TTableDef def{GetTableName(), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long},
                {QStringLiteral("Number"), TFieldType::Long},
                {QStringLiteral("Value"), TFieldType::Long}};
  def.indexes = {{QString(), {QStringLiteral("Poll Id"), QStringLiteral("Number")}, true, true}};
  return def;
}

void tTestRpt::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == 1) {
    number_ = 0;
    return AddPoll();
  }
  if (auto hook = std::exchange(OnNextBlock, nullptr)) hook();
  const int records = CountRecords(BlkLen, GetPrgRecSize(), 100);
  for (int i = 0; i < records; ++i) {
    table.Append();
    table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(PollId);
    table.FieldByName(QStringLiteral("Number")).SetAsInteger(++number_);
    table.FieldByName(QStringLiteral("Value")).SetAsInteger(DecodeBcd(buffer, i * 4, 4, false));
    table.Post();
  }
}

void tTestRpt::AfterReadBlockFile(QFile& file) {
  const TClass* next = NextClass();
  if (!next) return;
  std::unique_ptr<tEcrFnct> made = CreateByClass(*next, Owner());
  auto& section = dynamic_cast<tEcrRpt&>(*made);
  section.AutoExport = AutoExport;
  section.ExportFile = ExportFile;
  ReadChained(section, file);
}

const TClass* tEcrRptCrs3000FnclTest::NextClass() const { return &tEcrRptCrs3000SalesTest::StaticClass(); }
const TClass* tEcrRptCrs3000SalesTest::NextClass() const { return &tEcrRptCrs3000MemoTest::StaticClass(); }
