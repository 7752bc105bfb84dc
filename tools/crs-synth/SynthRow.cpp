#include "crs-synth/SynthRow.h"

#include "crs-synth/SynthErrors.h"

#include <QStringList>

const SynthValue& SynthRow::At(const QString& column) const {
  for (const auto& [name, value] : columns)
    if (name == column) return value;
  throw SynthValueError(QStringLiteral("The row has no column \"%1\"").arg(column));
}

QString SynthRow::Format() const {
  QStringList fields;
  for (const auto& [name, value] : columns) fields << name + QLatin1Char('=') + value.Format();
  return fields.join(QLatin1Char('\t'));
}

QList<std::pair<QString, QString>> SynthRow::Fields(const QString& line) {
  QList<std::pair<QString, QString>> fields;
  for (const QString& field : line.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
    const qsizetype eq = field.indexOf(QLatin1Char('='));
    if (eq < 0) fields.append({field, QString()});
    else fields.append({field.left(eq), field.mid(eq + 1)});
  }
  return fields;
}
