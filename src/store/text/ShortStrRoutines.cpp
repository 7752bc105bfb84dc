#include "store/text/ShortStrRoutines.h"

#include "store/text/UtTextRoutines.h"

namespace {
QString capped(const QString& text) { return text.left(ShortStrMax); }
} // namespace

QString ByteToHex(uint8_t value) { return HexByte(value); }

QString IntToShortStr(int32_t value) { return QString::number(value); }

bool ShortStrToInt(const QString& text, int16_t& value) {
  int code = 0;
  const int16_t parsed = StrToSmallIntCode(capped(text), code);
  if (code == 0) {
    value = parsed;
    return true;
  }
  value = static_cast<int16_t>(code > 0 ? code : capped(text).size() + 1);
  return false;
}

QString PadRightCh(const QString& text, QChar fill, int length) {
  const QString source = capped(text);
  const int target = std::min(length, ShortStrMax);
  return source.size() >= target ? source : source + QString(target - source.size(), fill);
}

QString PadRight(const QString& text, int length) { return PadRightCh(text, QLatin1Char(' '), length); }

QString PadLeftCh(const QString& text, QChar fill, int length) {
  const QString source = capped(text);
  const int target = std::min(length, ShortStrMax);
  return source.size() >= target ? source : QString(target - source.size(), fill) + source;
}

QString PadLeft(const QString& text, int length) { return PadLeftCh(text, QLatin1Char(' '), length); }

QString TrimBlanks(const QString& text) {
  const QString source = capped(text);
  qsizetype from = 0;
  qsizetype to = source.size();
  while (from < to && source[from] == QLatin1Char(' ')) ++from;
  while (to > from && source[to - 1] == QLatin1Char(' ')) --to;
  return source.mid(from, to - from);
}

int ShortStrCharPos(const QString& text, QChar ch) { return int(capped(text).indexOf(ch)) + 1; }
