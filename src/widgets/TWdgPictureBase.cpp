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
