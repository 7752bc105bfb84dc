#include "widgets/core/TWdgNumericEntryBuffer.h"

#include "widgets/core/WdgPictureChars.h"

TWdgNumericEntryBuffer::TWdgNumericEntryBuffer(const QString& picture, int decimalPlaces) {
  SetPicture(picture, decimalPlaces);
}

void TWdgNumericEntryBuffer::SetPicture(const QString& picture, int decimalPlaces) {
  mask_.SetNumericClass(true);
  mask_.SetPicture(picture);
  digits_ = mask_.CountDigits(decimalPlaces);
  hasPoint_ = mask_.DecimalPointPosition() >= 0;
  // The caret stands after the last entry position: its picture character tests the keys.
  entryPictureChar_ = mask_.MaskCharAt(mask_.LastPlaceholder());
  ClearEntry();
}

void TWdgNumericEntryBuffer::LoadEntryBuffer(const QString& strippedText, QChar decimalChar) {
  typed_ = strippedText.trimmed();
  typed_.replace(decimalChar, u'.');
  negative_ = typed_.startsWith(u'-');
  if (negative_) typed_.remove(0, 1);
  if (typed_ == QStringLiteral("0")) typed_.clear();
}

void TWdgNumericEntryBuffer::ClearEntry() {
  typed_.clear();
  negative_ = false;
}

int TWdgNumericEntryBuffer::IntegerCount() const {
  const qsizetype point = typed_.indexOf(u'.');
  return int(point < 0 ? typed_.size() : point) + (negative_ ? 1 : 0);
}

int TWdgNumericEntryBuffer::TypedDecimals() const {
  const qsizetype point = typed_.indexOf(u'.');
  return point < 0 ? -1 : int(typed_.size() - point - 1);
}

bool TWdgNumericEntryBuffer::ToggleSign() {
  if (negative_) {
    negative_ = false;
    return true;
  }
  if (IntegerCount() + 1 > digits_.maxIntDigits || Count() >= digits_.maxDigits) return false;
  negative_ = true;
  return true;
}

bool TWdgNumericEntryBuffer::AcceptChar(QChar c) {
  if (c == u' ' || c.isNull()) return false;
  if (c == u'.' && (!hasPoint_ || typed_.contains(u'.'))) return false;
  if (c == u'-') return ToggleSign();
  if (Count() >= digits_.maxDigits) {
    // A one-digit field takes each new digit in place of the old one.
    if (digits_.maxDigits != 1 || c == u'.') return false;
    typed_ = c == u'0' ? QString() : QString(c);
    return true;
  }
  if (c == u'0' && typed_.isEmpty()) return true; // no leading zeros
  if (c != u'.' && hasPoint_ && !typed_.contains(u'.') &&
      IntegerCount() >= digits_.maxIntDigits)
    return false;
  typed_.append(c);
  return true;
}

bool TWdgNumericEntryBuffer::PictureTakes(QChar& c) const {
  return CharFitsMask(entryPictureChar_, c, true, QChar(255));
}

TWdgNumericEntryBuffer::Typed TWdgNumericEntryBuffer::TypeChar(QChar c, QChar decimalChar) {
  if (Count() > digits_.maxDigits) return Typed::NoRoom;
  if (c == decimalChar) c = u'.';
  else if (c == u'.') c = QChar();
  if (!PictureTakes(c) || !AcceptChar(c)) return Typed::Refused;
  return c != u'-' && Count() >= digits_.maxDigits ? Typed::ChangedFull : Typed::Changed;
}

bool TWdgNumericEntryBuffer::RemoveLast() {
  if (typed_.isEmpty()) {
    const bool had = negative_;
    negative_ = false;
    return had;
  }
  typed_.chop(1);
  if (typed_ == QStringLiteral("0")) typed_.clear();
  return true;
}

bool TWdgNumericEntryBuffer::Paste(const QString& text, QChar decimalChar) {
  const bool parentheses = mask_.Holds(u'p');
  bool changed = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    if (c == u'(' && parentheses && text.indexOf(u')', i + 1) > 0) c = u'-';
    if (c == u'-' && negative_) continue;
    if (Count() > digits_.maxDigits) continue;
    if (c == decimalChar) c = u'.';
    else if (c == u'.') c = QChar();
    if (PictureTakes(c) && AcceptChar(c)) changed = true;
  }
  return changed;
}

QString TWdgNumericEntryBuffer::EditText() const {
  QString text = typed_.isEmpty() ? QStringLiteral("0") : typed_;
  if (text.startsWith(u'.')) text.prepend(u'0');
  if (negative_) text.prepend(u'-');
  return text;
}

QString TWdgNumericEntryBuffer::RebuildEditString(const QString& merged, int homePosition,
                                                  int lastPlaceholder) const {
  if (!hasPoint_) return merged;
  QString text = merged;
  const int typed = TypedDecimals();
  const int shown = digits_.decimals;
  if (typed < shown) {
    // The untyped decimals, and the point itself when no decimal was typed.
    const int surplus = typed < 0 ? shown + 1 : shown - typed;
    text.remove(lastPlaceholder + 1 - surplus, surplus);
    text.insert(homePosition, QString(surplus, u' '));
  } else if (typed > shown) {
    const int surplus = typed - shown;
    text.remove(homePosition, surplus);
    text.insert(lastPlaceholder + 1 - surplus, typed_.right(surplus));
  }
  return text;
}
