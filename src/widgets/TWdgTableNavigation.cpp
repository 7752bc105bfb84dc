// The table grid: the active cell and how it moves.
#include "widgets/TWdgTable.h"

#include "widgets/TWdgTableModel.h"
#include "widgets/core/WdgCommandCodes.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>


int TWdgTable::ActiveRow() const {
  const QModelIndex c = currentIndex();
  return c.isValid() ? c.row() + lockedRows_ : -1;
}

int TWdgTable::ActiveCol() const {
  const QModelIndex c = currentIndex();
  return c.isValid() ? c.column() + lockedCols_ : -1;
}

int TWdgTable::TopRow() const { return rowAt(0) < 0 ? -1 : rowAt(0) + lockedRows_; }

int TWdgTable::LeftCol() const { return columnAt(0) < 0 ? -1 : columnAt(0) + lockedCols_; }

void TWdgTable::SetActiveRow(int row) { MoveTo(ccNone, row, ActiveCol()); }

void TWdgTable::SetActiveCol(int col) { MoveTo(ccNone, ActiveRow(), col); }

int TWdgTable::NextVisibleRow(int row, int step) const {
  const int first = lockedRows_, last = RowLimit() - 1;
  if (last < first) return -1;
  auto visible = [&](int r) { return !isRowHidden(r - lockedRows_); };
  row = std::clamp(row, first, last);
  if (step == 0) {
    for (int r = row; r <= last; ++r) if (visible(r)) return r;
    for (int r = row - 1; r >= first; --r) if (visible(r)) return r;
    return -1;
  }
  for (int r = row + step; r >= first && r <= last; r += step) if (visible(r)) return r;
  return row;
}

int TWdgTable::NextVisibleCol(int col, int step) const {
  const int first = lockedCols_, last = ColCount() - 1;
  if (last < first) return -1;
  auto visible = [&](int c) { return !isColumnHidden(c - lockedCols_); };
  col = std::clamp(col, first, last);
  if (step == 0) {
    for (int c = col; c <= last; ++c) if (visible(c)) return c;
    for (int c = col - 1; c >= first; --c) if (visible(c)) return c;
    return -1;
  }
  for (int c = col + step; c >= first && c <= last; c += step) if (visible(c)) return c;
  return col;
}

bool TWdgTable::MoveTo(quint16 command, int row, int col) {
  row = NextVisibleRow(row, 0);
  col = NextVisibleCol(col, 0);
  if (row < 0 || col < 0) return false;
  // A key that cannot move (Down on the last row) does nothing; a move the program asks for
  // or a click is always announced.
  const bool stays = row == ActiveRow() && col == ActiveCol();
  if (stays && command != ccNone && command != kMouseCommand) return false;
  if (OnActiveCellMoving) OnActiveCellMoving(this, command, row, col);
  if (row == ActiveRow() && col == ActiveCol()) return false;
  if (IsEditing() && !StopCellEdit(true)) return false;
  MoveToCell(row, col);
  return true;
}

void TWdgTable::MoveToCell(int row, int col) {
  const QModelIndex target = IndexOf(row, col);
  if (!target.isValid()) return;
  const int oldRow = ActiveRow(), oldCol = ActiveCol();
  if (oldRow >= 0 && oldRow != row && OnLeavingRow) OnLeavingRow(this, oldRow);
  if (oldCol >= 0 && oldCol != col && OnLeavingColumn) OnLeavingColumn(this, oldCol);
  if (extending_ && !(options_ & otoNoSelection)) {
    selectionModel()->select(QItemSelection(IndexOf(anchorRow_, anchorCol_), target),
                             QItemSelectionModel::ClearAndSelect);
  } else {
    selectionModel()->clearSelection();
    anchorRow_ = row;
    anchorCol_ = col;
  }
  const bool changed = target != currentIndex();
  selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
  scrollTo(target);
  viewport()->update();
  if (changed) {
    // Headings may mark the active column or row.
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
  }
  if (changed && OnActiveCellChanged) OnActiveCellChanged(this, row, col);
  if (options_ & otoAlwaysEditing) PostStartEdit();
}

