#pragma once
// crs-synth's entry points: from a request to the register's answer and the rows a decoder
// must store, and the three files made of them.
#include "crs-synth/SynthAnswer.h"
#include "crs-synth/SynthRequest.h"

namespace Synthesiser {
// Throws SynthUsageError for an unknown report, SynthValueError for a value out of range.
// Patches are applied last: the expectations then carry a "patched" line after the header
// and no longer describe the patched records.
SynthAnswer Synthesise(const SynthRequest& request);
// The work file as the back office stores the answer.
void WriteWorkFile(const SynthAnswer& answer, const QString& path);
// A crs-sim fixture folder: reports/<code>.ecr holds the same blocks.
void WriteFixture(const SynthAnswer& answer, const QString& folder);
void WriteExpectations(const SynthAnswer& answer, const QString& path);
} // namespace Synthesiser
