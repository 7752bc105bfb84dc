#include "widgets/TWdgCaretPair.h"

TWdgCaretPair::TWdgCaretPair(QWidget* field) : TWdgSingleCaret(field) {
  insertCaret_ = Caret();
  insertCaret_->AddReference();
  overwriteCaret_ = new TWdgCaret;
  overwriteCaret_->SetShape(csBlock);
  overwriteCaret_->AddReference();
}

TWdgCaretPair::~TWdgCaretPair() {
  insertCaret_->Release();
  overwriteCaret_->Release();
}

void TWdgCaretPair::SetInsertMode(bool insert) {
  if (insert == insertMode_) return;
  insertMode_ = insert;
  SetCaret(insert ? insertCaret_ : overwriteCaret_);
}

void TWdgCaretPair::SetInsertCaret(TWdgCaret* caret) { Replace(insertCaret_, caret, insertMode_); }

void TWdgCaretPair::SetOverwriteCaret(TWdgCaret* caret) { Replace(overwriteCaret_, caret, !insertMode_); }

void TWdgCaretPair::Replace(TWdgCaret*& slot, TWdgCaret* caret, bool inUse) {
  if (!caret || caret == slot) return;
  caret->AddReference();
  if (inUse) SetCaret(caret);
  slot->Release();
  slot = caret;
}