// Editing starts once the event that moved the active cell is over.
void TWdgTable::PostStartEdit() {
  QTimer::singleShot(0, this, [this] {
    if (!IsEditing()) StartCellEdit();
  });
}

void TWdgTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // Whatever moves the current cell, an open edit ends once, with its text kept.
  if (IsEditing() && editIndex_ != current) StopCellEdit(true);
  QTableView::currentChanged(current, previous);
}

int TWdgTable::LastShownRow(bool fully) const {
  const int h = viewport()->height();
  int r = rowAt(h - 1);
  if (r < 0) r = model_->rowCount() - 1;
  if (fully && r > rowAt(0) && rowViewportPosition(r) + rowHeight(r) > h) --r;
  return r < 0 ? -1 : r + lockedRows_;
}

void TWdgTable::PageRows(bool down) {
  const int active = ActiveRow(), top = TopRow();
  if (active < 0 || top < 0) return;
  const int offset = active - top;
  const int shown = std::max(1, LastShownRow(true) - top + 1);
  const int newTop = down ? std::min(top + shown, NextVisibleRow(RowLimit() - 1, 0))
                          : std::max(lockedRows_, top - shown);
  if (!down && newTop == top && active == top) return;
  scrollTo(IndexOf(newTop, ActiveCol()), PositionAtTop);
  MoveTo(down ? ccNextPage : ccPrevPage, NextVisibleRow(TopRow() + offset, 0), ActiveCol());
}

void TWdgTable::MoveActiveCell(quint16 command) {
  if (options_ & otoNoSelection) extending_ = false;
  const int row = ActiveRow(), col = ActiveCol();
  if (row < 0 || col < 0) return;
  switch (command) {
  case ccDown: MoveTo(command, NextVisibleRow(row, 1), col); break;
  case ccUp: MoveTo(command, NextVisibleRow(row, -1), col); break;
  case ccLeft: MoveTo(command, row, NextVisibleCol(col, -1)); break;
  case ccRight: MoveTo(command, row, NextVisibleCol(col, 1)); break;
  case ccHome: MoveTo(command, row, NextVisibleCol(lockedCols_, 0)); break;
  case ccEnd: MoveTo(command, row, NextVisibleCol(ColCount() - 1, 0)); break;
  case ccFirstPage: MoveTo(command, NextVisibleRow(lockedRows_, 0), col); break;
  case ccLastPage: MoveTo(command, NextVisibleRow(RowLimit() - 1, 0), col); break;
  case ccTopLeftCell:
    MoveTo(command, NextVisibleRow(lockedRows_, 0), NextVisibleCol(lockedCols_, 0));
    break;
  case ccBotRightCell:
    MoveTo(command, NextVisibleRow(RowLimit() - 1, 0), NextVisibleCol(ColCount() - 1, 0));
    break;
  case ccTopOfPage: MoveTo(command, NextVisibleRow(TopRow(), 0), col); break;
  case ccBotOfPage: MoveTo(command, NextVisibleRow(LastShownRow(true), 0), col); break;
  case ccNextPage: PageRows(true); break;
  case ccPrevPage: PageRows(false); break;
  case ccPageRight: MoveTo(command, row, NextVisibleCol(ColCount() - 1, 0)); break;
  case ccPageLeft: MoveTo(command, row, NextVisibleCol(lockedCols_, 0)); break;
  default: break;
  }
}

void TWdgTable::SetTopLeftCell(int row, int col) {
  row = NextVisibleRow(row, 0);
  col = NextVisibleCol(col, 0);
  if (row < 0 || col < 0) return;
  if (OnTopLeftCellChanging) OnTopLeftCellChanging(this, row, col);
  if (row == TopRow() && col == LeftCol()) return;
  verticalScrollBar()->setValue(verticalHeader()->visualIndex(row - lockedRows_));
  horizontalScrollBar()->setValue(columnViewportPosition(col - lockedCols_) +
                                  horizontalScrollBar()->value());
}
