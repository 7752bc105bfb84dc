#include "platform/sys/Cp1252.h"

#include <array>

namespace {
// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined (kept as C1 controls).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
} // namespace

QChar Cp1252::ToChar(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char16_t c = kHigh[byte - 0x80];
    return QChar(c ? c : char16_t(byte));
  }
  return QChar(char16_t(byte));
}

char Cp1252::FromChar(QChar ch) {
  const char16_t u = ch.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) return static_cast<char>(0x80 + i);
  }
  return '?';
}

QString Cp1252::Decode(const char* data, qsizetype size) {
  QString out(size, Qt::Uninitialized);
  QChar* dst = out.data();
  for (qsizetype i = 0; i < size; ++i) dst[i] = ToChar(static_cast<unsigned char>(data[i]));
  return out;
}

QString Cp1252::Decode(const QByteArray& bytes) { return Decode(bytes.constData(), bytes.size()); }

QByteArray Cp1252::Encode(const QString& text) {
  QByteArray out(text.size(), Qt::Uninitialized);
  char* dst = out.data();
  const QChar* src = text.constData();
  for (qsizetype i = 0; i < text.size(); ++i) dst[i] = FromChar(src[i]);
  return out;
}
