#include "store/text/UtTextRoutines.h"

#include "store/text/NumberText.h"

namespace {
// Reads digits as hexadecimal; code is mapped back to a position in the whole text.
int32_t hexDigits(const QString& digits, int digitsStart, int& code) {
  const int32_t value = NumberText::ValLongint(QLatin1Char('$') + digits, code);
  // Position p of "$digits" is position digitsStart + p - 2 of the text.
  if (code != 0) code = digitsStart + code - 2;
  return value;
}
} // namespace

int32_t StrToLongCode(const QString& text, int& code) {
  int end = int(text.size());
  while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
  int start = 0;
  while (start < end && text[start] == QLatin1Char(' ')) ++start;
  if (start == end) {
    code = -1;
    return 0;
  }
  const QChar last = text[end - 1];
  if (last == QLatin1Char('H') || last == QLatin1Char('h')) {
    if (end - start == 1) {
      code = int(text.size());
      return 0;
    }
    return hexDigits(text.mid(start, end - 1 - start), start + 1, code);
  }
  if (end - start >= 2 && text[start] == QLatin1Char('0') &&
      (text[start + 1] == QLatin1Char('x') || text[start + 1] == QLatin1Char('X')))
    return hexDigits(text.mid(start + 2, end - start - 2), start + 3, code);
  return NumberText::ValLongint(text.left(end), code);
}

int16_t StrToSmallIntCode(const QString& text, int& code) {
  const int32_t value = StrToLongCode(text, code);
  if (code != 0) return 0;
  if (value < -32767 || value > 32767) {
    code = int(text.size());
    return 0;
  }
  return static_cast<int16_t>(value);
}

QString HexByte(uint8_t value) {
  static const char kDigits[] = "0123456789ABCDEF";
  const char text[2] = {kDigits[value >> 4], kDigits[value & 0x0F]};
  return QString::fromLatin1(text, 2);
}
