#include "widgets/core/WdgCharRange.h"

QChar TextToCharRange(const QString& text) {
  if (text.isEmpty()) return u' ';
  if (text.front() != u'#') return text.front();
  bool ok = false;
  const int code = text.mid(1, 3).toInt(&ok, 10);
  // A code above one byte would otherwise wrap to another character.
  return ok && code >= 0 && code <= 255 ? QChar(char16_t(code)) : QChar(u' ');
}

QString CharRangeToText(QChar c) {
  if (c.unicode() > 32) return QString(c);
  return u'#' + QString::number(c.unicode());
}
