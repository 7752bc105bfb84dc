// The record reports: numbered records of one shape (product mix: of the shape its block's
// periods give), each giving one row or, for time keeping, four.
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthPeriodShapes.h"
#include "crs-synth/SynthRandom.h"

namespace SynthFamilies {

const SynthRecordShape& ShapeOf(const SynthReportKind& kind, const QList<int>& periods, int block) {
  if (kind.family != SynthReportKind::Family::ProductMix) return *kind.shape;
  return SynthPeriodShapes::ProductMix(periods.isEmpty() ? 24 : periods.value(block, periods.last()));
}

SynthAnswer Records(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                    const SynthPollHeader& header) {
  struct Made {
    const SynthRecordShape* shape;
    int block, index;
    SynthRecordShape::Record record;
  };
  const int count = request.records < 0 ? ShapeOf(kind, request.periods, 0).PerBlock() + 1 : request.records;
  QList<Made> made;
  QList<int> inBlock;
  for (int block = 0; int(made.size()) < count; ++block) {
    if (block == 255) throw SynthValueError(QStringLiteral("%1 records do not fit the 255 data blocks of an answer").arg(count));
    const SynthRecordShape& shape = ShapeOf(kind, request.periods, block);
    if (request.perBlock < 0 || request.perBlock > shape.PerBlock())
      throw SynthValueError(QStringLiteral("A block of the %1 report holds 1 to %2 records").arg(kind.name).arg(shape.PerBlock()));
    const int n = std::min(request.perBlock ? request.perBlock : shape.PerBlock(), count - int(made.size()));
    for (int i = 0; i < n; ++i) made.append({&shape, block, i, shape.Generate(random)});
    inBlock << n;
  }
  for (const SynthOverride& o : request.overrides) {
    Made& m = made[Place(o, count)];
    m.shape->Set(m.record, o.column, o.value);
  }

  SynthAnswerBuilder builder(kind.code, header);
  const SynthRecordShape& first = ShapeOf(kind, request.periods, 0);
  if (first.PollTypeFromReset()) {
    SynthPollHeader stored = header;
    stored.pollType = request.reset ? QStringLiteral("Z") : QStringLiteral("X");
    builder.SetHeaderRow(stored.Row());
  }
  QList<SynthRow> rows;
  for (qsizetype k = 0, block = 0; block < inBlock.size(); ++block) {
    QByteArray data;
    for (int i = 0; i < inBlock[block]; ++i, ++k) {
      const Made& m = made[k];
      data += m.shape->Encode(m.record, random);
      // The decoder numbers records by the stride of their own block, as if every block
      // before were full.
      rows << m.shape->Rows(m.record, m.shape->PerBlock() * int(block) + i + 1, request.names, request.jobNames);
    }
    builder.AddBlock(data, inBlock[block]);
  }
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, rows);
  return builder.Finish();
}

} // namespace SynthFamilies
