#include "widgets/TWdgPictureBase.h"

TWdgPictureBase::TWdgPictureBase(QWidget* parent) : TWdgBaseEntryField(parent) {}

void TWdgPictureBase::SetPicture(const QString& picture) {
  if (picture.isEmpty()) return;
  const QString plain = StrippedText();
  mask_.SetPicture(picture);
  editString_ = MergeText(plain.trimmed());
  Refresh();
}

void TWdgPictureBase::SetEditText(const QString& text) {
  editString_ = MergeText(text);
  Refresh();
}

void TWdgPictureBase::SetPadChar(QChar pad) {
  if (pad == padChar_) return;
  padChar_ = pad;
  Refresh();
}

void TWdgPictureBase::SetPasswordChar(QChar c) {
  if (c == passwordChar_) return;
  passwordChar_ = c;
  Refresh();
}

QString TWdgPictureBase::GetDisplayString() const {
  const QString shown = TWdgBaseEntryField::GetDisplayString();
  if (uninitialized_ && !hasFocus_) return QString(MaxLength(), u' ');
  return mask_.DisplayText(shown, padChar_, passwordChar_, Options().testFlag(efoPasswordMode));
}

void TWdgPictureBase::SetCaretPosition(int position) {
  if (IsNumericClass() || !hasFocus_) return;
  setCursorPosition(mask_.AllowedCaretPosition(qMax(0, position)));
}

void TWdgPictureBase::PlaceCaret() {
  if (IsNumericClass()) return TWdgBaseEntryField::PlaceCaret();
  setCursorPosition(Options().testFlag(efoCaretToEnd) ? mask_.CaretEndPosition(editString_)
                                                      : mask_.HomePosition());
}

void TWdgPictureBase::PrepareEditString() {
  if (editPrepared_) return;
  editPrepared_ = mask_.PrepareEditString(editString_);
  Refresh();
}

void TWdgPictureBase::focusOutEvent(QFocusEvent* event) {
  // Digits typed around the point are put against it before the value is checked.
  if (!IsNumericClass() && Modified() && mask_.DecimalPointPosition() >= 0)
    editString_ = mask_.FixDecimalPoint(editString_);
  TWdgBaseEntryField::focusOutEvent(event);
  if (leftForm_ || !editPrepared_) return;
  editPrepared_ = false;
  editString_ = mask_.ReformatAfterEdit(editString_);
  Refresh();
}
