// The table grid: keys, the wheel, the mouse and the focus.
#include "widgets/TWdgTable.h"

#include "widgets/core/WdgCommandCodes.h"
#include "widgets/core/WdgGridCommands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

bool TWdgTable::event(QEvent* event) {
  // With Tab taken as an arrow key, Tab moves inside the grid instead of leaving it.
  if (event->type() == QEvent::KeyPress && options_ & otoTabToArrow) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QTableView::event(event);
}



void TWdgTable::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const auto mods = event->modifiers();
  quint16 command = ccNone;
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && options_ & otoTabToArrow) {
    if (key == Qt::Key_Backtab || mods == Qt::ShiftModifier) command = ccLeft;
    else if (mods == Qt::NoModifier) command = ccRight;
  } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && options_ & otoEnterToArrow) {
    if (mods == Qt::NoModifier || mods == Qt::KeypadModifier) command = ccRight;
  } else {
    command = Commands().KeyToCommandIn({QStringLiteral("Grid")}, key, mods);
  }
  if (IsEditing() && !(options_ & otoAlwaysEditing)) {
    if (key == Qt::Key_Escape || command == ccTableEdit) {
      StopCellEdit(key != Qt::Key_Escape);
      return;
    }
  } else if (!IsEditing()) {
    const bool character = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                           !(mods & (Qt::ControlModifier | Qt::AltModifier));
    if (command == ccTableEdit) {
      StartCellEdit();
      return;
    }
    if (command >= 76 && command <= 255 && character) {
      if (StartCellEdit() && editor_) {
        // The key that opened the editor replaces the cell's text.
        editor_->selectAll();
        QKeyEvent again(QEvent::KeyPress, key, mods, event->text());
        QApplication::sendEvent(editor_, &again);
      }
      return;
    }
  }
  extending_ = false;
  if (WdgIsGridNavigation(command)) {
    MoveActiveCell(command);
  } else if (WdgGridPlainCommand(command) != ccNone) {
    extending_ = true;
    MoveActiveCell(WdgGridPlainCommand(command));
    extending_ = false;
  } else if (command == ccCopy && OnClipboardCopy) {
    OnClipboardCopy(this);
  } else if (command == ccCut && OnClipboardCut) {
    OnClipboardCut(this);
  } else if (command == ccPaste && OnClipboardPaste) {
    OnClipboardPaste(this);
  } else if (command >= 256 && OnUserCommand) {
    OnUserCommand(this, command);
  } else {
    event->ignore(); // Enter, Esc and the rest go on to the dialog
    return;
  }
  event->accept();
}

void TWdgTable::wheelEvent(QWheelEvent* event) {
  // The wheel is reported, then moves the active cell, not the view.
  const int delta = event->angleDelta().y();
  if (OnMouseWheel) {
    const QPoint at = event->globalPosition().toPoint();
    OnMouseWheel(this, WdgShiftState(event->modifiers(), event->buttons()), qint16(delta),
                 qint16(at.x()), qint16(at.y()));
  }
  if (delta != 0) MoveActiveCell(delta < 0 ? ccDown : ccUp);
  event->accept();
}

void TWdgTable::mousePressEvent(QMouseEvent* event) {
  // The click that brings the focus to the table (given before this handler runs) does not
  // count as a click on a focused table.
  const bool hadFocus = TableHasFocus() && !focusedByThisClick_;
  focusedByThisClick_ = false;
  if (!TableHasFocus()) setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  int row, col;
  if (index.isValid()) {
    row = index.row() + lockedRows_;
    col = index.column() + lockedCols_;
  } else {
    // The area beyond the last row or column: the nearest cell.
    const QPoint p = event->position().toPoint();
    row = rowAt(p.y()) >= 0 ? rowAt(p.y()) + lockedRows_ : NextVisibleRow(RowLimit() - 1, 0);
    col = columnAt(p.x()) >= 0 ? columnAt(p.x()) + lockedCols_ : NextVisibleCol(ColCount() - 1, 0);
  }
  if (row < 0 || col < 0) return;
  const bool wasActive = row == ActiveRow() && col == ActiveCol();
  const auto mods = event->modifiers();
  if (wasActive && index.isValid() && hadFocus && !(mods & (Qt::ShiftModifier | Qt::ControlModifier))) {
    if (!IsEditing()) StartCellEdit();
    return;
  }
  extending_ = (mods & Qt::ShiftModifier) && index.isValid();
  if (MoveTo(index.isValid() ? kMouseCommand : quint16(ccNone), row, col) && (mods & Qt::ControlModifier) &&
      !extending_)
    selectionModel()->select(IndexOf(row, col), QItemSelectionModel::Toggle);
  extending_ = false;
}

void TWdgTable::mouseMoveEvent(QMouseEvent* event) {
  if (!(options_ & otoMouseDragSelect) || !(event->buttons() & Qt::LeftButton)) return;
  const QModelIndex index = indexAt(event->position().toPoint());
  if (!index.isValid()) return;
  extending_ = true;
  MoveTo(kMouseCommand, index.row() + lockedRows_, index.column() + lockedCols_);
  extending_ = false;
}

void TWdgTable::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton && index.isValid() && index == currentIndex())
    StartCellEdit();
}

void TWdgTable::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  focusedByThisClick_ = event->reason() == Qt::MouseFocusReason && !IsEditing();
  // An open editor takes the focus that comes to the table. (Shift+Tab in the editor goes
  // straight to the control before the table, so it never lands here.)
  if (editor_ && editor_->isVisible()) editor_->setFocus(event->reason());
  viewport()->update();
}

void TWdgTable::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  focusedByThisClick_ = false;
  viewport()->update();
}
