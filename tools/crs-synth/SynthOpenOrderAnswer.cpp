// Open-order answers: a record an order, numbered across blocks.
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthOpenOrder.h"

namespace SynthFamilies {

SynthAnswer OpenOrders(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                       const SynthPollHeader& header) {
  const int count = RecordCount(kind, request);
  const int perBlock = PerBlock(kind, request);
  QList<SynthOpenOrder> orders;
  for (int i = 0; i < count; ++i) orders << SynthOpenOrder::Generate(random, kind.shape);
  for (const SynthOverride& o : request.overrides) orders[Place(o, count)].Set(o.column, o.value, kind.shape);

  SynthAnswerBuilder builder(kind.code, header);
  QList<SynthRow> rows;
  for (int first = 0, block = 0; first < count; first += perBlock, ++block) {
    QByteArray data;
    const int inBlock = std::min(perBlock, count - first);
    for (int i = 0; i < inBlock; ++i) {
      data += orders[first + i].Encode(kind.shape);
      rows << orders[first + i].Row(kind.shape, kind.track, kind.perBlock * block + i + 1);
    }
    builder.AddBlock(data, inBlock);
  }
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, rows);
  return builder.Finish();
}

} // namespace SynthFamilies
