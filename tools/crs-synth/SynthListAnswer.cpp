// Coupon, cashier and day/shift answers: numbered records of totalisers, each named from a
// program table by its number.
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
      SynthRow row;
      row.Add(kind.keyColumn, SynthValue::Integer(number));
      row.Add(QStringLiteral("Name"), SynthValue::Text(NameOf(request.names, number)));
      layout.AddTo(row, record);
      rows << row;
    }
    builder.AddBlock(data, inBlock);
  }
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, rows);
  return builder.Finish();
}

} // namespace SynthFamilies
