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
