// The financial answer: one data block holding the combined record of five sections. The
// decoder keeps no row for the head and one row for each section, under consecutive polls.
#include "crs-synth/SynthErrors.h"
#include "crs-synth/SynthFamilies.h"
#include "crs-synth/SynthRandom.h"

namespace SynthFamilies {

namespace {
using V = SynthFinancialLayout;
using Section = SynthFinancialSection;

int SectionOf(const QList<Section>& sections, const SynthOverride& o) {
  int found = -1;
  for (int s = 0; s < sections.size(); ++s) {
    if (!o.where.isEmpty() ? sections[s].report != o.where : !sections[s].layout->Has(o.column)) continue;
    if (found >= 0)
      throw SynthValueError(QStringLiteral("\"%1\" is in more than one section: name it, e.g. Receipts:%1").arg(o.column));
    found = s;
  }
  if (found < 0) throw SynthValueError(QStringLiteral("No financial section holds \"%1:%2\"").arg(o.where, o.column));
  return found;
}
} // namespace

SynthAnswer Financial(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                      const SynthPollHeader& header) {
  if (request.records >= 0 && request.records != 1)
    throw SynthValueError(QStringLiteral("The financial answer holds one combined record"));
  if (request.perBlock > 1) throw SynthValueError(QStringLiteral("The financial answer has one record a block"));
  const QList<Section> sections = SynthFinancialLayouts::Sections(kind.variant);
  QList<SynthTotaliserLayout::Record> records;
  for (const Section& section : sections) records << section.layout->Generate(random);
  for (const SynthOverride& o : request.overrides) {
    const int s = SectionOf(sections, o);
    sections[s].layout->Set(records[s], o.column, o.value);
  }

  SynthAnswerBuilder builder(kind.code, header);
  QByteArray data;
  for (int s = 0; s < sections.size(); ++s) data += sections[s].layout->Encode(records[s], random);
  builder.AddBlock(data, 1);
  builder.AddTable(kind.table, kind.className, kind.reportName, 0, {});
  for (int s = 0; s < sections.size(); ++s) {
    const Section& section = sections[s];
    builder.AddTable(section.table, section.className, section.report, s + 1,
                     {SynthFinancialLayouts::SectionRow(section, records[s], kind.variant)});
  }
  return builder.Finish();
}

} // namespace SynthFamilies
