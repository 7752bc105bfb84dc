#pragma once
// The three colour pairs of an entry field: disabled, error (a field marked invalid) and
// highlight (the selected text). A change of any of them is reported, for the field to repaint.
#include "widgets/TWdgColors.h"

class TWdgEfColors : public QObject {
  Q_OBJECT
public:
  // The defaults come from the palette: grey text on the window colour, black on red, the
  // highlight colours.
  explicit TWdgEfColors(const QPalette& palette, QObject* parent = nullptr);

  TWdgColors& Disabled() { return disabled_; }
  TWdgColors& Error() { return error_; }
  TWdgColors& Highlight() { return highlight_; }
  const TWdgColors& Disabled() const { return disabled_; }
  const TWdgColors& Error() const { return error_; }
  const TWdgColors& Highlight() const { return highlight_; }
  // The three pairs of another field.
  void Assign(const TWdgEfColors& source);

Q_SIGNALS:
  void Changed();

private:
  TWdgColors disabled_;
  TWdgColors error_;
  TWdgColors highlight_;
};
