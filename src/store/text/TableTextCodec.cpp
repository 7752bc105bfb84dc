#include "store/text/TableTextCodec.h"

#include <optional>

namespace {
const QChar kQuote = QLatin1Char('"');
const QChar kComma = QLatin1Char(',');

bool IsLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

bool EndsField(const QString& text, qsizetype pos) { return pos >= text.size() || text[pos] == kComma || IsLineEnd(text[pos]); }

struct Field {
  QString value;
  qsizetype end; // the position after the field
};

// A quoted field from its opening quote; none when it is not one (no closing quote, or
// one followed by more text).
std::optional<Field> QuotedAt(const QString& text, qsizetype pos) {
  QString value = QStringLiteral(""); // not null, even when nothing is added
  for (qsizetype i = pos + 1; i < text.size(); ++i) {
    if (text[i] != kQuote) {
      value += text[i];
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == kQuote) {
      value += kQuote;
      ++i;
      continue;
    }
    if (!EndsField(text, i + 1)) return std::nullopt;
    return Field{value, i + 1};
  }
  return std::nullopt;
}

Field FieldAt(const QString& text, qsizetype pos) {
  if (pos < text.size() && text[pos] == kQuote)
    if (std::optional<Field> quoted = QuotedAt(text, pos)) return *quoted;
  qsizetype end = pos;
  while (!EndsField(text, end)) ++end;
  return {end == pos ? QString() : text.mid(pos, end - pos), end};
}

qsizetype SkipLineEnd(const QString& text, qsizetype pos) {
  if (pos < text.size() && text[pos] == QLatin1Char('\r')) ++pos;
  if (pos < text.size() && text[pos] == QLatin1Char('\n')) ++pos;
  return pos;
}
} // namespace

QString TableTextCodec::QuotedField(const QString& text) {
  const bool needsQuotes = (text.isEmpty() && !text.isNull()) || text.contains(kComma) || text.contains(kQuote) || text.contains(QLatin1Char('\r')) ||
                           text.contains(QLatin1Char('\n'));
  if (!needsQuotes) return text;
  QString quoted = text;
  quoted.replace(kQuote, QStringLiteral("\"\""));
  return kQuote + quoted + kQuote;
}

QList<QStringList> TableTextCodec::ParseRecords(const QString& text) {
  QList<QStringList> records;
  qsizetype pos = 0;
  while (pos < text.size()) {
    QStringList record;
    for (;;) {
      const Field field = FieldAt(text, pos);
      record << field.value;
      pos = field.end;
      if (pos >= text.size() || text[pos] != kComma) break;
      ++pos;
    }
    pos = SkipLineEnd(text, pos);
    records << record;
  }
  return records;
}
