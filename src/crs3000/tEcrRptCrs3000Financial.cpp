#include "crs3000/tEcrRptCrs3000Financial.h"

#include "crs3000/Crs3000ClassDef.h"
#include "crs3000/tEcrRptCrs3000FnclSection.h"
#include "platform/engine/TTable.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Financial, tEcrRptCrs3000)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Fncl224, tEcrRptCrs3000Financial)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000Fncl303, tEcrRptCrs3000Financial)

namespace {
const QString kPollId = QStringLiteral("Poll Id");
} // namespace

QString tEcrRptCrs3000Financial::ReportFormClass() const {
  using SettingsKeys::Drommet::Value;
  const bool roll = OpenSettingsFile(QString::fromLatin1(Value.Section))->ReadBoolean(QString::fromLatin1(Value.Key), Value.Default);
  return roll ? QStringLiteral("TQrEcrRptCrs3000Financial2") : QStringLiteral("TQrEcrRptCrs3000Financial");
}

int tEcrRptCrs3000Financial::GetSkipBytes() const { return tEcrRptCrs3000FnclSection::CombinedSize(LayoutVariant()); }

const TClass* tEcrRptCrs3000Financial::NextRptClass() const {
  return &tEcrRptCrs3000FnclSection::SectionClass(tEcrRptCrs3000FnclSection::kSales, LayoutVariant());
}

std::optional<TTableDef> tEcrRptCrs3000Financial::DescribeTable() const {
  return TTableDef{GetTableName(),
                   {{kPollId, TFieldType::Long, 0}, {QStringLiteral("Dummy Field"), TFieldType::Long, 0}},
                   {{QString(), {kPollId}, true, true}}};
}

void tEcrRptCrs3000Financial::DecodeRecord(TTable& table, const TEcrBlock&, int, int&) {
  table.FieldByName(kPollId).SetAsInteger(PollId);
}

void tEcrRptCrs3000Financial::AddHeadRow(qint32 pollId) {
  TTable table;
  OpenTable(table);
  if (!table.Active() || table.Locate({kPollId}, {pollId})) return;
  table.Append();
  table.FieldByName(kPollId).SetAsInteger(pollId);
  table.Post();
}

void tEcrRptCrs3000Financial::Present(bool print, qint32 pollId) {
  AddHeadRow(pollId);
  tEcrRptCrs3000::Present(print, pollId);
}
