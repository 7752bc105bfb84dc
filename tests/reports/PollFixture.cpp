#include "PollFixture.h"

#include "model/EcrClassDef.h"
#include "model/MachineList.h"
#include "model/TdmAllPolls.h"
#include "store/streaming/StreamRegistry.h"
#include "platform/engine/EngineConfig.h"
#include "platform/engine/TTable.h"
#include "platform/sys/Cp1252.h"
#include "reports/RptPollRun.h"
#include "reports/RptProgramRows.h"
#include "reports/engine/RptReportRegistry.h"
#include "reports/engine/RptTextRenderer.h"

TB_DEFINE_RPT_CLASS(tPollTestRpt, tEcrRpt)
TB_DEFINE_PRG_CLASS(tPollNamePrg, tEcrPrg)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000FinancialTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000SalesTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000RcptsTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000MemoTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000SysBalTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000TblSrvcTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000SalesLaborTest, tPollTestRpt)
TB_DEFINE_RPT_CLASS(tEcrRptCrs3000DayShiftTest, tPollTestRpt)

namespace {
const RptReportRegistration kForm(QStringLiteral("TQrPollTest"), [] { return std::make_unique<TQrPollTest>(); });
} // namespace

std::optional<TTableDef> tPollTestRpt::DescribeTable() const {
  TTableDef def{GetTableName(), {}, {}};
  def.fields = {{QStringLiteral("Poll Id"), TFieldType::Long},
                {QStringLiteral("Number"), TFieldType::Long},
                {QStringLiteral("Value"), TFieldType::Money}};
  def.indexes = {{QString(), {QStringLiteral("Poll Id"), QStringLiteral("Number")}, true, true}};
  return def;
}

std::optional<TTableDef> tPollNamePrg::DescribeTable() const {
  TTableDef def{LocalTableName(), {}, {}};
  def.fields = {{QStringLiteral("Number"), TFieldType::Long}, {QStringLiteral("Descriptor"), TFieldType::Alpha, 12}};
  def.indexes = {{QString(), {QStringLiteral("Number")}, true, true}};
  return def;
}

TQrPollTest::TQrPollTest() : TQrEcrRpt3000(QStringLiteral("TQrPollTest")) {
  SetTitle(QStringLiteral("Poll Test Report"));
  ColumnHeaderBand1().AddLabel(QStringLiteral("Caption"), {16, 8, 200, 16}, QStringLiteral("Line Value"));
  RptBand& detail = DetailBand1();
  detail.SetHeightPx(20);
  detail.AddLabel(QStringLiteral("Line"), {16, 0, 200, 16}, QStringLiteral("Line"));
  detail.AddDataText(QStringLiteral("Value"), {300, 0, 120, 16}, QString(), QStringLiteral("Value"), QStringLiteral("$###,##0.00"));
  detail.OnBeforePrint([this](RptBand& band, bool&) {
    RptElement& line = *band.FindElement(QStringLiteral("Line"));
    line.SetCaption(QStringLiteral("Line"));
    RptCaptionFrom(line, *names, QStringLiteral("Number"), Master()->Field(QStringLiteral("Number")), QStringLiteral("Descriptor"));
  });
}

void TQrPollTest::BindPrograms(const tEcrRpt& report) {
  names = RptProgramRows(report, QStringLiteral("tPollNamePrg"));
}

PollFixture::PollFixture() {
  auto made = tEcrFnct::New<tPollTestRpt>(&driver);
  report = made.get();
  driver.Add(std::move(made));
}

PollFixture::~PollFixture() {
  CloseMachineFile();
  TdmAllPolls::Create().tblAllPolls.Close();
}

qint64 PollFixture::ReportRows(const QString& reportClass, qint32 pollId) {
  return Rows(QString::fromLatin1(EngineConfig::kDataAlias), reportClass, QStringLiteral("\"Poll Id\" = ?"), {pollId});
}

void PollFixture::AddProgram() {
  auto made = tEcrFnct::New<tPollNamePrg>(&driver);
  program = made.get();
  driver.Add(std::move(made));
}

qint32 PollFixture::StorePoll(const PollHeader& header, const QList<qint64>& values) {
  tEcrRpt::OpenAllPolls();
  TTable& polls = dmAllPolls().tblAllPolls;
  polls.Append();
  auto field = [&polls](const char* name) -> TField& { return polls.FieldByName(QLatin1String(name)); };
  field("EcrRptClass").SetAsString(header.reportClass);
  field("Report Name").SetAsString(header.reportName);
  field("EcrClass").SetAsString(QStringLiteral("tEcr"));
  field("Poll Date").SetAsDateTime(TDateTime::FromQDateTime(QDateTime(QDate(2026, 3, 4), QTime(9, 15))));
  field("Ecr Date").SetAsDateTime(TDateTime::FromDate(QDate(2026, 3, 3)));
  field("Poll Type").SetAsString(QStringLiteral("Z"));
  field("Polled Area").SetAsString(QStringLiteral("AREA 1"));
  field("Data Type").SetAsString(QStringLiteral("Z1"));
  field("Machine Id").SetAsString(header.machineId);
  field("Store Number").SetAsInteger(header.store);
  field("Machine Number").SetAsInteger(header.machine);
  field("Z Counter").SetAsInteger(header.zCounter);
  field("Misc Info 1").SetAsInteger(header.transaction);
  field("Misc Info 2").SetAsInteger(header.prePolled);
  if (header.polledRegister.isValid()) field("Misc Info 3").SetAsInteger(header.polledRegister.toLongLong());
  field("Misc Data 1").SetAsString(Cp1252::Decode(header.status));
  polls.Post();
  const auto pollId = qint32(field("Poll Id").AsInteger());
  std::unique_ptr<tEcrFnct> made;
  tEcrRpt* of = report;
  if (header.reportClass != report->ClassName()) {
    made = tEcrFnct::CreateByClass(ClassByName(header.reportClass), &driver);
    of = dynamic_cast<tEcrRpt*>(made.get());
  }
  TTable rows;
  of->OpenTable(rows);
  qint64 number = 0;
  for (qint64 value : values) {
    rows.Append();
    rows.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(pollId);
    rows.FieldByName(QStringLiteral("Number")).SetAsInteger(++number);
    rows.FieldByName(QStringLiteral("Value")).SetAsMoney(value);
    rows.Post();
  }
  return pollId;
}

void PollFixture::StoreNames(const QList<std::pair<int, QString>>& names) {
  TTable& table = program->OpenTable();
  for (const auto& [number, text] : names) {
    table.Append();
    table.FieldByName(QStringLiteral("Number")).SetAsInteger(number);
    table.FieldByName(QStringLiteral("Descriptor")).SetAsString(text);
    table.Post();
  }
  program->CloseTable();
}

QList<QStringList> PollFixture::Pages(qint32 pollId) {
  RptPollRun run(*report, pollId);
  const std::optional<RptPageModel> model = run.Generate();
  QList<QStringList> pages;
  if (!model) return pages;
  for (const RptPage& page : model->pages) pages.append(RptTextRenderer::PageLines(page, model->setup, 1.27));
  return pages;
}

QString PollFixture::Line(const QStringList& page, const QString& start) {
  for (const QString& line : page)
    if (line.trimmed().startsWith(start)) return line;
  return QString();
}
