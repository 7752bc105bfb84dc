#include "crs3000/tEcrRptCrs3000MajorGroup.h"

#include "crs3000/Crs3000ClassDef.h"
#include "crs3000/tEcrRptCrs3000SubGroup.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"
#include "store/settings/SettingsFile.h"
#include "store/settings/SettingsKeys.h"
#include "store/settings/TUtRegIni.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000MajorGroup, tEcrRptCrs3000)

namespace {
const QString kName = QStringLiteral("Name");
const QString kPercent = QStringLiteral("Percent");
// The switch of the table's name; the group reports are its only readers here.
constexpr char kVexloSection[] = "Vexlo";
constexpr char kVexloKey[] = "Value";

bool Switch(const char* section, const char* key, bool fallback) {
  return OpenSettingsFile(QString::fromLatin1(section))->ReadBoolean(QString::fromLatin1(key), fallback);
}
} // namespace

bool tEcrRptCrs3000MajorGroup::PercentMode() {
  using SettingsKeys::Drommet::Value;
  return Switch(Value.Section, Value.Key, Value.Default);
}

bool tEcrRptCrs3000MajorGroup::LongTableName() { return Switch(kVexloSection, kVexloKey, false); }

QString tEcrRptCrs3000MajorGroup::GetTableName() const {
  return LongTableName() ? QStringLiteral("tEcrRptCrs3000MajorGroup") : QStringLiteral("tEcrRptCrs3000MajGroup");
}

QString tEcrRptCrs3000MajorGroup::ReportFormClass() const {
  return PercentMode() ? QStringLiteral("TQrEcrRptCrs3000MjrGrp2") : QStringLiteral("TQrEcrRptCrs3000MjrGrp");
}

const EcrLayout* tEcrRptCrs3000MajorGroup::RecordLayout() const { return &tEcrRptCrs3000SubGroup::GroupLayout(); }

QList<TFieldDef> tEcrRptCrs3000MajorGroup::LookUpFields() const { return {{kName, TFieldType::Alpha, 12}}; }

std::optional<TTableDef> tEcrRptCrs3000MajorGroup::DescribeTable() const {
  std::optional<TTableDef> def = tEcrRptCrs3000::DescribeTable();
  if (PercentMode()) def->fields.append({kPercent, TFieldType::Number, 0});
  return def;
}

void tEcrRptCrs3000MajorGroup::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == 1) percentMode_ = PercentMode();
  tEcrRptCrs3000::DecodeBlock(table, buffer);
}

void tEcrRptCrs3000MajorGroup::FillLookUps(TTable& table, int recordNumber) {
  QStringList columns{QStringLiteral("Descriptor")};
  if (percentMode_) columns << kPercent;
  const QVariantList found = names_.FindFieldsInBlock(*this, QStringLiteral("tEcrPrgCrs3000MajGrp"), recordNumber, GetRecsInBlk(), columns);
  if (percentMode_) table.FieldByName(kPercent).SetAsFloat(found.isEmpty() ? 0.0 : found[1].toDouble());
  table.FieldByName(kName).SetAsString(found.isEmpty() ? QStringLiteral("Undefined") : found[0].toString());
}
