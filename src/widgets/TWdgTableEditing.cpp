// The table grid: editing the active cell in place.
#include "widgets/TWdgTable.h"

#include "widgets/TWdgController.h"
#include "widgets/TWdgTCString.h"
#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgGridCommands.h"

#include <QKeyEvent>

QRect TWdgTable::EditorRect(const QRect& cell) const { return pens_.NormalGrid.Inside(cell); }

void TWdgTable::PlaceEditor(QLineEdit& editor, const QRect& cell, const QModelIndex& index) {
  QRect rect = EditorRect(cell);
  TWdgTblEditorStyle style = tesPlain;
  if (OnSizeCellEditor)
    OnSizeCellEditor(this, index.row() + lockedRows_, index.column() + lockedCols_, rect, style);
  editor.setFrame(style != tesPlain);
  editor.setGeometry(rect);
}



QLineEdit* TWdgTable::Editor() const { return editor_.data(); }

void TWdgTable::EditorCreated(QLineEdit* editor) { editor_ = editor; }

bool TWdgTable::StartCellEdit() {
  if (IsEditing()) return true;
  const int row = ActiveRow(), col = ActiveCol();
  if (row < 0 || col < 0) return false;
  bool allow = true;
  if (OnBeginEdit) OnBeginEdit(this, row, col, allow);
  TWdgBaseTableCell* cell = CellComponent(row, col);
  if (!allow || !qobject_cast<TWdgTCString*>(cell)) return false;
  TWdgCellAttributes attrs;
  cell->CompleteAttributes(row, col, attrs);
  // A cell whose text has nowhere to be saved is not edited: what was typed would be lost.
  if (attrs.caAccess != otxNormal || !GetCellData(row, col, cdpSave)) return false;
  const QModelIndex index = currentIndex();
  editIndex_ = index;
  editor_ = nullptr;
  edit(index); // the cell makes its editor and hands it over (EditorCreated)
  if (!editor_) {
    editIndex_ = QPersistentModelIndex();
    return false;
  }
  editor_->setFocus();
  viewport()->update();
  return true;
}

bool TWdgTable::StopCellEdit(bool save) {
  if (!IsEditing()) return true;
  const int row = editIndex_.row() + lockedRows_, col = editIndex_.column() + lockedCols_;
  auto* cell = qobject_cast<TWdgTCString*>(CellComponent(row, col));
  bool allow = true;
  if (OnEndEdit) OnEndEdit(this, cell, row, col, allow);
  if (!allow) return false;
  QPointer<QLineEdit> editor = editor_;
  const bool hadFocus = editor->hasFocus();
  const QString text = editor->text();
  editor_ = nullptr;
  editIndex_ = QPersistentModelIndex();
  if (save && cell) {
    if (QString* data = GetCellData(row, col, cdpSave)) *data = cell->SavedText(text);
  }
  closeEditor(editor, QAbstractItemDelegate::NoHint);
  if (hadFocus) setFocus();
  viewport()->update();
  if (OnDoneEdit) OnDoneEdit(this, row, col);
  return true;
}

void TWdgTable::StyleEditor(QLineEdit& editor, const QModelIndex& index) {
  const int row = index.row() + lockedRows_, col = index.column() + lockedCols_;
  TWdgCellAttributes attrs;
  attrs.caFont = font();
  if (auto* cell = CellComponent(row, col)) cell->CompleteAttributes(row, col, attrs);
  QPalette p = editor.palette();
  p.setColor(QPalette::Base, colors_.Editing);
  p.setColor(QPalette::Text, colors_.EditingText);
  editor.setPalette(p);
  editor.setFont(attrs.caFont);
}

TWdgCommandProcessor& TWdgTable::Commands() { return TWdgController::For(this)->EntryCommands(); }

int TWdgTable::FilterKey(int key, Qt::KeyboardModifiers modifiers) {
  int result = 0;
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) result = options_ & otoTabToArrow ? 2 : 0;
  else if (key == Qt::Key_Return || key == Qt::Key_Enter) result = options_ & otoEnterToArrow ? 2 : 0;
  else if (key == Qt::Key_Escape) result = 2;
  const quint16 command = Commands().KeyToCommandIn({QStringLiteral("Grid")}, key, modifiers);
  if (WdgIsGridNavigation(command) || command == ccWordLeft || command == ccWordRight) return 1;
  if (command == ccTableEdit) return 2;
  return result;
}

void TWdgTable::KeyFromEditor(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  keyPressEvent(&event);
}

void TWdgTable::FocusNeighbour(bool next) {
  QWidget* w = this;
  do {
    w = next ? w->nextInFocusChain() : w->previousInFocusChain();
  } while (w != this && (isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) ||
                         !w->isVisibleTo(window()) || !w->isEnabled()));
  if (w != this) w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}
