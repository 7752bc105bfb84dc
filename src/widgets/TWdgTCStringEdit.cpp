#include "widgets/TWdgTCStringEdit.h"

#include "widgets/TWdgTCString.h"
#include "widgets/TWdgTable.h"

#include <QKeyEvent>

TWdgTCStringEdit::TWdgTCStringEdit(TWdgTCString& cell, TWdgTable* table, QWidget* parent)
    : QLineEdit(parent), cell_(cell), table_(table) {}

bool TWdgTCStringEdit::event(QEvent* event) {
  // Tab is not a focus change inside the grid unless the table takes it as a key.
  if (event->type() == QEvent::KeyPress && table_) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      if (table_->FilterKey(key->key(), key->modifiers()) == 2)
        table_->KeyFromEditor(key->key(), key->modifiers(), key->text());
      else
        table_->FocusNeighbour(key->key() == Qt::Key_Tab);
      return true;
    }
  }
  return QLineEdit::event(event);
}

bool TWdgTCStringEdit::GoesToTable(int key, Qt::KeyboardModifiers modifiers) const {
  if (!table_) return false;
  switch (table_->FilterKey(key, modifiers)) {
  case 2: return true;
  case 1: break;
  default: return false;
  }
  const bool leftRight = cell_.AutoAdvanceLeftRight();
  switch (key) {
  case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Up: case Qt::Key_Down: return true;
  case Qt::Key_Left:
    return leftRight && !hasSelectedText() && cursorPosition() == 0;
  case Qt::Key_Right: {
    if (!leftRight) return false;
    const int end = hasSelectedText() ? selectionEnd() : cursorPosition();
    return end == text().size() && (!hasSelectedText() || selectionStart() == 0);
  }
  default: return false;
  }
}

void TWdgTCStringEdit::keyPressEvent(QKeyEvent* event) {
  if (GoesToTable(event->key(), event->modifiers())) {
    table_->KeyFromEditor(event->key(), event->modifiers(), event->text());
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept(); // Enter does not end the edit or reach the dialog
    return;
  }
  QLineEdit::keyPressEvent(event);
  // Every typed character, taken or not, moves on once the text is full.
  const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint();
  if (typed && cell_.AutoAdvanceChar() && text().size() >= maxLength() && table_)
    table_->KeyFromEditor(Qt::Key_Right, Qt::NoModifier, QString());
}
