// The list answers (coupon, cashier, day/shift, PLU, groups, inventory, special item stock):
// numbered records of totalisers, with what the programs give for each number.
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthRandom.h"

namespace SynthFamilies {

SynthAnswer List(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                 const SynthPollHeader& header) {
  const SynthTotaliserLayout& layout = *kind.layout;
  const int count = RecordCount(kind, request);
  const int perBlock = PerBlock(kind, request);
  QList<SynthTotaliserLayout::Record> records;
  for (int i = 0; i < count; ++i) records << layout.Generate(random);
  for (const SynthOverride& o : request.overrides) layout.Set(records[Place(o, count)], o.column, o.value);

  SynthAnswerBuilder builder(kind.code, header);
  QList<SynthRow> rows;
  for (int first = 0, block = 0; first < count; first += perBlock, ++block) {
    QByteArray data;
    const int inBlock = std::min(perBlock, count - first);
    for (int i = 0; i < inBlock; ++i) {
      const SynthTotaliserLayout::Record& record = records[first + i];
      data += layout.Encode(record, random);
      // The decoder numbers records as if every block before this one were full.
      const int number = kind.perBlock * block + i + 1;
      rows << ListRow(kind, request.names, request.codes, number, record);
    }
    builder.AddBlock(data, inBlock);
  }
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, rows);
  return builder.Finish();
}

} // namespace SynthFamilies
