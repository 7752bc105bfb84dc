#pragma once
// Shortcuts of the crs-synth tests: an answer from a few choices, its data blocks, and the
// expected rows of one table.
#include "crs-synth/SynthAnswer.h"
#include "crs-synth/SynthRequest.h"

#include <QStringList>

namespace SynthTestSupport {
SynthRequest Request(const QString& report, int records = -1, const QStringList& sets = {}, quint64 seed = 1);
SynthAnswer Make(const SynthRequest& request);
SynthAnswer Make(const QString& report, int records = -1, const QStringList& sets = {}, quint64 seed = 1);
// The data bytes of block k (0 = the poll header).
QByteArray Data(const SynthAnswer& answer, int k);
// The "table" line of a table and its rows, without their "row" tag.
QString TableLine(const SynthAnswer& answer, const QString& table);
QStringList Rows(const SynthAnswer& answer, const QString& table);
// One column's printed value in a row; fails the test when the row lacks it.
QString Field(const QString& row, const QString& column);
} // namespace SynthTestSupport
