#include "crs-synth/SynthRequest.h"

#include "crs-synth/SynthErrors.h"

SynthOverride SynthOverride::Parse(const QString& text) {
  const qsizetype eq = text.indexOf(QLatin1Char('='));
  if (eq <= 0) throw SynthUsageError(QStringLiteral("A value is set as [record:]column=value, not \"%1\"").arg(text));
  SynthOverride out;
  out.value = text.mid(eq + 1);
  const QString left = text.left(eq);
  const qsizetype colon = left.indexOf(QLatin1Char(':'));
  out.where = colon < 0 ? QString() : left.left(colon);
  out.column = colon < 0 ? left : left.mid(colon + 1);
  if (out.column.isEmpty()) throw SynthUsageError(QStringLiteral("No column in \"%1\"").arg(text));
  return out;
}
