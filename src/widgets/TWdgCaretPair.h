#pragma once
// An entry field's two carets: one for insert mode (a vertical line) and one for overwrite
// mode (a block); the field's insert mode chooses the one in use.
#include "widgets/TWdgSingleCaret.h"

class TWdgCaretPair : public TWdgSingleCaret {
  Q_OBJECT
public:
  // Starts in insert mode with a new vertical-line caret; the overwrite caret is a new block.
  explicit TWdgCaretPair(QWidget* field = nullptr);
  ~TWdgCaretPair() override;

  bool InsertMode() const { return insertMode_; }
  void SetInsertMode(bool insert);
  TWdgCaret* InsertCaret() const { return insertCaret_; }
  TWdgCaret* OverwriteCaret() const { return overwriteCaret_; }
  // Each releases the caret it replaces and is put in use while its mode is on (a null
  // caret is ignored).
  void SetInsertCaret(TWdgCaret* caret);
  void SetOverwriteCaret(TWdgCaret* caret);

private:
  void Replace(TWdgCaret*& slot, TWdgCaret* caret, bool inUse);

  bool insertMode_ = true;
  TWdgCaret* insertCaret_ = nullptr;
  TWdgCaret* overwriteCaret_ = nullptr;
};
