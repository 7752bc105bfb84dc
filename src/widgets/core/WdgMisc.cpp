#include "widgets/core/WdgMisc.h"

#include "platform/sys/Clock.h"
#include "widgets/core/WdgControlErrors.h"
#include "widgets/core/WdgStr.h"

#include <QObject>
#include <QSet>

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

int TopTextMargin(int systemFontHeight, int fontHeight, TWdgBorderStyle border, int clientHeight,
                  bool ctl3D) {
  const int h = clientHeight;
  const int i = SmallerOf(systemFontHeight, fontHeight);
  const int odd = (h - i) & 1;
  if (border == TWdgBorderStyle::None) return i < h - 2 ? 0 : (h - i - 2) / 2 - odd;
  if (i < h - 4) return 1;
  return (h - i - 4) / 2 - (ctl3D ? 1 : odd);
}

bool IsValidComponentName(const QString& name) {
  if (name.isEmpty()) return false;
  const auto letter = [](QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
  };
  if (!letter(name.front())) return false;
  for (QChar c : name)
    if (!letter(c) && !(c >= u'0' && c <= u'9')) return false;
  return true;
}

QString UniqueComponentName(const QObject* form, const QString& baseName) {
  if (!IsValidComponentName(baseName)) throw EComponentError::InvalidName(baseName);
  QSet<QString> taken;
  if (form)
    for (const QObject* child : form->findChildren<QObject*>())
      if (!child->objectName().isEmpty()) taken.insert(child->objectName().toLower());
  for (int number = 1;; ++number) {
    const QString name = baseName + QString::number(number);
    if (!taken.contains(name.toLower())) return name;
  }
}
