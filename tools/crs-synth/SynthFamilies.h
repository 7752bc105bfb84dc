#pragma once
// The answers of the three families of reports; Synthesise chooses among them.
#include "crs-synth/SynthAnswer.h"
#include "crs-synth/SynthReportKinds.h"
#include "crs-synth/SynthRequest.h"

class SynthRandom;

namespace SynthFamilies {
SynthAnswer List(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                 const SynthPollHeader& header);
SynthAnswer ClockPunches(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                         const SynthPollHeader& header);
SynthAnswer Financial(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                      const SynthPollHeader& header);
SynthAnswer OpenOrders(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                       const SynthPollHeader& header);
SynthAnswer Journal(const SynthReportKind& kind, const SynthRequest& request, SynthRandom& random,
                    const SynthPollHeader& header);

// Shared by the record families.
int RecordCount(const SynthReportKind& kind, const SynthRequest& request);
int PerBlock(const SynthReportKind& kind, const SynthRequest& request);
// The 0-based place of an override's record; throws SynthValueError when out of range.
int Place(const SynthOverride& override_, int records);
QString NameOf(const QMap<int, QString>& names, int number);
// The row of a list report's record of that number: its number, what the programs give
// for it (see SynthReportKind::LookUps), the record's columns. Throws SynthValueError for
// names given to a report whose programs the synthesiser does not fill (inventory).
SynthRow ListRow(const SynthReportKind& kind, const QMap<int, QString>& names, const QMap<int, qint64>& codes,
                 int number, const SynthTotaliserLayout::Record& record);
} // namespace SynthFamilies
