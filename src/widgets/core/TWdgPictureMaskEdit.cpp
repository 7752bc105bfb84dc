// The picture mask while a field is edited: caret positions, the text shown, and the edit
// string put right before and after editing.
#include "widgets/core/TWdgPictureMask.h"

#include <algorithm>

int TWdgPictureMask::HomePosition() const {
  int leading = 0;
  while (leading < maxLength_ - 1 && IsLiteral(leading)) ++leading;
  return leading + SemiLiteralCount();
}

int TWdgPictureMask::LastPlaceholder() const {
  for (int at = maxLength_ - 1; at >= 0; --at)
    if (IsEntryPosition(at)) return at;
  return 0;
}

int TWdgPictureMask::EndOfText(const QString& editString) const {
  for (int at = std::min<int>(LastPlaceholder(), int(editString.size()) - 1); at >= 0; --at)
    if (!IsLiteral(at) && editString.at(at) != u' ') return at + 1;
  return 0;
}

int TWdgPictureMask::CaretEndPosition(const QString& editString) const {
  int at = EndOfText(editString);
  while (at < LastPlaceholder() && IsLiteral(at)) ++at;
  return at;
}

int TWdgPictureMask::AllowedCaretPosition(int position) const {
  const int home = HomePosition();
  const int last = LastPlaceholder();
  if (position < home) return home;
  if (position > last) return last + 1;
  int at = position;
  while (at > 0 && IsLiteral(at)) --at;
  if (!IsLiteral(at)) return std::max(at, home);
  // No entry position to the left: the first one to the right.
  at = position;
  while (at < last && IsLiteral(at)) ++at;
  return at;
}

int TWdgPictureMask::NextCaretPosition(int position) const {
  const int last = LastPlaceholder();
  int at = position + 1;
  while (at <= last && IsLiteral(at)) ++at;
  return AllowedCaretPosition(at);
}

int TWdgPictureMask::PreviousCaretPosition(int position) const {
  int at = position - 1;
  while (at > 0 && IsLiteral(at)) --at;
  return AllowedCaretPosition(at);
}

bool TWdgPictureMask::IsEmpty(const QString& editString) const {
  for (int at = 0; at < maxLength_ && at < editString.size(); ++at)
    if (!IsLiteral(at) && editString.at(at) != u' ') return false;
  return true;
}

QString TWdgPictureMask::DisplayText(const QString& editString, QChar padChar, QChar passwordChar,
                                     bool passwordMode) const {
  if (!passwordMode && padChar == u' ') return editString;
  QString shown = editString;
  for (int at = 0; at < maxLength_ && at < shown.size(); ++at) {
    if (IsLiteral(at)) continue;
    if (shown.at(at) == u' ')
      shown[at] = padChar;
    else if (passwordMode)
      shown[at] = passwordChar;
  }
  return shown;
}

QString TWdgPictureMask::FixDecimalPoint(const QString& editString) const {
  const int point = DecimalPointPosition();
  if (point < 0 || editString.size() != maxLength_) return editString;
  QString fixed = editString;
  int first = point;
  while (first > 0 && IsEntryPosition(first - 1)) --first;
  QString digits = fixed.mid(first, point - first).remove(u' ');
  if (point > first) {
    if (digits.isEmpty()) digits = QStringLiteral("0");
    fixed.replace(first, point - first, digits.rightJustified(point - first, u' '));
  }
  int end = point + 1;
  while (end < maxLength_ && IsEntryPosition(end)) ++end;
  const int length = end - point - 1;
  digits = fixed.mid(point + 1, length).remove(u' ');
  fixed.replace(point + 1, length, digits.leftJustified(length, u'0'));
  return fixed;
}

bool TWdgPictureMask::PrepareEditString(QString& editString) const {
  if (SemiLiteralCount() == 0) return Radix() != TWdgRadix::Decimal;
  int p = HomePosition() - SemiLiteralCount();
  const QString currency = ShownCurrency();
  if (Holds(u'$') && !currency.isEmpty()) {
    const qsizetype at = editString.indexOf(currency);
    if (at >= 0) {
      editString.remove(at, currency.size());
      editString.insert(p, QString(currency.size(), u' '));
      p += int(currency.size());
    }
  }
  const QChar comma = settings_->CommaChar();
  if (Holds(u',') && !comma.isNull()) {
    for (int at = p; at <= LastPlaceholder() && at < editString.size(); ++at) {
      if (editString.at(at) != comma) continue;
      editString.remove(at, 1);
      editString.insert(p++, u' ');
    }
  }
  return true;
}
