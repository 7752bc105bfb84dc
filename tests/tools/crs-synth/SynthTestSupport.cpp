#include "SynthTestSupport.h"

#include "crs-synth/SynthFrame.h"
#include "crs-synth/SynthRow.h"
#include "crs-synth/Synthesiser.h"

#include <gtest/gtest.h>

namespace SynthTestSupport {

SynthRequest Request(const QString& report, int records, const QStringList& sets, quint64 seed) {
  SynthRequest request;
  request.report = report;
  request.records = records;
  request.seed = seed;
  for (const QString& set : sets) request.overrides << SynthOverride::Parse(set);
  return request;
}

SynthAnswer Make(const SynthRequest& request) { return Synthesiser::Synthesise(request); }

SynthAnswer Make(const QString& report, int records, const QStringList& sets, quint64 seed) {
  return Make(Request(report, records, sets, seed));
}

QByteArray Data(const SynthAnswer& answer, int k) { return SynthFrame::Data(answer.blocks.at(k)); }

QString TableLine(const SynthAnswer& answer, const QString& table) {
  for (const QString& line : answer.expectations)
    if (line.startsWith(QStringLiteral("table\t") + table + QLatin1Char('\t'))) return line;
  ADD_FAILURE() << "no table " << table.toStdString();
  return {};
}

QStringList Rows(const SynthAnswer& answer, const QString& table) {
  QStringList rows;
  bool inTable = false;
  for (const QString& line : answer.expectations) {
    if (line.startsWith(QLatin1String("table\t"))) inTable = line.startsWith(QStringLiteral("table\t") + table + QLatin1Char('\t'));
    else if (inTable && line.startsWith(QLatin1String("row\t"))) rows << line.mid(4);
  }
  return rows;
}

QString Field(const QString& row, const QString& column) {
  for (const auto& [name, value] : SynthRow::Fields(row))
    if (name == column) return value;
  ADD_FAILURE() << "no column " << column.toStdString() << " in " << row.toStdString();
  return {};
}

} // namespace SynthTestSupport
