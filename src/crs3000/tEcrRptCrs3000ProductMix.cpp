#include "crs3000/tEcrRptCrs3000ProductMix.h"

#include "crs3000/Crs3000ClassDef.h"
#include "model/ERecMismatch.h"
#include "model/EcrLayout.h"
#include "platform/engine/TTable.h"

#include <QStringList>

#include <string>

TB_DEFINE_CRS3000_RPT_CLASS(tEcrRptCrs3000ProductMix, tEcrRptCrs3000)

namespace {
constexpr int kFrameBytes = 8;
constexpr int kPiecesBytes = 3;
constexpr int kPeriodBytes = 12; // a 6-byte total, then a 6-byte count
constexpr int kMaxPeriods = 48;

// The four record shapes: periods a record, and records in a full block.
struct Shape {
  int periods, perBlock;
};
constexpr Shape kShapes[] = {{12, 12}, {24, 6}, {36, 4}, {48, 3}};

int RecordSize(int periods) { return kPiecesBytes + kPeriodBytes * periods; }

// "Time Period NN Count", then "Time Period NN Total", for NN = 01 .. 48: made once, for
// the layout and for the periods each record lacks.
const QStringList& PeriodColumns() {
  static const QStringList names = [] {
    QStringList all;
    for (int p = 1; p <= kMaxPeriods; ++p)
      for (const char* part : {"Count", "Total"})
        all << QStringLiteral("Time Period %1 %2").arg(p, 2, 10, QLatin1Char('0')).arg(QLatin1String(part));
    return all;
  }();
  return names;
}

// One variant a shape; the periods a shape lacks are not in its variant.
const EcrLayout& Layout() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (const QString& name : PeriodColumns()) all.push_back(name.toStdString());
    return all;
  }();
  static const EcrLayout layout = [] {
    std::vector<EcrColumn> columns;
    columns.push_back({"Pieces", TFieldType::Short, 0, EcrCoding::SignedBcd, std::vector<EcrPlace>(4, {0, kPiecesBytes})});
    for (int p = 1; p <= kMaxPeriods; ++p) {
      std::vector<EcrPlace> counts, totals;
      for (const Shape& shape : kShapes) {
        const int at = kPiecesBytes + kPeriodBytes * (p - 1);
        counts.push_back(p <= shape.periods ? EcrPlace{at + 6, 6} : kNotInVariant);
        totals.push_back(p <= shape.periods ? EcrPlace{at, 6} : kNotInVariant);
      }
      columns.push_back({names[size_t(2 * p - 2)].c_str(), TFieldType::Long, 0, EcrCoding::SignedBcd, counts});
      columns.push_back({names[size_t(2 * p - 1)].c_str(), TFieldType::Money, 0, EcrCoding::SignedBcd, totals, 100});
    }
    std::vector<int> sizes;
    for (const Shape& shape : kShapes) sizes.push_back(RecordSize(shape.periods));
    return EcrLayout(sizes, std::move(columns));
  }();
  return layout;
}

int VariantOf(int periods) {
  for (int v = 0; v < int(std::size(kShapes)); ++v)
    if (kShapes[v].periods == periods) return v;
  return -1;
}

// Sets the slot count for the block while it is decoded, and clears it afterwards.
class BlockShape {
public:
  BlockShape(int& slots, int periods) : slots_(slots) { slots_ = periods; }
  ~BlockShape() { slots_ = 0; }
  BlockShape(const BlockShape&) = delete;
  BlockShape& operator=(const BlockShape&) = delete;

private:
  int& slots_;
};
} // namespace

int tEcrRptCrs3000ProductMix::GetPrgRecSize() const { return slotCount_ ? RecordSize(slotCount_) : 0; }

int tEcrRptCrs3000ProductMix::GetRecsInBlk() const {
  const int variant = VariantOf(slotCount_);
  return variant < 0 ? 0 : kShapes[variant].perBlock;
}

std::optional<TTableDef> tEcrRptCrs3000ProductMix::DescribeTable() const {
  TTableDef def{GetTableName(),
                {{QStringLiteral("Poll Id"), TFieldType::Long, 0},
                 {QStringLiteral("Memory Number"), TFieldType::Short, 0},
                 {QStringLiteral("Name"), TFieldType::Alpha, 12}},
                {}};
  def.fields.append(Layout().FieldDefs());
  def.indexes.append({QString(), {QStringLiteral("Poll Id"), QStringLiteral("Memory Number")}, true, true});
  return def;
}

void tEcrRptCrs3000ProductMix::DecodeBlock(TTable& table, const TEcrBlock& buffer) {
  if (BlkCount == 1) return tEcrRptCrs3000::DecodeBlock(table, buffer);
  const int data = BlkLen - kFrameBytes;
  const int records = buffer[3];
  if (records == 0) {
    if (data == 0) return; // an empty block: nothing to size, nothing to store
    throw ERecMismatch(
        QStringLiteral("Block Record Count Mismatch, got: 0 records in %1 bytes  expecting: 1 or more").arg(data));
  }
  int periods = 0;
  for (const Shape& shape : kShapes)
    if (data / records == RecordSize(shape.periods)) periods = shape.periods;
  const BlockShape shape(slotCount_, periods);
  tEcrRptCrs3000::DecodeBlock(table, buffer);
}

void tEcrRptCrs3000ProductMix::DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position) {
  const int number = RecordNumber(recordIndex);
  table.FieldByName(QStringLiteral("Poll Id")).SetAsInteger(PollId);
  table.FieldByName(QStringLiteral("Memory Number")).SetAsInteger(number);
  table.FieldByName(QStringLiteral("Name"))
      .SetAsString(names_.Find(*this, QStringLiteral("tEcrPrgCrs3000ProductMix"), number, QStringLiteral("Descriptor")));
  const QStringList& periods = PeriodColumns();
  for (int p = slotCount_ + 1; p <= kMaxPeriods; ++p) {
    table.FieldByName(periods[2 * p - 2]).SetAsInteger(0);
    table.FieldByName(periods[2 * p - 1]).SetAsMoney(0);
  }
  Layout().DecodeInto(table, *this, buffer, position, VariantOf(slotCount_));
  position += GetPrgRecSize();
}
