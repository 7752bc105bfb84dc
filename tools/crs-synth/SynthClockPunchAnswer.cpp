// Clock punches: four slots an employee, the employee's number from the slot's place.
#include "crs-synth/SynthClockPunch.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthRandom.h"

namespace SynthFamilies {

SynthAnswer ClockPunches(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                         const SynthPollHeader& header) {
  const int count = RecordCount(kind, request);
  const int perBlock = PerBlock(kind, request);
  QList<SynthClockPunch> punches;
  for (int i = 0; i < count; ++i) punches << SynthClockPunch::Generate(random);
  for (const SynthOverride& o : request.overrides) punches[Place(o, count)].Set(o.column, o.value);

  SynthAnswerBuilder builder(kind.code, header);
  QList<SynthRow> rows;
  for (int first = 0, block = 0; first < count; first += perBlock, ++block) {
    QByteArray data;
    const int inBlock = std::min(perBlock, count - first);
    for (int i = 0; i < inBlock; ++i) {
      const SynthClockPunch& punch = punches[first + i];
      data += punch.Encode();
      const int employee = kind.perBlock / 4 * block + i / 4 + 1;
      SynthRow row;
      row.Add(QStringLiteral("Employee No"), SynthValue::Integer(employee));
      row.Add(QStringLiteral("Job Code"), SynthValue::Integer(punch.jobCode));
      row.Add(QStringLiteral("Sequence"), SynthValue::Integer(i % 4 + 1));
      row.Add(QStringLiteral("Name"), SynthValue::Text(NameOf(request.names, employee)));
      row.Add(QStringLiteral("Job Name"), SynthValue::Text(NameOf(request.jobNames, punch.jobCode)));
      punch.AddTimes(row);
      rows << row;
    }
    builder.AddBlock(data, inBlock);
  }
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, rows);
  return builder.Finish();
}

} // namespace SynthFamilies
