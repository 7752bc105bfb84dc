#pragma once
// The records of the time period reports (and their follow-ups), time period by group,
// sales and labour, product projection (one shape a weekday), product mix (one shape for
// each number of periods) and time keeping, and how each becomes rows.
#include "crs-synth/SynthRecordShape.h"

namespace SynthPeriodShapes {
const SynthRecordShape& TimePeriod();
const SynthRecordShape& TimePeriodByGroup();
const SynthRecordShape& SalesLabour();
// day 1 (Sunday) to 7 (Saturday).
const SynthRecordShape& Projection(int day);
// periods 12, 24, 36 or 48; throws SynthValueError for others.
const SynthRecordShape& ProductMix(int periods);
const SynthRecordShape& TimeKeeping();
} // namespace SynthPeriodShapes
