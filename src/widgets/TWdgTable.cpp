#include "widgets/TWdgTable.h"

#include "widgets/TWdgBaseTableCell.h"
#include "widgets/TWdgTCColHead.h"
#include "widgets/TWdgTableHeader.h"
#include "widgets/TWdgTableModel.h"

#include <QAbstractButton>
#include <QScrollBar>

namespace {
// Keeps the table's redraw lock for a scope, also when an event handler throws.
class RedrawLock {
public:
  explicit RedrawLock(TWdgTable& table) : table_(table) { table_.EnableRedraw(false); }
  ~RedrawLock() { table_.EnableRedraw(true); }
  RedrawLock(const RedrawLock&) = delete;
  RedrawLock& operator=(const RedrawLock&) = delete;

private:
  TWdgTable& table_;
};
} // namespace

TWdgTable::TWdgTable(QWidget* parent)
    : QTableView(parent), pens_(palette()), color_(palette().color(QPalette::Button)),
      colorUnused_(palette().color(QPalette::Base)), colors_(TWdgTableColors::Defaults(palette())) {
  model_ = new TWdgTableModel(*this);
  headingRow_ = new TWdgTableHeader(Qt::Horizontal, *this);
  lockedColumn_ = new TWdgTableHeader(Qt::Vertical, *this);
  setHorizontalHeader(headingRow_);
  setVerticalHeader(lockedColumn_);
  setModel(model_);
  // Columns without a cell component still paint through the table: background and lines.
  plainCell_ = new TWdgBaseTableCell(this);
  plainCell_->SetTable(this);
  setItemDelegate(plainCell_);
  setEditTriggers(NoEditTriggers);
  setTabKeyNavigation(false);
  setSelectionMode(ExtendedSelection);
  setShowGrid(false); // the cells draw their own lines
  pens_.SetChangeHandler([this] { CellChanged(); });
  cells_.OnChange = [this] { CellChanged(); };
  setWordWrap(true);
  setCornerButtonEnabled(false);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollMode(ScrollPerPixel);
  resize(300, 100);
  if (auto* corner = Corner()) corner->installEventFilter(this);
  for (QHeaderView* h : {static_cast<QHeaderView*>(headingRow_),
                         static_cast<QHeaderView*>(lockedColumn_)}) {
    h->setSectionResizeMode(QHeaderView::Interactive);
    connect(h, &QHeaderView::sectionResized, this, [this, h](int logical, int, int size) {
      HeaderSectionResized(h->orientation(), logical, size);
    });
  }
  for (TWdgTableHeader* h : {headingRow_, lockedColumn_}) {
    connect(h, &QHeaderView::sectionClicked, this,
            [this, h](int logical) { HeaderClicked(h->orientation(), logical); });
  }
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      if (OnTopLeftCellChanged) OnTopLeftCellChanged(this, TopRow(), LeftCol());
    });
  rows_.SetChangeHandler([this](int r1, int r2, TWdgTblActions a) { RowsChanged(r1, r2, a); });
  columns_.SetChangeHandler([this](int c1, int c2, TWdgTblActions a) { ColumnsChanged(c1, c2, a); });
  UpdateUnusedColour();
  ApplyColumns();
  ApplyRows();
}

TWdgTable::~TWdgTable() {
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) bar->disconnect(this);
  rows_.SetChangeHandler({});
  columns_.SetChangeHandler({});
  cells_.OnChange = {};
  pens_.SetChangeHandler({});
  // Cells that outlive the table, or go with it, no longer call back into it.
  for (const auto& cell : linked_)
    if (cell) cell->TableGone();
}

// ---- rows and columns ------------------------------------------------------------------

void TWdgTable::SetRowLimit(int limit) {
  if (limit == RowLimit() || limit < lockedRows_) return;
  RedrawLock lock(*this);
  // The active cell leaves rows that go, with its events and its edit saved, as a move would.
  if (limit - 1 >= lockedRows_ && ActiveRow() >= limit) SetActiveRow(limit - 1);
  if (IsEditing() && editIndex_.row() + lockedRows_ >= limit) StopCellEdit(true);
  rows_.SetRowLimit(limit);
}

