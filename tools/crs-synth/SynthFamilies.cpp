#include "crs-synth/SynthFamilies.h"

#include "crs-synth/SynthErrors.h"

namespace SynthFamilies {

int RecordCount(const SynthReportKind& kind, const SynthRequest& request) {
  // By default one record more than a block holds, so that the numbering crosses a block.
  const int count = request.records < 0 ? kind.perBlock + 1 : request.records;
  if (count > 255 * kind.perBlock)
    throw SynthValueError(QStringLiteral("%1 records do not fit the 255 data blocks of an answer").arg(count));
  return count;
}

int PerBlock(const SynthReportKind& kind, const SynthRequest& request) {
  if (request.perBlock < 0 || request.perBlock > kind.perBlock)
    throw SynthValueError(QStringLiteral("A block of the %1 report holds 1 to %2 records").arg(kind.name).arg(kind.perBlock));
  return request.perBlock ? request.perBlock : kind.perBlock;
}

int Place(const SynthOverride& override_, int records) {
  bool ok = true;
  const int place = override_.where.isEmpty() ? 1 : override_.where.toInt(&ok);
  if (!ok || place < 1 || place > records)
    throw SynthValueError(QStringLiteral("No record \"%1\" in an answer of %2 records").arg(override_.where).arg(records));
  return place - 1;
}

QString NameOf(const QMap<int, QString>& names, int number) {
  return names.value(number, QStringLiteral("Undefined"));
}

SynthRow ListRow(const SynthReportKind& kind, const QMap<int, QString>& names, const QMap<int, qint64>& codes,
                 int number, const SynthTotaliserLayout::Record& record) {
  using L = SynthReportKind::LookUps;
  SynthRow row;
  row.Add(kind.keyColumn, SynthValue::Integer(number));
  switch (kind.lookUps) {
  case L::Name: row.Add(QStringLiteral("Name"), SynthValue::Text(NameOf(names, number))); break;
  case L::Plu:
    // A memory the PLU program holds has a name; the others are code 0.
    row.Add(QStringLiteral("PluCode"), SynthValue::Integer(names.contains(number) ? codes.value(number, 0) : 0));
    row.Add(QStringLiteral("Name"), SynthValue::Text(NameOf(names, number)));
    break;
  case L::Stock: {
    const qint64 plu = codes.value(number, 0);
    row.Add(QStringLiteral("PLU Number"), SynthValue::Integer(plu));
    row.Add(QStringLiteral("Descriptor"), SynthValue::Text(NameOf(names, int(plu))));
    break;
  }
  case L::Inventory:
    if (!names.isEmpty()) throw SynthValueError(QStringLiteral("The inventory answer takes no names"));
    row.Add(QStringLiteral("Descriptor"), SynthValue::Text(QStringLiteral("Undefined")));
    break;
  }
  kind.layout->AddTo(row, record);
  if (kind.lookUps == L::Inventory) { // the attributes of an item the program lacks
    row.Add(QStringLiteral("FCTR"), SynthValue::Integer(1));
    row.Add(QStringLiteral("Unit Desc"), SynthValue::Text(QStringLiteral("UNDF")));
    row.Add(QStringLiteral("Cost"), SynthValue::Cents(0));
    row.Add(QStringLiteral("Recipe Unit"), SynthValue::Text(QStringLiteral("UNDF")));
  }
  return row;
}

} // namespace SynthFamilies
