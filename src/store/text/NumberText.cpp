#include "store/text/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace {
int digitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int v = -1;
  if (u >= '0' && u <= '9') v = u - '0';
  else if (u >= 'A' && u <= 'F') v = u - 'A' + 10;
  else if (u >= 'a' && u <= 'f') v = u - 'a' + 10;
  return v < base ? v : -1;
}
} // namespace

int32_t NumberText::ValLongint(const QString& text, int& code) {
  const int n = int(text.size());
  int i = 0;
  while (i < n && text[i] == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
    negative = text[i++] == QLatin1Char('-');
  int base = 10;
  if (i < n && text[i] == QLatin1Char('$')) {
    base = 16;
    ++i;
  }
  // Decimal: the magnitude may reach 2^31 for a negative value. Hexadecimal: 8 digits.
  const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t magnitude = 0;
  const int first = i;
  for (; i < n; ++i) {
    const int d = digitValue(text[i], base);
    if (d < 0 || magnitude * uint64_t(base) + uint64_t(d) > limit) break;
    magnitude = magnitude * uint64_t(base) + uint64_t(d);
  }
  if (i < n || i == first) {
    code = i + 1;
    return 0;
  }
  code = 0;
  const auto bits = static_cast<uint32_t>(negative ? (0 - magnitude) : magnitude);
  return static_cast<int32_t>(bits);
}

QString NumberText::FloatToText(double value) {
  if (std::isnan(value)) return QStringLiteral(" Nan");
  if (std::isinf(value)) return value < 0 ? QStringLiteral(" -Inf") : QStringLiteral(" +Inf");
  char buffer[40];
  // "%.14E" gives d.ddddddddddddddE+dd (or +ddd); the exponent is widened to 4 digits.
  std::snprintf(buffer, sizeof buffer, "%.14E", std::fabs(value));
  const QString text = QString::fromLatin1(buffer);
  const qsizetype e = text.indexOf(QLatin1Char('E'));
  const int exponent = text.mid(e + 1).toInt();
  return QStringLiteral("%1%2E%3%4")
      .arg(value < 0 ? QLatin1Char('-') : QLatin1Char(' '))
      .arg(text.left(e))
      .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
      .arg(std::abs(exponent), 4, 10, QLatin1Char('0'));
}

bool NumberText::TextToFloat(const QString& text, double& value) {
  const QByteArray latin = text.trimmed().toLatin1();
  const char* begin = latin.constData();
  const char* end = begin + latin.size();
  if (begin != end && *begin == '+') ++begin;
  // from_chars takes no "+" and would accept "inf" and "nan"; the form here is digits only.
  if (begin == end || !(std::isdigit(static_cast<unsigned char>(*begin)) || *begin == '.' || *begin == '-'))
    return false;
  if (*begin == '-' && (begin + 1 == end || *(begin + 1) == '+' || *(begin + 1) == '-')) return false;
  for (const char* p = begin; p != end; ++p)
    if (std::isalpha(static_cast<unsigned char>(*p)) && *p != 'e' && *p != 'E') return false;
  double parsed = 0;
  const auto [stop, error] = std::from_chars(begin, end, parsed, std::chars_format::general);
  if (error != std::errc() || stop != end) return false;
  value = parsed;
  return true;
}