void TWdgTable::SetColCount(int count) {
  if (count <= lockedCols_) return;
  RedrawLock lock(*this);
  columns_.SetCount(count);
}

void TWdgTable::SetLockedRows(int rows) {
  rows = std::clamp(rows, 0, 1);
  if (rows == lockedRows_ || rows >= RowLimit()) return;
  lockedRows_ = rows;
  ApplyRows();
}

void TWdgTable::SetLockedCols(int cols) {
  cols = std::clamp(cols, 0, 1);
  if (cols == lockedCols_ || cols >= ColCount()) return;
  lockedCols_ = cols;
  ApplyColumns();
}

void TWdgTable::RowsChanged(int row1, int row2, TWdgTblActions action) {
  if (action == taExchanged) cells_.ExchangeRows(row1, row2);
  // One row's change touches that row (or the two exchanged) alone.
  const bool few = action == taOneChanged || action == taExchanged;
  ApplyRows(few ? row1 : -1, few && action == taExchanged ? row2 : -1);
  if (action != taLimitChanged && action != taAllChanged && OnRowsChanged)
    OnRowsChanged(this, row1, row2, action);
}

void TWdgTable::ColumnsChanged(int col1, int col2, TWdgTblActions action) {
  if (auto* head = qobject_cast<TWdgTCColHead*>(lockedRowsCell_.data()))
    head->ColumnsChanged(col1, col2, action);
  if (action == taAdded) cells_.InsertCol(col1);
  if (action == taDeleted) cells_.DeleteCol(col1);
  if (action == taExchanged) cells_.ExchangeCols(col1, col2);
  ApplyColumns();
  if (action != taLimitChanged && action != taAllChanged && OnColumnsChanged)
    OnColumnsChanged(this, col1, col2, action);
}

