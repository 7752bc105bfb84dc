#include "widgets/core/WdgStr.h"

#include <limits>

namespace {
QString Digits(uint32_t value, int base, int places) {
  return QString::number(value, base).toUpper().rightJustified(places, u'0', true);
}

bool IsBlankOrControl(QChar c) { return c.unicode() <= u' '; }

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (base == 16 && u >= u'a' && u <= u'f') return u - u'a' + 10;
  if (base == 16 && u >= u'A' && u <= u'F') return u - u'A' + 10;
  return -1;
}
} // namespace

QString BinaryText(uint32_t value) { return Digits(value, 2, 32); }
QString FillText(QChar c, int count) { return QString(qMax(count, 0), c); }
QString HexText32(uint32_t value) { return Digits(value, 16, 8); }
QString HexText16(uint16_t value) { return Digits(value, 16, 4); }
QString OctalText(uint32_t value) { return Digits(value, 8, 12); }
QChar LowerChar(QChar c) { return c.toLower(); }
QChar UpperChar(QChar c) { return c.toUpper(); }

std::optional<int> FindChar(const QString& text, QChar c) {
  const auto at = text.indexOf(c);
  return at < 0 ? std::nullopt : std::optional<int>(int(at));
}

std::optional<int> FindText(const QString& text, const QString& sought) {
  if (text.isEmpty() || sought.isEmpty()) return std::nullopt;
  const auto at = text.indexOf(sought);
  return at < 0 ? std::nullopt : std::optional<int>(int(at));
}

void InsertChar(QString& text, QChar c, int position) { InsertChars(text, c, 1, position); }

void InsertChars(QString& text, QChar c, int count, int position) {
  InsertText(text, FillText(c, count), position);
}

void InsertText(QString& text, const QString& inserted, int position) {
  text.insert(qBound(0, position, int(text.size())), inserted);
}

void DeleteChar(QString& text, int position) { DeleteText(text, position, 1); }

void DeleteText(QString& text, int position, int count) {
  if (position < 0 || position >= text.size() || count <= 0) return;
  text.remove(position, count);
}

QString SubText(const QString& text, int position, int count) {
  if (position < 0 || position >= text.size() || count <= 0) return {};
  return text.mid(position, count);
}

void TrimBlanks(QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == u' ') --end;
  qsizetype start = 0;
  while (start < end && text.at(start) == u' ') ++start;
  text = text.mid(start, end - start);
}

void TrimTrailing(QString& text) {
  qsizetype end = text.size();
  while (end > 0 && IsBlankOrControl(text.at(end - 1))) --end;
  text.truncate(end);
}

void TrimTrailingZeros(QString& text) {
  // Zeros of a whole number ("100") are digits, not padding.
  if (text.contains(u'.') && !text.contains(u'E', Qt::CaseInsensitive)) {
    qsizetype end = text.size();
    while (end > 1 && text.at(end - 1) == u'0') --end;
    if (end > 1 && text.at(end - 1) == u'.') --end;
    text.truncate(end);
  }
  TrimBlanks(text);
}

void TrimExponentZeros(QString& text) {
  qsizetype e = text.indexOf(u'E');
  if (e < 0) return;
  // Zeros before the exponent are padding only behind a decimal point.
  if (text.left(e).contains(u'.')) {
    qsizetype start = e;
    while (start > 0 && text.at(start - 1) == u'0') --start;
    if (start > 0 && text.at(start - 1) == u'.') --start;
    text.remove(start, e - start);
    e = start;
  }
  qsizetype digits = e + 1;
  if (digits < text.size() && (text.at(digits) == u'+' || text.at(digits) == u'-')) ++digits;
  qsizetype nonZero = digits;
  while (nonZero < text.size() && text.at(nonZero) == u'0') ++nonZero;
  if (nonZero == text.size())
    text.truncate(e);
  else
    text.remove(digits, nonZero - digits);
}

bool TextToLong(const QString& text, int32_t& value) {
  if (text.size() > 255) {
    value = -1;
    return false;
  }
  QString trimmed = text;
  TrimTrailing(trimmed);
  int at = 0;
  const int size = int(trimmed.size());
  while (at < size && trimmed.at(at) == u' ') ++at;
  bool negative = false;
  if (at < size && (trimmed.at(at) == u'-' || trimmed.at(at) == u'+')) negative = trimmed.at(at++) == u'-';
  int base = 10;
  if (trimmed.mid(at, 2) == QLatin1String("0x")) {
    base = 16;
    at += 2;
  }
  // Hexadecimal text is the 32-bit pattern; decimal text keeps to the signed range.
  const uint64_t limit = base == 16 ? std::numeric_limits<uint32_t>::max()
                                    : uint64_t(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0);
  uint64_t magnitude = 0;
  const int first = at;
  for (; at < size; ++at) {
    const int digit = DigitValue(trimmed.at(at), base);
    if (digit < 0 || magnitude * base + uint64_t(digit) > limit) {
      value = at;
      return false;
    }
    magnitude = magnitude * base + uint64_t(digit);
  }
  if (at == first) {
    value = at;
    return false;
  }
  const uint32_t bits = uint32_t(negative ? 0 - magnitude : magnitude);
  value = int32_t(bits);
  return true;
}
