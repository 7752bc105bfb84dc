#include "widgets/core/WdgMisc.h"

#include "platform/sys/Clock.h"
#include "widgets/core/WdgStr.h"

namespace {
// Blanks directly before and after the decimal point go.
void CloseUpPoint(QString& text, qsizetype point) {
  while (point + 1 < text.size() && text.at(point + 1) == u' ') text.remove(point + 1, 1);
  while (point > 0 && text.at(point - 1) == u' ') text.remove(--point, 1);
}

// A mantissa of fewer than 12 places behind the point is widened before the exponent.
void PadMantissa(QString& text, bool hadPoint) {
  const qsizetype e = text.indexOf(u'E', 1);
  if (e < 0) return;
  if (!hadPoint && !text.contains(u'.')) text.insert(e, u'.');
  const qsizetype point = text.indexOf(u'.');
  const qsizetype exponent = text.indexOf(u'E', 1);
  if (point >= 0 && point < exponent && exponent - point - 1 < 12)
    text.insert(exponent, QStringLiteral("00000"));
}
} // namespace

void FixRealString(QString& text, QChar decimalChar) {
  TrimBlanks(text);
  if (text.isEmpty()) {
    text = QStringLiteral("0");
    return;
  }
  if (text.endsWith(decimalChar)) {
    text.chop(1);
    TrimBlanks(text);
  }
  qsizetype point = text.indexOf(decimalChar);
  if (point >= 0) {
    // The decimal character is converted wherever it stands, also as the first character.
    text[point] = u'.';
    if (point == text.size() - 1) {
      text += u'0';
    } else if (point == 0) {
      text.insert(0, u'0');
      point = 1;
    } else if (point == 1 && text.startsWith(u'-')) {
      text.insert(1, u'0');
      point = 2;
    }
  }
  PadMantissa(text, point >= 0);
  if (point >= 0) CloseUpPoint(text, text.indexOf(u'.'));
}

int CurrentCentury() { return Clock::Current().Now().date().year() / 100 * 100; }