void TWdgTable::HeaderClicked(Qt::Orientation orientation, int logical) {
  const bool columns = orientation == Qt::Horizontal;
  const int row = columns ? 0 : logical + lockedRows_;
  const int col = columns ? logical + lockedCols_ : 0;
  if (!StopCellEdit(true)) return;
  if (columns && options_ & otoColSelection)
    selectionModel()->select(model_->index(0, logical),
                             QItemSelectionModel::Select | QItemSelectionModel::Columns);
  if (!columns && options_ & otoRowSelection)
    selectionModel()->select(model_->index(logical, 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
  viewport()->update();
  if (OnLockedCellClick) OnLockedCellClick(this, row, col);
}

void TWdgTable::CarrySection(Qt::Orientation orientation, int from, int to) {
  if (applying_ || from == to) return;
  const bool columns = orientation == Qt::Horizontal;
  const int locked = columns ? lockedCols_ : lockedRows_;
  const int s = from + locked, t = to + locked;
  const int active = columns ? ActiveCol() : ActiveRow();
  RedrawLock lock(*this);
  for (int k = s; k != t; k += s < t ? 1 : -1) {
    const int next = s < t ? k + 1 : k - 1;
    if (columns) columns_.Exchange(k, next);
    else rows_.ExchangeRows(k, next);
  }
  int follow = active;
  if (active == s) follow = t;
  else if (s < t && active > s && active <= t) follow = active - 1;
  else if (s > t && active >= t && active < s) follow = active + 1;
  if (follow != active && active >= 0) {
    const QModelIndex target = columns ? IndexOf(ActiveRow(), follow) : IndexOf(follow, ActiveCol());
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
  }
}

// Puts the row settings into the headers the view lays out by.
void TWdgTable::ApplyRows(int only1, int only2) {
  if (applying_) return;
  applying_ = true;
  model_->SetRowCount(std::max(0, RowLimit() - lockedRows_));
  lockedColumn_->setDefaultSectionSize(rows_.DefaultHeight());
  if (lockedRows_ > 0) headingRow_->setFixedHeight(rows_.GetRow(0).Height);
  headingRow_->setVisible(lockedRows_ > 0);
  auto apply = [this](int r) {
    if (r < lockedRows_ || r >= RowLimit()) return;
    const auto row = rows_.GetRow(r);
    lockedColumn_->resizeSection(r - lockedRows_, row.Height);
    setRowHidden(r - lockedRows_, row.Hidden);
  };
  if (only1 >= 0) {
    apply(only1);
    apply(only2);
  } else {
    for (int r = lockedRows_; r < RowLimit() && r < TWdgTableRows::kFirstPlainRow; ++r) apply(r);
  }
  applying_ = false;
  KeepActiveVisible();
}

// The active cell never rests on a hidden row or column: it goes to the next visible one.
void TWdgTable::KeepActiveVisible() {
  if (model_->rowCount() == 0 || model_->columnCount() == 0) return;
  const QModelIndex c = currentIndex();
  if (!c.isValid()) {
    MoveToCell(NextVisibleRow(lockedRows_, 0), NextVisibleCol(lockedCols_, 0));
    return;
  }
  const int row = NextVisibleRow(ActiveRow(), 0), col = NextVisibleCol(ActiveCol(), 0);
  if (row >= 0 && col >= 0 && (row != ActiveRow() || col != ActiveCol())) {
    if (IsEditing()) StopCellEdit(true);
    MoveToCell(row, col);
  }
}

void TWdgTable::ApplyColumns() {
  if (applying_) return;
  applying_ = true;
  model_->SetColumnCount(std::max(0, ColCount() - lockedCols_));
  if (lockedCols_ > 0) {
    const auto* first = columns_.Column(0);
    lockedColumn_->setFixedWidth(first->Width());
    lockedColumn_->setVisible(!first->Hidden());
  } else {
    lockedColumn_->setVisible(false);
  }
  for (int c = lockedCols_; c < ColCount(); ++c) {
    const auto* column = columns_.Column(c);
    headingRow_->resizeSection(c - lockedCols_, column->Width());
    setColumnHidden(c - lockedCols_, column->Hidden());
    setItemDelegateForColumn(c - lockedCols_, column->DefaultCell());
  }
  applying_ = false;
  viewport()->update();
  KeepActiveVisible();
}

// A row or column sized with the mouse keeps its new size in the row and column settings.
void TWdgTable::HeaderSectionResized(Qt::Orientation orientation, int logical, int size) {
  if (applying_) return;
  applying_ = true;
  if (orientation == Qt::Horizontal) {
    if (auto* column = columns_.Column(logical + lockedCols_)) column->SetWidth(size);
  } else if (logical + lockedRows_ < RowLimit()) {
    rows_.SetRowHeight(logical + lockedRows_, size);
  }
  applying_ = false;
}

void TWdgTable::SetLockedRowsCell(TWdgBaseTableCell* cell) {
  lockedRowsCell_ = cell;
  if (cell && !cell->Table()) cell->SetTable(this);
  headingRow_->viewport()->update();
}

void TWdgTable::SetColumnCell(int col, TWdgBaseTableCell* cell) {
  if (auto* column = columns_.Column(col)) {
    if (cell && !cell->Table()) cell->SetTable(this);
    column->SetDefaultCell(cell);
  }
}

void TWdgTable::CellChanged() {
  viewport()->update();
  headingRow_->viewport()->update();
  lockedColumn_->viewport()->update();
}

void TWdgTable::LinkCell(TWdgBaseTableCell* cell) {
  if (!cell || std::find(linked_.begin(), linked_.end(), cell) != linked_.end()) return;
  linked_.emplace_back(cell);
  connect(cell, &TWdgBaseTableCell::Changed, this, &TWdgTable::CellChanged, Qt::UniqueConnection);
}

void TWdgTable::ForgetCell(TWdgBaseTableCell* cell) {
  linked_.erase(std::remove(linked_.begin(), linked_.end(), cell), linked_.end());
  disconnect(cell, nullptr, this, nullptr);
  if (lockedRowsCell_ == cell) lockedRowsCell_ = nullptr;
  columns_.ForgetCell(cell);
  cells_.ForgetCell(cell);
}

TWdgBaseTableCell* TWdgTable::CellComponent(int row, int col) const {
  if (auto* own = cells_.GetCellComponent(row, col)) return own;
  if (row < lockedRows_ && lockedRowsCell_) return lockedRowsCell_;
  return columns_.DefaultCellOf(col);
}

// ---- appearance ------------------------------------------------------------------------

void TWdgTable::SetOptions(TWdgTblOptionSet options) {
  options_ = options;
  headingRow_->setSectionResizeMode(options & otoNoColResizing ? QHeaderView::Fixed
                                                                : QHeaderView::Interactive);
  lockedColumn_->setSectionResizeMode(options & otoNoRowResizing ? QHeaderView::Fixed
                                                                  : QHeaderView::Interactive);
  // Selecting whole columns (rows) by their headings rules out moving them.
  headingRow_->SetMovable(options & otoAllowColMoves && !(options & otoColSelection));
  lockedColumn_->SetMovable(options & otoAllowRowMoves && !(options & otoRowSelection));
  setSelectionMode(options & otoNoSelection ? NoSelection : ExtendedSelection);
  viewport()->update();
  if (options & otoAlwaysEditing) PostStartEdit();
}

void TWdgTable::SetColor(const QColor& color) {
  color_ = color;
  viewport()->update();
}

void TWdgTable::SetColorUnused(const QColor& color) {
  colorUnused_ = color;
  UpdateUnusedColour();
}

// Whatever lies beyond the last row and column, in the body and beside the headings, shows
// the unused colour.
void TWdgTable::UpdateUnusedColour() {
  for (QWidget* area : {viewport(), headingRow_->viewport(), lockedColumn_->viewport()}) {
    QPalette p = area->palette();
    p.setColor(QPalette::Base, colorUnused_);
    p.setColor(QPalette::Window, colorUnused_);
    area->setPalette(p);
    area->setBackgroundRole(QPalette::Base);
    area->setAutoFillBackground(true);
    area->update();
  }
}

void TWdgTable::SetColors(const TWdgTableColors& colors) {
  colors_ = colors;
  viewport()->update();
}

// ---- redraw lock -----------------------------------------------------------------------

void TWdgTable::EnableRedraw(bool allow) {
  if (!allow) {
    if (redrawLock_++ > 0) return;
    setUpdatesEnabled(false);
    // The editor is out of the way while the grid changes beneath it.
    if (editor_) {
      editorHadFocus_ = editor_->hasFocus();
      editor_->hide();
      if (editorHadFocus_) setFocus();
    }
    return;
  }
  if (redrawLock_ > 0) --redrawLock_;
  if (redrawLock_ > 0) return;
  if (!updatesEnabled()) setUpdatesEnabled(true);
  if (editor_ && !editor_->isVisible()) {
    updateEditorGeometries();
    editor_->show();
    if (editorHadFocus_ && hasFocus()) editor_->setFocus();
  }
  viewport()->update();
  headingRow_->viewport()->update();
  lockedColumn_->viewport()->update();
}

void TWdgTable::RepaintColumn(int col) {
  if (col < lockedCols_) {
    lockedColumn_->viewport()->update();
    return;
  }
  model_->ColumnChanged(col - lockedCols_);
}

// ---- cell data --------------------------------------------------------------------------

QString* TWdgTable::GetCellData(int row, int col, TWdgCellDataPurpose purpose) {
  QString* data = nullptr;
  if (OnGetCellData && row >= 0 && row < RowLimit() && col >= 0 && col < ColCount())
    OnGetCellData(this, row, col, data, purpose);
  return data;
}

const QString* TWdgTable::ModelCellData(const QModelIndex& index, TWdgCellDataPurpose purpose) {
  return GetCellData(index.row() + lockedRows_, index.column() + lockedCols_, purpose);
}

QModelIndex TWdgTable::IndexOf(int row, int col) const {
  return model_->index(row - lockedRows_, col - lockedCols_);
}

bool TWdgTable::TableHasFocus() const {
  return hasFocus() || (editor_ && editor_->hasFocus());
}
