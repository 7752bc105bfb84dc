#pragma once
// One row a decoder must store: its columns in table order ("Poll Id" left out, since the
// store assigns it), printed as tab-separated "column=value" pairs.
#include "crs-synth/SynthValue.h"

#include <QList>
#include <QString>
#include <utility>

struct SynthRow {
  QList<std::pair<QString, SynthValue>> columns;

  void Add(const QString& column, const SynthValue& value) { columns.append({column, value}); }
  // The value of a column; throws SynthValueError when the row has no such column.
  const SynthValue& At(const QString& column) const;
  QString Format() const;
  // Reads a row printed by Format (values as text); for tests and tools that compare rows.
  static QList<std::pair<QString, QString>> Fields(const QString& line);
};
