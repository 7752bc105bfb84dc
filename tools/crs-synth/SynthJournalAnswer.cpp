// The electronic journal: entries drawn or chosen, their items cut into blocks as asked,
// one row a stored entry, numbered on across blocks.
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthRandom.h"

namespace SynthFamilies {

namespace {
constexpr int kDefaultEntries = 250; // some 10,000 bytes: the default cut makes several blocks
}

SynthAnswer Journal(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                    const SynthPollHeader& header) {
  if (request.perBlock != 0)
    throw SynthValueError(QStringLiteral("The journal's blocks are cut by bytes (--cut, --cut-at), not by records"));
  const int count = request.records < 0 ? kDefaultEntries : request.records;
  QList<QByteArray> texts;
  for (int i = 0; i < count; ++i) texts << SynthJournal::Generate(random);
  for (const SynthOverride& o : request.overrides) {
    if (o.column != QLatin1String("Entry"))
      throw SynthValueError(QStringLiteral("No column \"%1\" in a journal entry: set its Entry").arg(o.column));
    texts[Place(o, count)] = SynthJournal::ParseText(o.value);
  }

  QList<QByteArray> items;
  QList<SynthRow> rows;
  qint64 number = 0;
  for (const QByteArray& text : texts) {
    items << SynthJournal::Item(text, random);
    if (SynthJournal::Stored(text)) rows << SynthJournal::Row(++number, text);
  }
  SynthAnswerBuilder builder(kind.code, header);
  builder.SetHeaderRow(SynthJournal::HeaderRow());
  for (const SynthJournal::Block& block : SynthJournal::Cut(items, request.cutting, random))
    builder.AddBlock(block.data, block.items);
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, rows);
  return builder.Finish();
}

} // namespace SynthFamilies
