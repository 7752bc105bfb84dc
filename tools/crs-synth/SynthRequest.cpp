#include "crs-synth/SynthRequest.h"

#include "crs-synth/SynthErrors.h"

#include <QRegularExpression>

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

SynthPatch SynthPatch::Parse(const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^(\\d+):(\\d+)=((?:\\s*[0-9A-Fa-f]{2})+)\\s*$"));
  const QRegularExpressionMatch m = shape.match(text);
  if (!m.hasMatch())
    throw SynthUsageError(QStringLiteral("A patch is block:offset=hex bytes, e.g. 2:0=FF FF, not \"%1\"").arg(text));
  SynthPatch patch;
  patch.block = m.captured(1).toInt();
  patch.offset = m.captured(2).toInt();
  patch.bytes = QByteArray::fromHex(m.captured(3).toLatin1());
  return patch;
}
