#pragma once
// An entry field with a picture mask: each position of the text is a placeholder the user
// types into or a literal shown unchanged. The plain text is merged into the picture for
// showing and stripped out of it again for reading.
#include "widgets/TWdgBaseEntryField.h"
#include "widgets/core/TWdgPictureMask.h"

class TWdgPictureBase : public TWdgBaseEntryField {
  Q_OBJECT
public:
  explicit TWdgPictureBase(QWidget* parent = nullptr);

  const QString& Picture() const { return mask_.Picture(); }
  // An empty picture leaves the old one. The plain text is kept across the change.
  virtual void SetPicture(const QString& picture);
  int MaxLength() const { return mask_.MaxLength(); }
  const TWdgPictureMask& Mask() const { return mask_; }

  // The plain text merged into the picture, and taken out of an edit string again.
  QString MergeText(const QString& text) const { return mask_.MergeText(text); }
  QString StripText(const QString& editString) const { return mask_.StripText(editString); }
  QString StrippedText() const { return StripText(editString_); }
  void SetEditText(const QString& text);

  // Shown in the entry positions that hold a blank.
  QChar PadChar() const { return padChar_; }
  void SetPadChar(QChar pad);
  QChar PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(QChar c);

  int HomePosition() const { return mask_.HomePosition(); }
  int LastPlaceholder() const { return mask_.LastPlaceholder(); }
  // The caret stays on entry positions: below the home position at home, past the last
  // placeholder just after it, on a literal at the nearest entry position to its left.
  // A numeric field keeps its caret at the right edge and ignores this.
  virtual void SetCaretPosition(int position);

protected:
  // Before the first editing command of a visit: the currency text and the separators leave
  // the edit string so that digits can be typed over their positions. Put back on leaving.
  void PrepareEditString();
  bool EditPrepared() const { return editPrepared_; }
  void PlaceCaret() override;

  void focusOutEvent(QFocusEvent* event) override;

  QString EditString() const override { return editString_; }
  void SetEditString(const QString& text) override { editString_ = text; }
  bool IsEmpty() const override { return mask_.IsEmpty(editString_); }
  QString GetStrippedText() const override { return StrippedText(); }
  QString GetDisplayString() const override;
  void SetNumericClass(bool numeric) { mask_.SetNumericClass(numeric); }

  QString editString_;

private:
  TWdgPictureMask mask_;
  bool editPrepared_ = false;
  QChar padChar_ = u' ';
  QChar passwordChar_ = u'*';
};
