#include "crs3000/tEcrRptCrs3000TimeKeeping.h"

#include "crs3000/Crs3000ClassDef.h"
#include "crs3000/Crs3000RomVersions.h"
#include "crs3000/Crs3000TableNames.h"
#include "crs3000/tEcrRptCrs3000ClkPnchs.h"
#include "model/ERecMismatch.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000TimeKeeping, tEcrRptCrs3000)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000TimeKeepingZ2, tEcrRptCrs3000TimeKeeping)
TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000TimeKeepingZ3, tEcrRptCrs3000TimeKeepingZ2)

namespace {
const QString kPollId = QStringLiteral("Poll Id");
const QString kEmployeeNo = QStringLiteral("Employee No");
const QString kJobCode = QStringLiteral("Job Code");
const QString kSequence = QStringLiteral("Sequence");
const QString kName = QStringLiteral("Name");
const QString kJobName = QStringLiteral("Job Name");
const QString kTips = QStringLiteral("Tips");
constexpr int kEntries = 4;
constexpr int kTipsBytes = 5;
constexpr int kEntryBytes = 11;

// One job entry: the job code (unsigned BCD), regular and overtime hours (hundredths).
const EcrLayout& EntryLayout() {
  using C = EcrCoding;
  using T = TFieldType;
  static const EcrLayout layout{{kEntryBytes},
                                {{"Job Code", T::Short, 0, C::Bcd, {{0, 1}}},
                                 {"Regular Hrs", T::Money, 0, C::SignedBcd, {{1, 5}}, 100},
                                 {"Over Time Hrs", T::Money, 0, C::SignedBcd, {{6, 5}}, 100}}};
  return layout;
}
} // namespace

QString tEcrRptCrs3000TimeKeeping::GetTableName() const {
  return Crs3000TableNames::Choose(QStringLiteral("tEcrRptCrs3000TimeKeep"), QStringLiteral("tEcrRptCrs3000TimeKeeping"));
}

std::optional<TTableDef> tEcrRptCrs3000TimeKeeping::DescribeTable() const {
  using T = TFieldType;
  return TTableDef{GetTableName(),
                   {{kPollId, T::Long, 0},
                    {kEmployeeNo, T::Short, 0},
                    {kJobCode, T::Short, 0},
                    {kSequence, T::Short, 0},
                    {kName, T::Alpha, 12},
                    {kJobName, T::Alpha, 12},
                    {kTips, T::Money, 0},
                    {QStringLiteral("Regular Hrs"), T::Money, 0},
                    {QStringLiteral("Over Time Hrs"), T::Money, 0}},
                   {{QString(), {kPollId, kEmployeeNo, kJobCode, kSequence}, true, true}}};
}

void tEcrRptCrs3000TimeKeeping::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == 1) return WritePollHeader(table, buffer);
  const int size = GetPrgRecSize();
  const int records = CountRecords(BlkLen - GetSkipBytes(), size, GetRecsInBlk());
  int position = 0;
  for (int e = 0; e < kEntries * records; ++e) {
    // A record's first entry starts with its tips; every record before it held tips too.
    position = 4 + GetRecStart() + kEntryBytes * e + kTipsBytes * ((e + kEntries - 1) / kEntries);
    table.Append();
    DecodeRecord(table, buffer, e, position);
    table.Post();
  }
  const qint64 decoded = position - GetRecStart() - 4;
  if (records > 0 && decoded != qint64(records) * size)
    throw ERecMismatch(
        QStringLiteral("Record Size Mismatch, got: %1  expecting: %2").arg(decoded).arg(qint64(records) * size));
}

void tEcrRptCrs3000TimeKeeping::DecodeRecord(TTable& table, const TEcrBlock& buffer, int entryIndex, int& position) {
  const int employee = GetRecsInBlk() * (BlkCount - 2) + entryIndex / kEntries + 1;
  table.FieldByName(kPollId).SetAsInteger(PollId);
  table.FieldByName(kEmployeeNo).SetAsInteger(employee);
  table.FieldByName(kName).SetAsString(
      employees_.Find(*this, QStringLiteral("tEcrPrgCrs3000Employee"), employee, QStringLiteral("Name")));
  table.FieldByName(kSequence).SetAsInteger(entryIndex % kEntries + 1);
  if (entryIndex % kEntries == 0) {
    table.FieldByName(kTips).SetAsMoney(DecodeBcd(buffer, position, kTipsBytes, true));
    position += kTipsBytes;
  } else {
    table.FieldByName(kTips).SetAsMoney(0);
  }
  EntryLayout().DecodeInto(table, *this, buffer, position, 0);
  table.FieldByName(kJobName).SetAsString(jobs_.Find(*this, tEcrRptCrs3000ClkPnchs::JobCodesClass(RomName()),
                                                     table.FieldByName(kJobCode).AsInteger(),
                                                     QStringLiteral("Descriptor")));
  position += kEntryBytes;
}

QList<Crs3000FormTable> tEcrRptCrs3000TimeKeeping::FormTables() const { return FormTables(RomName()); }

QList<Crs3000FormTable> tEcrRptCrs3000TimeKeeping::FormTables(const QString& romName) {
  const QString suffix = Crs3000RomVersions::Has304Tables(romName) ? QStringLiteral("304") : QString();
  return {{QStringLiteral("tblDesc"), QStringLiteral("tEcrPrgCrs3000PayRates") + suffix},
          {QStringLiteral("tblEmp"), QStringLiteral("tEcrPrgCrs3000Employee")},
          {QStringLiteral("tblAtt"), QStringLiteral("tEcrPrgCrs3000TaFls") + suffix}};
}
