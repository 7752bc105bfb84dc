#include "crs-synth/SynthText.h"

#include "crs-synth/SynthErrors.h"

namespace SynthText {

QByteArray Encode(const QString& text, int width) {
  if (text.size() > width)
    throw SynthValueError(QStringLiteral("\"%1\" is longer than its field of %2 characters").arg(text).arg(width));
  QByteArray out(width, '\0');
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (c == u'<') out[i] = 0x0E;
    else if (c == u'>') out[i] = 0x0F;
    else if (c >= 0x20 && c <= 0xFF && c != 0x7F) out[i] = char(c);
    else throw SynthValueError(QStringLiteral("\"%1\" holds a character the register cannot send").arg(text));
  }
  return out;
}

QString Decode(const QByteArray& bytes, qsizetype at, int width) {
  QString text;
  for (qsizetype i = at; i < at + width && bytes[i] != '\0'; ++i) {
    const quint8 byte = quint8(bytes[i]);
    text.append(byte == 0x0E ? QChar(u'<') : byte == 0x0F ? QChar(u'>') : QChar(char16_t(byte)));
  }
  return text;
}

} // namespace SynthText
